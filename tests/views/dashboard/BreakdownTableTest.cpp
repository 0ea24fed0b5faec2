#include "views/dashboard/BreakdownTable.h"
#include "ShownText.h"
#include "views/kit/Style.h"

#include <cmath>

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
    const int figure =
        int(QFontMetricsF(Style::tabularFont(table.font())).horizontalAdvance(u"1 867 139,89 ₽"_s));
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

// Each column is as wide as the widest of its texts as drawn, whichever digits a figure holds, and a title
// is measured again in a new font.
TEST(BreakdownTable, ColumnsAreAsWideAsTheirWidestTexts) {
    const QStringList figures[] = {
        {u"1 111,11 ₽"_s, u"8 888,88 ₽"_s, u"\u2212444 ₽"_s, u"7 070 707 ₽"_s},
        {u"0 %"_s, u"100 %"_s, u"12,3 %"_s, u"\u22129,9 %"_s},
        {u"1"_s, u"11"_s, u"7"_s, u"1\u00A0000\u00A0000"_s, u"\u22121"_s},
    };
    BreakdownTable table;
    table.setRoom(5000);
    for (const QFont& font : {QFont(table.font()), QFont(u"DejaVu Serif"_s, 19)}) {
        table.setFont(font);
        const QFontMetricsF title(font), value(Style::tabularFont(font));
        QList<QStringList> rows;
        for (qsizetype r = 0; r < 5; ++r) {
            QStringList row{u"Клиент № "_s + QString::number(r * 37)};
            for (const QStringList& column : figures)
                row.append(column.value(r, u"0"_s));
            rows.append(row);
        }
        table.setTable({u"·"_s, u"·"_s, u"·"_s, u"·"_s}, rows);
        for (qsizetype c = 0; c < 4; ++c) {
            int widest = 0;
            for (const QStringList& row : rows)
                widest = std::max(widest, int(std::ceil((c ? value : title).horizontalAdvance(row[c]))) + 1);
            EXPECT_EQ(table.columnWidths()[c], widest) << c << " in " << font.family().toStdString();
        }
    }
}

// The titles' column is as wide as the widest title laid out whole, up to its limit, among many titles of
// one length and another, of pairs that kern, of other scripts and marks, in fonts that space their
// letters or not; titles measured for an earlier period count too.
TEST(BreakdownTable, TitleColumnIsAsWideAsItsWidestTitle) {
    const QStringList words{u"AV"_s,   u"To"_s,    u"Ту"_s,        u"Ёлка"_s,
                            u"W.A."_s, u"ff fi"_s, u"x\u0301"_s,   u"مرحبا"_s,
                            u"🙂"_s, u"№ 17"_s,  u"«Ромашка»"_s, u"iiii"_s,
                            u"ШЩЖ"_s,  u"—"_s,     u"\u00A0"_s,    u"ООО «Вектор»"_s};
    QFont spaced;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    for (const QFont& font : {QFont(), QFont(u"DejaVu Serif"_s, 19), spaced}) {
        for (const int count : {1, 7, 40, 200}) {
            BreakdownTable table;
            table.setRoom(5000);
            table.setFont(font);
            QList<QStringList> rows;
            for (int r = 0; r < count; ++r) {
                QString title;
                for (int w = 0; w <= (r * 7) % 5; ++w)
                    title += words[(r * 3 + w * 5) % words.size()] + u' ';
                rows.append({title.trimmed(), u"1"_s});
            }
            // Titles whose characters' own advances add up to less than the widest's but which are wider
            // laid out: spaced letters, and letters outside the basic plane.
            rows.append({QString(10, u'Ш'), u"1"_s});
            rows.append({QString(30, u'i'), u"1"_s});
            rows.append({u"🙂🙂🙂🙂🙂🙂🙂🙂🙂🙂🙂🙂"_s, u"1"_s});
            const QFontMetricsF metrics(font);
            int widest = 0;
            for (const QStringList& row : rows)
                widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(row[0]))) + 1);
            table.setTable({u"·"_s, u"·"_s}, rows.mid(0, count / 2)); // an earlier period of the field
            table.setTable({u"·"_s, u"·"_s}, rows);
            EXPECT_EQ(table.columnWidths()[0], std::min(widest, 320))
                << count << " titles in " << font.family().toStdString() << ", spacing "
                << font.letterSpacing();
        }
    }
}

// Short of room, a title or the titles' header cut short names its whole text as help wherever the pointer
// rests on it; a title shown whole, a figure and a figure's header have none.
TEST(BreakdownTable, CutTitlesNameTheirWholeTextAsHelp) {
    BreakdownTable table;
    const QString longTitle = u"Маркетплейс с доставкой до пункта выдачи"_s;
    table.setTable({u"Канал продаж и способ доставки"_s, u"Оплачено заказов"_s},
                   {{u"Сайт"_s, u"12"_s}, {longTitle, u"43"_s}, {u"Instagram"_s, u"7"_s}});
    for (const int room : {5000, 260}) {
        table.setRoom(room);
        table.resize(table.sizeHint());
        QSet<QString> helps;
        for (int y = 0; y < table.height(); ++y) {
            for (const int x : {2, table.columnWidths()[0] - 2, table.columnWidths()[0] + 30})
                helps.insert(helpAt(&table, {x, y}));
        }
        EXPECT_EQ(helps, room == 5000
                             ? QSet<QString>{QString()}
                             : (QSet<QString>{QString(), longTitle, u"Канал продаж и способ доставки"_s}))
            << room;
    }
}
