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
        emit table()->customContextMenuRequested(rowCentre(row));
        return visibleIn<QMenu>(view(), u"recordsMenu"_s);
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
    tab.window->findChild<JournalListView*>(u"journalList"_s)->setFocus();
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
    QMessageBox* box = visibleIn<QMessageBox>(tab.window.get());
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
    box = visibleIn<QMessageBox>(tab.window.get());
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text(), u"Удалить выбранную запись?");
    boxButton(box, u"Удалить"_s)->click();
    EXPECT_FALSE(tab.store->journal(tab.journal.id)->record(r1.id));
    EXPECT_TRUE(tab.store->journal(tab.journal.id)->record(r0.id));
    EXPECT_TRUE(tab.view()->selection().isEmpty());
    EXPECT_FALSE(tab.command("deleteRecords")->isEnabled());
}

// The context menu shows the tab's own commands, acting on its rows while it exists; the bar goes on showing
// the selection's state, and once the menu is gone the commands act on the selection again.
TEST(RecordActionsView, TheContextMenuShowsTheTabsCommandsOnItsRows) {
    Selected tab;
    const QList<Record> rows = tab.view()->visible();
    tab.select({0, 2});
    auto* bar = tab.view()->findChild<RecordsActionBar*>(u"actionBar"_s);
    ASSERT_TRUE(bar);
    const auto barState = [bar] {
        QStringList state;
        for (const QToolButton* b : bar->findChildren<QToolButton*>())
            state.append(b->text() + (b->isEnabled() ? u" on"_s : u" off"_s));
        return state;
    };
    const QStringList selectionState = barState();
    QAction* edit = tab.command("editRecord");

    QMenu* menu = tab.menuOn(1);
    ASSERT_TRUE(menu);
    for (QAction* entry : menu->actions()) {
        if (!entry->isSeparator()) {
            EXPECT_EQ(tab.view()->findChild<QAction*>(entry->objectName()), entry)
                << entry->text().toStdString();
        }
    }
    EXPECT_TRUE(menu->actions().contains(edit));
    EXPECT_TRUE(edit->isEnabled()) << "one row to edit";
    EXPECT_EQ(barState(), selectionState) << "two rows selected";
    Selected::item(menu, u"Статус: Закрыт"_s)->trigger();
    const auto statusOf = [&tab](const Record& r) {
        return tab.store->journal(tab.journal.id)->record(r.id)->statusID;
    };
    EXPECT_EQ(statusOf(rows[1]), tab.journal.statuses[2].id);
    EXPECT_EQ(statusOf(rows[0]), rows[0].statusID);
    EXPECT_EQ(statusOf(rows[2]), rows[2].statusID);

    // Chosen with the mouse, an item closes the menu, which goes: the selection's state is back.
    menu = tab.menuOn(1);
    ASSERT_TRUE(menu);
    QAction* firstStatus = Selected::item(menu, u"Статус: Новый"_s);
    ASSERT_TRUE(firstStatus);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(firstStatus).center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(statusOf(rows[1]), tab.journal.statuses[0].id);
    EXPECT_FALSE(visibleIn<QMenu>(tab.view(), u"recordsMenu"_s));
    EXPECT_FALSE(edit->isEnabled()) << "two rows selected";
    EXPECT_EQ(firstStatus->text(), u"Новый")
        << "the status's name, as the menu of the other statuses shows it";
    EXPECT_EQ(barState(), selectionState);
    tab.press(Qt::CTRL | Qt::META | Qt::Key_3);
    EXPECT_EQ(statusOf(rows[0]), tab.journal.statuses[2].id);
    EXPECT_EQ(statusOf(rows[2]), tab.journal.statuses[2].id);
}

TEST(RecordActionsView, CopyOpensTheEditorAndNarrowBarsKeepStatusTitles) {
    Selected tab;
    tab.select({1});
    tab.command("moreLikeThis")->trigger();
    ASSERT_TRUE(tab.router->editor());
    EXPECT_TRUE(tab.router->editor()->isNew);
    tab.router->setEditor(std::nullopt);

    RecordsActionBar* bar = tab.view()->findChild<RecordsActionBar*>(u"actionBar"_s);
    // How each button shows its command, by the command's name.
    const auto styles = [bar] {
        QMap<QString, Qt::ToolButtonStyle> shown;
        for (QToolButton* b : bar->findChildren<QToolButton*>())
            shown.insert(b->defaultAction() ? b->defaultAction()->objectName() : QString(),
                         b->toolButtonStyle());
        return shown;
    };
    EXPECT_EQ(styles().value(u"editRecord"_s), Qt::ToolButtonTextBesideIcon) << "the bar fits";
    tab.window->resize(1050, 680);
    QCoreApplication::processEvents();
    ASSERT_EQ(styles().value(u"editRecord"_s), Qt::ToolButtonIconOnly) << "the bar does not fit";
    EXPECT_EQ(styles().value(u"quickStatus0"_s), Qt::ToolButtonTextBesideIcon);
}
