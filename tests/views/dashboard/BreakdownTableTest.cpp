#include "dashboard/BreakdownTable.h"
#include "cells/CellStyle.h"

using namespace Qt::StringLiterals;

// Short of room the table cuts its row titles first, then wraps the figures' headers, the one with most
// to give first, as few as it can; only a room narrower than the figures leaves it wider, to scroll.
// Figures are never cut.
TEST(BreakdownTable, NarrowRoomCutsTitlesThenWrapsHeadersBeforeScrolling) {
    BreakdownTable table;
    table.setTable({u"Канал продаж"_s, u"Выручка"_s, u"Оплачено заказов"_s, u"Заказов в работе"_s},
                   {{u"Маркетплейс с доставкой до пункта выдачи"_s, u"1 867 139,89 ₽"_s, u"43"_s, u"7"_s}});
    const QSize natural = table.sizeHint();
    const QList<int> full = table.columnWidths();
    const int figure = int(
        QFontMetricsF(CellStyle::equalWidthDigits(table.font())).horizontalAdvance(u"1 867 139,89 ₽"_s));
    const struct {
        int room;
        QList<bool> narrowed; // per column, under its natural width
    } cases[] = {
        {natural.width() + 100, {false, false, false, false}},
        {natural.width() - 40, {true, false, false, false}},
        {natural.width() - full[0] + 120 - 40, {true, false, false, true}},
        {200, {true, false, true, true}}, // "Выручка" is as wide as its figures already
    };
    for (const auto& c : cases) {
        table.setRoom(c.room);
        QList<bool> narrowed;
        for (int i = 0; i < full.size(); ++i)
            narrowed.append(table.columnWidths()[i] < full[i]);
        EXPECT_EQ(narrowed, c.narrowed) << c.room;
        EXPECT_EQ(table.sizeHint().height() > natural.height(), narrowed.mid(1).contains(true)) << "wrapped";
        EXPECT_EQ(table.sizeHint().width() <= c.room, c.room != 200);
        EXPECT_GE(table.columnWidths()[1], figure);
    }
}
