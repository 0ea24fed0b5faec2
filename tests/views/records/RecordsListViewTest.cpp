#include "views/records/RecordsListView.h"
#include "RecordsTabFixture.h"
#include "SheetTyping.h"
#include "views/records/RecordsEmptyState.h"
#include "views/records/RecordsTableModel.h"
#include "views/shell/SidebarView.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>

using namespace Qt::StringLiterals;
using namespace TestSupport;

TEST(RecordsListView, DrawingStoresNothingAndEachControlWritesItsFilter) {
    RecordsTab tab;
    QAbstractItemModelTester tester(tab.table()->model(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    RecordsFilterBar* bar = tab.bar();
    tab.store->setStatus(tab.journal.statuses[0].id, {tab.journal.records[0].id}, tab.journal.id,
                         utc(2024, 2, 1));
    tab.router->writeFilters(QUuid::createUuid(), RecordFilters{});
    EXPECT_FALSE(tab.router->filters().contains(tab.journal.id)) << "opened, redrawn, nothing typed";
    EXPECT_FALSE(bar->findChild<QPushButton*>(u"resetFilters"_s)->isVisible());
    EXPECT_EQ(bar->findChild<QLabel*>(u"shownLine"_s)->text(), u"Показано: 4 заказа · 3 города");

    // Without a filter field the first text field is offered.
    EXPECT_EQ(bar->findChild<QComboBox*>(u"valueFieldPicker"_s)->currentText(), u"Заказ");
    tab.pick(bar->findChild<QComboBox*>(u"valueFieldPicker"_s), u"Город"_s);
    EXPECT_EQ(tab.filters().valueFieldID, tab.city.id);
    tab.pick(bar->findChild<QComboBox*>(u"valuePicker"_s), u"Омск"_s);
    EXPECT_EQ(tab.shown(), (QStringList{u"r2"_s, u"r0"_s}));
    EXPECT_EQ(bar->findChild<QLabel*>(u"shownLine"_s)->text(), u"Показано: 2 заказа · 1 город");
    tab.pick(bar->findChild<QComboBox*>(u"valueFieldPicker"_s), u"Заказ"_s);
    EXPECT_TRUE(tab.filters().value.isEmpty()) << "another field offers every value again";
    EXPECT_EQ(bar->findChild<QComboBox*>(u"valuePicker"_s)->currentText(), u"Все");

    tab.pick(bar->findChild<QComboBox*>(u"statusPicker"_s), u"Оплачен"_s);
    EXPECT_EQ(tab.shown(), QStringList{u"r1"_s});
    EXPECT_TRUE(bar->findChild<QPushButton*>(u"resetFilters"_s)->isVisible());
    tab.pick(bar->findChild<QComboBox*>(u"dateFieldPicker"_s), u"По полю «Оплачен»"_s);
    ASSERT_TRUE(bar->findChild<QDateEdit*>(u"fromDate"_s)->isVisible());
    bar->findChild<QDateEdit*>(u"fromDate"_s)->setDate(QDate(2023, 5, 17));
    EXPECT_EQ(tab.filters().from, tab.router->calendar().startOfDay(QDate(2023, 5, 17)));
    tab.pick(bar->findChild<QComboBox*>(u"linkPicker"_s), u"Со ссылкой"_s);
    EXPECT_EQ(tab.filters().linkFilter, RecordFilters::LinkFilter::with);
    EXPECT_TRUE(tab.shown().isEmpty());
    EXPECT_TRUE(tab.table()->isVisible()) << "filters hiding every record leave the table";
    EXPECT_FALSE(visibleIn(tab.view(), u"emptyState"_s));
    EXPECT_FALSE(bar->findChild<QPushButton*>(u"exportShown"_s)->isEnabled());

    // Reset brings the day range back to this month as of now.
    tab.folder.now = utc(2025, 3, 10, 12);
    bar->findChild<QPushButton*>(u"resetFilters"_s)->click();
    EXPECT_EQ(tab.filters(), RecordFilters::defaults(tab.folder.clock(), tab.router->calendar()));
    EXPECT_EQ(tab.shown().size(), 4);
}

TEST(RecordsListView, FiltersNamingWhatIsGoneStayAndShowBlank) {
    RecordsTab tab;
    RecordFilters filters = tab.filters();
    filters.statusID = QUuid::createUuid();
    filters.dateFieldID = QUuid::createUuid();
    filters.valueFieldID = QUuid::createUuid();
    filters.value = u"Омск"_s;
    filters.search = u"<b>& \u0301"_s;
    tab.router->writeFilters(tab.journal.id, filters);
    RecordsFilterBar* bar = tab.bar();
    EXPECT_EQ(bar->findChild<QComboBox*>(u"statusPicker"_s)->currentIndex(), -1);
    EXPECT_EQ(bar->findChild<QComboBox*>(u"dateFieldPicker"_s)->currentIndex(), -1);
    EXPECT_EQ(bar->findChild<QComboBox*>(u"valuePicker"_s)->currentIndex(), -1)
        << "the first text field's values hold no such value";
    EXPECT_EQ(bar->findChild<QLineEdit*>(u"search"_s)->text(), filters.search);
    EXPECT_EQ(tab.filters(), filters);
    EXPECT_TRUE(tab.shown().isEmpty());
}

TEST(RecordsListView, CtrlFFromAnywhereOnTheRecordsTabOnly) {
    RecordsTab tab;
    QLineEdit* search = tab.bar()->findChild<QLineEdit*>(u"search"_s);
    tab.window->findChild<JournalListView*>(u"journalList"_s)->setFocus();
    QTest::keyClick(tab.window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_TRUE(search->hasFocus());
    EXPECT_EQ(search->placeholderText(), u"Поиск по всем полям (Ctrl+F)");
    // Any character, a blank too, can be cleared at once; Return hands the focus to the table.
    EXPECT_FALSE(tab.bar()->findChild<QAction*>(u"clearSearch"_s)->isVisible());
    typeText(search, u" "_s);
    ASSERT_TRUE(tab.bar()->findChild<QAction*>(u"clearSearch"_s)->isVisible());
    QTest::keyClick(search, Qt::Key_Return);
    EXPECT_TRUE(tab.table()->hasFocus());
    tab.bar()->findChild<QAction*>(u"clearSearch"_s)->trigger();
    EXPECT_TRUE(tab.filters().search.isEmpty());
    EXPECT_TRUE(search->text().isEmpty());

    tab.router->setTab(JournalTab::dashboard);
    QTest::keyClick(tab.window.get(), Qt::Key_F, Qt::ControlModifier);
    EXPECT_FALSE(search->hasFocus());
}

TEST(RecordsListView, SelectionIsTheUsersAndOutlivesFiltersAndStoreChanges) {
    RecordsTab tab;
    RecordsTableView* table = tab.table();
    const Record r0 = tab.stored()[0], r1 = tab.stored()[1], r3 = tab.stored()[3];
    tab.select({0, 3});
    ASSERT_EQ(tab.view()->selection(), idsOf({r3, r0}));

    // A right click and its menu leave the selection alone.
    QTest::mouseClick(table->viewport(), Qt::RightButton, {}, tab.rowCentre(1));
    EXPECT_EQ(tab.view()->selection(), idsOf({r3, r0}));

    RecordFilters filters = tab.filters();
    filters.search = u"заказ 3"_s;
    tab.router->writeFilters(tab.journal.id, filters);
    EXPECT_EQ(tab.view()->selection(), idsOf({r3, r0})) << "a hidden record stays selected";
    EXPECT_EQ(table->selectionModel()->selectedRows().size(), 1);
    tab.router->writeFilters(tab.journal.id, RecordFilters{});
    tab.store->deleteRecords({r0.id}, tab.journal.id);
    EXPECT_EQ(tab.view()->selection(), idsOf({r3}));
    tab.store->setStatus(tab.journal.statuses[2].id, {r1.id}, tab.journal.id, utc(2024, 5, 1));
    ASSERT_EQ(table->selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(table->selectionModel()->selectedRows().first().data(Qt::UserRole).toUuid(), r3.id);
}

TEST(RecordsListView, ExportTakesTheTablesOrderAndTheEmptyStateAdds) {
    RecordsTab tab;
    QHeaderView* header = tab.table()->horizontalHeader();
    EXPECT_FALSE(header->isSortIndicatorShown()) << "newest first has no column";
    tab.clickHeader(2);
    EXPECT_EQ(header->sortIndicatorSection(), 2);
    tab.bar()->findChild<QPushButton*>(u"exportShown"_s)->click();
    EXPECT_TRUE(tab.router->showExporter());
    EXPECT_TRUE(tab.router->exportName().startsWith(u"_выборка_"_s.prepend(tab.journal.name)));
    const QString csv = QString::fromUtf8(tab.router->exportDocument().data);
    QList<qsizetype> at; // amounts 0, 1, 2, 4
    for (int i : {0, 3, 1, 2})
        at.append(csv.indexOf(u"Заказ "_s + QString::number(i)));
    EXPECT_TRUE(std::is_sorted(at.cbegin(), at.cend())) << csv.toStdString();
    tab.panels.answerSave(QString());

    tab.store->deleteRecords(idsOf({tab.stored()[0], tab.stored()[1], tab.stored()[2], tab.stored()[3]}),
                             tab.journal.id);
    ASSERT_TRUE(visibleIn(tab.view(), u"emptyState"_s));
    EXPECT_FALSE(tab.table()->isVisible());
    tab.view()->findChild<QPushButton*>(u"emptyAdd"_s)->click();
    ASSERT_TRUE(tab.router->editor());
    EXPECT_TRUE(tab.router->editor()->isNew);
}

// While a search is active and the table is sorted by the order's name, each change of the store shows at
// once: in what the search finds, in the sort order (an edit moves its record), in the value picker's
// values and in the group count.
TEST(RecordsListView, EveryStoreChangeShowsAtOnceThroughSearchSortValuesAndGroups) {
    const auto record = [](RecordsTab& tab, int i) { return tab.stored()[i]; };
    const struct {
        const char* what;
        std::function<void(RecordsTab&)> change;
        QStringList shown;
        QStringList values;
        QString line;
    } cases[] = {
        {"nothing changed",
         [](RecordsTab&) {},
         {"r0", "r1", "r2", "r3"},
         {"Омск", "Псков", "Тверь"},
         u"Показано: 4 заказа · 3 города"_s},
        {"an edit moves its record to the end of the order",
         [&](RecordsTab& tab) {
             Record r = record(tab, 0);
             put(r, tab.name, FieldValue::ofText(u"Заказ 10"_s));
             tab.store->updateRecord(r, tab.journal.id);
         },
         {"r1", "r2", "r3", "r0"},
         {"Омск", "Псков", "Тверь"},
         u"Показано: 4 заказа · 3 города"_s},
        {"an edit takes its record out of the search",
         [&](RecordsTab& tab) {
             Record r = record(tab, 2);
             put(r, tab.name, FieldValue::ofText(u"Счёт 2"_s));
             tab.store->updateRecord(r, tab.journal.id);
         },
         {"r0", "r1", "r3"},
         {"Омск", "Псков", "Тверь"},
         u"Показано: 3 заказа · 3 города"_s},
        {"an edit changes a group and the values",
         [&](RecordsTab& tab) {
             Record r = record(tab, 1);
             put(r, tab.city, FieldValue::ofText(u"Казань"_s));
             tab.store->updateRecord(r, tab.journal.id);
         },
         {"r0", "r1", "r2", "r3"},
         {"Казань", "Омск", "Псков"},
         u"Показано: 4 заказа · 3 города"_s},
        {"a record added",
         [](RecordsTab& tab) {
             tab.store->addRecords({labelled(u"r4"_s, {{tab.name, FieldValue::ofText(u"заказ 1,5"_s)},
                                                       {tab.city, FieldValue::ofText(u"Мурманск"_s)}})},
                                   tab.journal.id);
         },
         {"r0", "r1", "r4", "r2", "r3"},
         {"Мурманск", "Омск", "Псков", "Тверь"},
         u"Показано: 5 заказов · 4 города"_s},
        {"a record deleted",
         [&](RecordsTab& tab) { tab.store->deleteRecords({record(tab, 3).id}, tab.journal.id); },
         {"r0", "r1", "r2"},
         {"Омск", "Тверь"},
         u"Показано: 3 заказа · 2 города"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        RecordsTab tab;
        RecordFilters filters = tab.filters();
        filters.search = u"заказ"_s;
        filters.valueFieldID = tab.city.id;
        tab.router->writeFilters(tab.journal.id, filters);
        tab.clickHeader(1);
        c.change(tab);
        EXPECT_EQ(tab.shown(), c.shown);
        QStringList values;
        for (int i = 1; i < tab.bar()->findChild<QComboBox*>(u"valuePicker"_s)->count(); ++i)
            values.append(tab.bar()->findChild<QComboBox*>(u"valuePicker"_s)->itemText(i));
        EXPECT_EQ(values, c.values);
        EXPECT_EQ(tab.bar()->findChild<QLabel*>(u"shownLine"_s)->text(), c.line);
    }
}
