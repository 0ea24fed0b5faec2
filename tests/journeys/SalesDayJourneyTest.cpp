#include "UserSession.h"

#include "dashboard/DashboardParts.h"
#include "views/dashboard/DashboardView.h"
#include "views/dashboard/StatTile.h"
#include "views/records/BatchAddView.h"
#include "views/records/RecordEditorView.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/shell/NewJournalView.h"

#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

RecordsListView* recordsTab() {
    return seen<RecordsListView>(u"tabContent_records"_s);
}

QStringList shownItems() {
    return tableColumn(seen<RecordsTableView>(u"recordsTable"_s, recordsTab()), u"Товар или услуга"_s);
}

} // namespace

// A shop starts its sales journal: one order typed in the editor and paid at once; a month later three
// more as lists in batch entry, two of them paid; the records tab finds, filters and sorts them, and the
// dashboard sets this month's takings against last month's.
TEST(Journey, ASalesJournalThroughADay) {
    UserSession user;
    user.start();

    // The new-journal key; the sales template and its name are already chosen, Return creates it.
    pressKeys(AppKeys::newJournal());
    ASSERT_TRUE(onScreen<NewJournalView>());
    pressKeys(Qt::Key_Return);
    EXPECT_FALSE(onScreen<NewJournalView>());
    EXPECT_EQ(user.window->windowTitle(), u"Продажи");

    // One order in the editor; its status stamps the payment date.
    pressKeys(AppKeys::singleRecord());
    auto* editor = onScreen<RecordEditorView>();
    ASSERT_TRUE(editor);
    EXPECT_EQ(seen<QLabel>(u"editorTitle"_s, editor)->text(), u"Новая запись · Продажи");
    typeInto(u"Номер заказа"_s, u"A-1"_s, editor);
    typeInto(u"Клиент"_s, u"Иванова"_s, editor);
    typeInto(u"Товар или услуга"_s, u"Платье"_s, editor);
    typeInto(u"Сумма"_s, u"4 500"_s, editor);
    choose(seen<QComboBox>(u"Канал продаж"_s, editor), u"Сайт"_s);
    clickButton(u"Оплачен"_s, editor);
    pressKeys(Qt::Key_Return);
    EXPECT_FALSE(onScreen<RecordEditorView>());

    // A month on, three orders of one client as lists; the shared values are typed once.
    user.later(30 * 24 * 60);
    pressKeys(AppKeys::primaryAdd());
    auto* batch = onScreen<BatchAddView>();
    ASSERT_TRUE(batch);
    typeInto(u"Клиент"_s, u"Петров"_s, batch);
    choose(seen<QComboBox>(u"Канал продаж"_s, batch), u"Маркетплейс"_s);
    typeInto(u"Номер заказа"_s, u"B-1, B-2, B-3"_s, batch);
    typeInto(u"Товар или услуга"_s, u"Футболка\nШорты\nКепка"_s, batch);
    typeInto(u"Сумма"_s, u"1200, 800, 500"_s, batch);
    pressKeys(AppKeys::saveBatch());
    EXPECT_FALSE(onScreen<BatchAddView>());

    // The records tab: two of the new orders are paid an hour later, from the action bar.
    user.later(60);
    pressKeys(AppKeys::recordsTab());
    RecordsListView* records = recordsTab();
    ASSERT_TRUE(records);
    EXPECT_EQ(shownItems(), (QStringList{u"Футболка"_s, u"Шорты"_s, u"Кепка"_s, u"Платье"_s}))
        << "the newest first, a batch in its own order";
    clickRow(seen<RecordsTableView>(u"recordsTable"_s, records), 0);
    clickRow(seen<RecordsTableView>(u"recordsTable"_s, records), 1, Qt::ControlModifier);
    clickButton(u"Оплачен"_s, records);
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Дата оплаты"_s),
              (QStringList{u"15.12.2023"_s, u"15.12.2023"_s, u"—"_s, u"15.11.2023"_s}));

    // Search, a status filter and a sort by the sum.
    typeInto(u"search"_s, u"кеп"_s, records);
    EXPECT_EQ(shownItems(), QStringList{u"Кепка"_s});
    typeInto(u"search"_s, QString(), records);
    choose(seen<QComboBox>(u"statusPicker"_s, records), u"Оплачен"_s);
    clickHeader(seen<RecordsTableView>(u"recordsTable"_s, records), u"Сумма"_s);
    EXPECT_EQ(shownItems(), (QStringList{u"Шорты"_s, u"Футболка"_s, u"Платье"_s}));
    clickButton(u"Сбросить фильтры"_s, records);
    EXPECT_EQ(shownItems().size(), 4);

    // The dashboard: December's takings against November's.
    pressKeys(AppKeys::dashboardTab());
    auto* dashboard = seen<DashboardView>(u"tabContent_dashboard"_s);
    ASSERT_TRUE(dashboard);
    QStringList figures;
    for (StatTile* tile : tilesOf(dashboard))
        figures.append(tile->titleText() + u": "_s + tile->valueText() + u", "_s + tile->comparisonText());
    EXPECT_EQ(
        figures,
        (QStringList{
            u"Выручка: 2\u00A0000 ₽, −2\u00A0500 ₽ к прошлому периоду"_s,
            u"Оплачено заказов: 2, +1 к прошлому периоду"_s,
            u"Средний чек: 1\u00A0000 ₽, −3\u00A0500 ₽ к прошлому периоду"_s,
            u"Клиентов: 1, как в прошлом периоде"_s,
            u"Возвраты: 0 ₽, как в прошлом периоде"_s,
        }));
    EXPECT_EQ(reportOf(dashboard),
              u"За период оплачено 2 заказа на 2\u00A0000 ₽ от 1 "
              u"клиента, средний чек 1\u00A0000 ₽");
    user.quit();

    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 1);
    const Journal& sales = saved.first();
    EXPECT_EQ(sales.templateKey, u"sales");
    EXPECT_EQ(storedRows(sales, {u"Статус"_s, u"Номер заказа"_s, u"Клиент"_s, u"Сумма"_s, u"Канал продаж"_s,
                                 u"Дата оплаты"_s}),
              (QStringList{
                  u"Оплачен;A-1;Иванова;4500;Сайт;15.11.2023"_s,
                  u"Оплачен;B-1;Петров;1200;Маркетплейс;15.12.2023"_s,
                  u"Оплачен;B-2;Петров;800;Маркетплейс;15.12.2023"_s,
                  u"Новый;B-3;Петров;500;Маркетплейс;"_s,
              }));
}
