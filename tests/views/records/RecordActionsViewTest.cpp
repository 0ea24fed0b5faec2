#include "RecordsTabFixture.h"
#include "UrlRecorder.h"
#include "views/records/RecordsActionBar.h"
#include "views/shell/SidebarView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QToolButton>

namespace {

// The tab's commands and its context menu.
struct Selected : RecordsTab {
    explicit Selected(int records = 4) : RecordsTab(records) {}
    QAction* command(const char* name) const { return view()->findChild<QAction*>(QString::fromUtf8(name)); }
    // The context menu as a right click on the row opens it.
    QMenu* menuOn(int row) {
        emit view()->table()->customContextMenuRequested(rowCentre(row));
        return view()->contextMenu();
    }
    static QAction* item(QMenu* menu, const QString& title) {
        for (QAction* a : menu->actions()) {
            if (a->text() == title)
                return a;
        }
        return nullptr;
    }
};

} // namespace

TEST(RecordActionsView, KeysActFromAnywhereOnlyWithASelection) {
    Selected tab;
    UrlRecorder recorder;
    const Record newest = tab.view()->visible().first();
    for (QKeyCombination keys : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Equal, Qt::CTRL | Qt::Key_L})
        tab.press(keys);
    EXPECT_EQ(tab.stored(), tab.journal.records) << "nothing selected, nothing changes";
    EXPECT_TRUE(recorder.opened.isEmpty());

    tab.select({0});
    tab.sidebar()->list()->setFocus();
    tab.folder.now = utc(2024, 6, 3, 12);
    tab.press(Qt::CTRL | Qt::Key_Return); // the primary status is the first one: no metric, no default
    EXPECT_EQ(tab.store->journal(tab.journal.id)->record(newest.id)->statusID, tab.journal.statuses[0].id);
    tab.press(Qt::META | Qt::CTRL | Qt::Key_2);
    tab.press(Qt::CTRL | Qt::Key_Minus);
    const Record paid = *tab.store->journal(tab.journal.id)->record(newest.id);
    EXPECT_EQ(paid.statusID, tab.journal.statuses[1].id);
    EXPECT_EQ(paid.date(tab.paid.id), tab.router->calendar().startOfDay(QDate(2024, 6, 3))) << "stamped";
    EXPECT_EQ(paid.number(tab.amount.id), 0);

    // The links of the selection open in the journal's order.
    tab.select({1});
    tab.press(Qt::CTRL | Qt::Key_L);
    EXPECT_EQ(recorder.opened,
              (QList<QUrl>{QUrl(u"https://example.com/2"_s), QUrl(u"https://example.com/3"_s)}));
    tab.select({1});
    tab.press(Qt::CTRL | Qt::Key_E);
    ASSERT_TRUE(tab.router->editor());
    EXPECT_EQ(tab.router->editor()->record.id, newest.id);
}

TEST(RecordActionsView, DeleteAsksFirstAndTheMenuActsOnItsRows) {
    Selected tab;
    const Record r0 = tab.view()->visible()[0], r1 = tab.view()->visible()[1];
    tab.select({0, 2});
    tab.press(Qt::CTRL | Qt::Key_Backspace);
    QMessageBox* box = tab.view()->deleteConfirmation();
    ASSERT_TRUE(box);
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(box->isVisible()) << "Return does not delete";
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_EQ(tab.stored().size(), 4);

    // A right click outside the selection: the menu acts on that row alone.
    QMenu* menu = tab.menuOn(1);
    ASSERT_TRUE(menu);
    EXPECT_EQ(tab.view()->selection().size(), 2);
    Selected::item(menu, u"Скопировать ссылку"_s)->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), u"https://example.com/2");
    Selected::item(tab.menuOn(1), u"Удалить…"_s)->trigger();
    EXPECT_EQ(tab.view()->selection(), idsOf({r1}));
    box = tab.view()->deleteConfirmation();
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), u"Удалить выбранную запись?");
    boxButton(box, u"Удалить"_s)->click();
    EXPECT_FALSE(tab.store->journal(tab.journal.id)->record(r1.id));
    EXPECT_TRUE(tab.store->journal(tab.journal.id)->record(r0.id));
    EXPECT_TRUE(tab.view()->selection().isEmpty());
    EXPECT_FALSE(tab.command("deleteRecords")->isEnabled());
}

TEST(RecordActionsView, CopyOpensTheEditorAndNarrowBarsKeepStatusTitles) {
    Selected tab;
    tab.select({1});
    tab.command("moreLikeThis")->trigger();
    ASSERT_TRUE(tab.router->editor());
    EXPECT_TRUE(tab.router->editor()->isNew);
    tab.router->setEditor(std::nullopt);

    RecordsActionBar* bar = tab.view()->actionBar();
    EXPECT_FALSE(bar->isCompact());
    tab.window->resize(1050, 680);
    QCoreApplication::processEvents();
    ASSERT_TRUE(bar->isCompact());
    QMap<QString, Qt::ToolButtonStyle> styles;
    for (QToolButton* b : bar->findChildren<QToolButton*>())
        styles.insert(b->defaultAction() ? b->defaultAction()->objectName() : QString(),
                      b->toolButtonStyle());
    EXPECT_EQ(styles.value(u"quickStatus0"_s), Qt::ToolButtonTextBesideIcon);
    EXPECT_EQ(styles.value(u"editRecord"_s), Qt::ToolButtonIconOnly);
}
