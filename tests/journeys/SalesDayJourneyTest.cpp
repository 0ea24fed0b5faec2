#include "UserSession.h"

#include "NewJournalView.h"
#include "dashboard/DashboardView.h"
#include "dashboard/ReportBox.h"
#include "dashboard/StatTile.h"
#include "records/BatchAddView.h"
#include "records/RecordEditorView.h"
#include "records/RecordsListView.h"
#include "records/RecordsTableView.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>

using namespace Qt::StringLiterals;

namespace {

RecordsListView* recordsTab() {
    return seen<RecordsListView>(u"tabContent_records"_s);
}

QStringList shownItems() {
    return tableColumn(recordsTab()->table(), u"Товар или услуга"_s);
}

// Double-clicks the day of a date box, as a user does to type another date over it.
void pickDay(QDateEdit* box) {
    auto* text = box->findChild<QLineEdit*>();
    QTest::mouseDClick(text, Qt::LeftButton, {},
                       QPoint(text->fontMetrics().averageCharWidth() + 3, text->height() / 2));
}

} // namespace

// A shop starts its sales journal: one order typed in the editor, three more as lists in batch entry, two
// of them paid; the records tab finds, filters and sorts them, and the dashboard sets this month's takings
// against last month's.
TEST(Journey, ASalesJournalThroughADay) {
    UserSession user;
    user.start();

    // The new-journal key; the sales template and its name are already chosen, Return creates it.
    pressKeys(AppKeys::newJournal());
    ASSERT_TRUE(onScreen<NewJournalView>());
    pressKeys(Qt::Key_Return);
    EXPECT_FALSE(onScreen<NewJournalView>());
    EXPECT_EQ(user.window->windowTitle(), u"Продажи");
    EXPECT_TRUE(seen<DashboardView>(u"tabContent_dashboard"_s));

    // One order in the editor, paid last month.
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
    auto* paidOn = seen<QDateEdit>(u"Дата оплаты"_s, editor);
    ASSERT_TRUE(paidOn) << "the status stamps its date";
    EXPECT_EQ(paidOn->date(), QDate(2023, 11, 15));
    // A double click picks the day; the box moves on to the month once the day is whole.
    pickDay(paidOn);
    typeText(paidOn, u"2010"_s, false);
    EXPECT_EQ(paidOn->date(), QDate(2023, 10, 20));
    pressKeys(Qt::Key_Return);
    EXPECT_FALSE(onScreen<RecordEditorView>());

    // Three orders of one client, a little later as lists; the shared values are typed once.
    user.later(10);
    pressKeys(AppKeys::primaryAdd());
    auto* batch = onScreen<BatchAddView>();
    ASSERT_TRUE(batch);
    EXPECT_EQ(batch->title(), u"Несколько заказов");
    QWidget* shared = section(u"Общие поля"_s, batch);
    typeInto(u"Клиент"_s, u"Петров"_s, shared);
    choose(seen<QComboBox>(u"Канал продаж"_s, shared), u"Маркетплейс"_s);
    QWidget* lists = section(u"Быстрый ввод списком"_s, batch);
    typeInto(u"Номер заказа"_s, u"B-1, B-2, B-3"_s, lists);
    typeInto(u"Товар или услуга"_s, u"Футболка\nШорты\nКепка"_s, lists);
    typeInto(u"Сумма"_s, u"1200, 800, 500"_s, lists);
    EXPECT_EQ(seen<QLabel>(u"batchSummary"_s, batch)->text(), u"Будет создано: 3 заказа · 1 клиент");
    pressKeys(AppKeys::saveBatch());
    EXPECT_FALSE(onScreen<BatchAddView>());

    // The records tab: two of the new orders are paid an hour later, from the action bar.
    user.later(60);
    pressKeys(AppKeys::recordsTab());
    RecordsListView* records = recordsTab();
    ASSERT_TRUE(records);
    EXPECT_EQ(shownItems(), (QStringList{u"Футболка"_s, u"Шорты"_s, u"Кепка"_s, u"Платье"_s}))
        << "the newest first, a batch in its own order";
    clickRow(records->table(), 0);
    clickRow(records->table(), 1, Qt::ControlModifier);
    clickButton(u"Оплачен"_s, records);
    EXPECT_EQ(tableColumn(records->table(), u"Дата оплаты"_s),
              (QStringList{u"15.11.2023"_s, u"15.11.2023"_s, u"—"_s, u"20.10.2023"_s}));

    // Search, a status filter and a sort by the sum.
    QLabel* shownLine = seen<QLabel>(u"shownLine"_s, records);
    typeInto(u"search"_s, u"кеп"_s, records);
    EXPECT_EQ(shownItems(), QStringList{u"Кепка"_s});
    EXPECT_EQ(shownLine->text(), u"Показано: 1 заказ · 1 клиент");
    typeInto(u"search"_s, QString(), records);
    choose(seen<QComboBox>(u"statusPicker"_s, records), u"Оплачен"_s);
    EXPECT_EQ(shownLine->text(), u"Показано: 3 заказа · 2 клиента");
    clickHeader(records->table(), u"Сумма"_s);
    EXPECT_EQ(shownItems(), (QStringList{u"Шорты"_s, u"Футболка"_s, u"Платье"_s}));
    clickButton(u"Сбросить фильтры"_s, records);
    EXPECT_EQ(shownItems().size(), 4);

    // The dashboard: November's takings against October's.
    pressKeys(AppKeys::dashboardTab());
    auto* dashboard = seen<DashboardView>(u"tabContent_dashboard"_s);
    ASSERT_TRUE(dashboard);
    QStringList figures;
    for (StatTile* tile : dashboard->tiles())
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
    EXPECT_EQ(dashboard->reportBox()->report(),
              u"За период оплачено 2 заказа на 2\u00A0000 ₽ от 1 "
              u"клиента, средний чек 1\u00A0000 ₽");
    user.quit();

    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 1);
    const Journal& sales = saved.first();
    EXPECT_EQ(sales.templateKey, u"sales");
    ASSERT_EQ(sales.records.size(), 4);
    QStringList stored;
    for (const Record& r : sales.records)
        stored.append(shown(sales, r, u"Номер заказа"_s) + u" "_s + shown(sales, r, u"Клиент"_s) + u" "_s +
                      shown(sales, r, u"Сумма"_s) + u" "_s + shown(sales, r, u"Канал продаж"_s) + u" "_s +
                      statusName(sales, r) + u" "_s + shown(sales, r, u"Дата оплаты"_s));
    EXPECT_EQ(stored, (QStringList{
                          u"A-1 Иванова 4500 Сайт Оплачен 20.10.2023"_s,
                          u"B-1 Петров 1200 Маркетплейс Оплачен 15.11.2023"_s,
                          u"B-2 Петров 800 Маркетплейс Оплачен 15.11.2023"_s,
                          u"B-3 Петров 500 Маркетплейс Новый "_s,
                      }));
}
