#include "UserSession.h"

#include "core/templates/Templates.h"
#include "dashboard/DashboardParts.h"
#include "views/dashboard/DashboardView.h"
#include "views/records/RecordEditorView.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/shell/JournalListModel.h"

#include <QListView>

using namespace Qt::StringLiterals;

namespace {

QListView* sidebar() {
    return seen<QListView>(u"journalList"_s);
}

// What the window shows: each journal of the sidebar with its count, then the first journal's dashboard
// period and count line, then its orders as the records tab lists them.
QStringList shownState() {
    QStringList shown;
    QAbstractItemModel* rows = sidebar()->model();
    for (int row = 0; row < rows->rowCount(); ++row)
        shown.append(rows->index(row, 0).data().toString() + u" "_s +
                     rows->index(row, 0).data(JournalListModel::BadgeRole).toString());
    pressKeys(AppKeys::dashboardTab());
    auto* dashboard = seen<DashboardView>(u"tabContent_dashboard"_s);
    shown.append(periodPickerOf(dashboard)->currentText());
    shown.append(countLineOf(dashboard));
    pressKeys(AppKeys::recordsTab());
    shown.append(
        tableColumn(seen<RecordsTableView>(u"recordsTable"_s, seen<RecordsListView>(u"tabContent_records"_s)),
                    u"Номер заказа"_s));
    return shown;
}

} // namespace

// Records go with a confirmation, from the records tab and from the editor, and so does a whole journal;
// the next start on the same file shows the window as it was left.
TEST(Journey, DeletionsOutlastARestart) {
    UserSession user;
    Journal sales = Templates::sales();
    for (const QString& number : {u"A-1"_s, u"A-2"_s, u"A-3"_s, u"A-4"_s, u"A-5"_s})
        sales.records += user.typed(sales, {u"Номер заказа"_s, u"Клиент"_s}, {{number, u"Иванова"_s}});
    Journal stock = Templates::warehouse();
    stock.records = user.typed(stock, {u"Товар"_s}, {{u"Коробка"_s}});
    Journal tasks = Templates::tasks();
    tasks.records = user.typed(tasks, {u"Задача"_s}, {{u"Инвентаризация"_s}});
    user.runBefore({sales, stock, tasks});
    user.start();

    // Two orders chosen in the table; the delete key asks, and "Отмена" keeps them.
    pressKeys(AppKeys::recordsTab());
    auto* records = seen<RecordsListView>(u"tabContent_records"_s);
    ASSERT_TRUE(records);
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Номер заказа"_s),
              (QStringList{u"A-1"_s, u"A-2"_s, u"A-3"_s, u"A-4"_s, u"A-5"_s}));
    clickRow(seen<RecordsTableView>(u"recordsTable"_s, records), 1);
    clickRow(seen<RecordsTableView>(u"recordsTable"_s, records), 3, Qt::ControlModifier);
    pressKeys(AppKeys::deleteRecords());
    const QString question = answer(u"Отмена"_s);
    EXPECT_EQ(question, u"Удалить 2 заказа?\nУдалённые записи нельзя восстановить. Если нужна копия, сначала "
                        u"сделайте экспорт в CSV.");
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Номер заказа"_s).size(), 5);
    clickButton(u"Удалить"_s, records);
    EXPECT_EQ(answer(u"Удалить"_s), question);
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Номер заказа"_s),
              (QStringList{u"A-1"_s, u"A-3"_s, u"A-5"_s}));

    // One more from its editor, which asks too.
    clickRow(seen<RecordsTableView>(u"recordsTable"_s, records), 2, {}, true);
    ASSERT_TRUE(onScreen<RecordEditorView>());
    clickButton(u"Удалить"_s, onScreen<RecordEditorView>());
    answer(u"Удалить"_s);
    EXPECT_FALSE(onScreen<RecordEditorView>());
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Номер заказа"_s),
              (QStringList{u"A-1"_s, u"A-3"_s}));

    // The stock journal goes from the sidebar's menu, after its question.
    rightClick(sidebar()->viewport(), rowCentre(sidebar(), u"Склад"_s));
    chooseFromMenu(u"Удалить журнал…"_s);
    answer(u"Удалить журнал"_s);
    EXPECT_EQ(user.window->windowTitle(), u"Продажи") << "the journal shown stays";

    // Looking changes nothing: every sheet opened and left with Escape leaves the data file as it was.
    const QByteArray file = user.folder.read(u"data.json"_s);
    clickRow(seen<RecordsTableView>(u"recordsTable"_s, records), 0);
    for (const QKeySequence& keys : {AppKeys::journalSettings(), AppKeys::primaryAdd(),
                                     AppKeys::singleRecord(), AppKeys::newJournal(), AppKeys::editRecord()}) {
        pressKeys(keys);
        EXPECT_TRUE(QApplication::activeModalWidget()) << keys.toString().toStdString();
        pressKeys(Qt::Key_Escape);
        EXPECT_FALSE(QApplication::activeModalWidget()) << keys.toString().toStdString();
    }
    EXPECT_EQ(user.folder.read(u"data.json"_s), file);

    // The sales dashboard is left on this year.
    pressKeys(AppKeys::dashboardTab());
    choose(periodPickerOf(seen<DashboardView>(u"tabContent_dashboard"_s)), u"Этот год"_s);
    const QStringList before = shownState();
    EXPECT_EQ(before, (QStringList{u"Продажи 2"_s, u"Задачи 1"_s, u"Этот год"_s,
                                   u"В журнале: 2 заказа, 1 клиент"_s, u"A-1"_s, u"A-3"_s}));
    user.quit();

    user.start();
    EXPECT_EQ(shownState(), before);
    user.quit();

    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 2);
    EXPECT_EQ(saved[0].name, u"Продажи");
    EXPECT_EQ(saved[1].name, u"Задачи");
    ASSERT_EQ(saved[0].records.size(), 2);
    EXPECT_EQ(saved[0].records[0].id, sales.records[0].id);
    EXPECT_EQ(saved[0].records[1].id, sales.records[2].id);
    EXPECT_EQ(saved[1].records, tasks.records);
}
