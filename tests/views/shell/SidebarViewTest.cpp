#include "views/shell/SidebarView.h"
#include "Looks.h"
#include "ShellFixture.h"
#include "ShellSamples.h"
#include "app/kit/AppKeys.h"
#include "core/templates/Templates.h"
#include "views/kit/Style.h"
#include "views/records/RecordsTableView.h"
#include "views/shell/JournalListModel.h"
#include "views/shell/NewJournalView.h"
#include "views/shell/WelcomeView.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QToolButton>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

QStringList names(const AppStore& store) {
    QStringList result;
    for (const Journal& j : store.journals())
        result.append(j.name);
    return result;
}

JournalListModel* listModel(const Shell& shell) {
    return qobject_cast<JournalListModel*>(
        shell.window->findChild<JournalListView*>(u"journalList"_s)->model());
}

} // namespace

// Names and counts on the rows are what the journeys read back after a restart.
TEST(SidebarView, DroppingRowsReordersTheStore) {
    Shell shell({named(Templates::blank(), u"А"_s), named(Templates::blank(), u"Б"_s),
                 named(Templates::blank(), u"В"_s)});
    const QUuid first = shell.store->journals().first().id;
    JournalListModel* model = listModel(shell);
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_FALSE(model->index(0).data(Qt::DecorationRole).value<QIcon>().isNull());

    std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(0)}));
    EXPECT_FALSE(model->dropMimeData(dragged.get(), Qt::MoveAction, 3, 0, {}));
    EXPECT_EQ(names(*shell.store), (QStringList{u"Б"_s, u"В"_s, u"А"_s}));
    EXPECT_EQ(shell.router->selectedJournalID(), first) << "the moved journal stays selected";

    // Dropped below everything (no row): to the end.
    dragged.reset(model->mimeData({model->index(0)}));
    model->dropMimeData(dragged.get(), Qt::MoveAction, -1, -1, {});
    EXPECT_EQ(names(*shell.store), (QStringList{u"В"_s, u"А"_s, u"Б"_s}));
    EXPECT_EQ(shell.window->findChild<JournalListView*>(u"journalList"_s)
                  ->selectionModel()
                  ->selectedIndexes()
                  .first()
                  .row(),
              1);
}

TEST(SidebarView, SelectionIsTheRouters) {
    const Journal a = named(Templates::blank(), u"А"_s);
    const Journal b = named(Templates::blank(), u"Б"_s);
    Shell shell({a, b});
    JournalListView* list = shell.window->findChild<JournalListView*>(u"journalList"_s);
    const QPoint second = list->visualRect(list->model()->index(1, 0)).center();
    // A press may begin a drag, which leaves the selection alone; the release selects.
    QTest::mousePress(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(shell.router->selectedJournalID(), a.id);
    QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, second);
    EXPECT_EQ(shell.router->selectedJournalID(), b.id);

    shell.router->setSelectedJournalID(a.id);
    EXPECT_EQ(list->selectionModel()->selectedIndexes().first().row(), 0);

    // A right click opens a menu but does not move the selection.
    QTest::mousePress(list->viewport(), Qt::RightButton, {}, second);
    QTest::mouseRelease(list->viewport(), Qt::RightButton, {}, second);
    EXPECT_EQ(shell.router->selectedJournalID(), a.id);
}

// The window is titled with the shown journal's name alone, and with the product's name while none is shown:
// a click on the empty part of the list, below the rows, shows none.
TEST(SidebarView, AClickBelowTheRowsSelectsNothingAndTheTitleFollows) {
    const Journal a = named(Templates::blank(), u"А"_s);
    const Journal b = named(Templates::blank(), u"Б"_s);
    Shell shell({a, b});
    JournalListView* list = shell.window->findChild<JournalListView*>(u"journalList"_s);
    const auto rowCentre = [list](int row) {
        return list->visualRect(list->model()->index(row, 0)).center();
    };
    const QPoint below(list->viewport()->width() / 2,
                       list->visualRect(list->model()->index(1, 0)).bottom() + 40);
    const struct {
        const char* step;
        std::function<void()> act;
        std::optional<QUuid> selected;
        QString title;
    } steps[] = {
        {"first shown", [] {}, a.id, u"А"_s},
        {"renamed", [&] { shell.store->renameJournal(a.id, u"Продажи"_s, a.icon); }, a.id, u"Продажи"_s},
        {"empty part", [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, below); }, std::nullopt,
         u"Vostrel Учёт"_s},
        {"a row again", [&] { QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rowCentre(1)); }, b.id,
         u"Б"_s},
        {"pressed on a row, released below",
         [&] {
             QTest::mousePress(list->viewport(), Qt::LeftButton, {}, rowCentre(0));
             QTest::mouseRelease(list->viewport(), Qt::LeftButton, {}, below);
         },
         b.id, u"Б"_s},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(shell.router->selectedJournalID(), s.selected) << s.step;
        EXPECT_EQ(shell.window->windowTitle(), s.title) << s.step;
        EXPECT_EQ(shell.shown<WelcomeView>() != nullptr, !s.selected) << s.step;
    }
}

TEST(SidebarView, ContextMenuActsOnItsRow) {
    const Journal a = named(Templates::blank(), u"А"_s, 3);
    const Journal empty = named(Templates::blank(), u"Пустой"_s);
    Shell shell({a, empty});
    std::unique_ptr<QMenu> menu(shell.sidebar()->contextMenu(empty.id, nullptr));
    ASSERT_EQ(menuTitles(menu.get()),
              (QStringList{u"Настройки журнала…"_s, u"Экспорт в CSV…"_s, u"—"_s, u"Удалить журнал…"_s}));
    const QList<QAction*> entries = menu->actions();

    entries[1]->trigger();
    EXPECT_EQ(shell.panels.saves, 1) << "a journal without records still offers the save panel";
    shell.panels.answerSave(QString());
    entries[3]->trigger();
    EXPECT_EQ(shell.router->pendingDeleteJournalID(), empty.id);
    EXPECT_EQ(shell.router->selectedJournalID(), a.id) << "the menu does not select its row";
    shell.router->setPendingDeleteJournalID(std::nullopt);
    entries[0]->trigger();
    ASSERT_TRUE(shell.router->settings());
    EXPECT_EQ(shell.router->settings()->journalID, empty.id);
}

// The row menu's settings and export are the window's commands: on the row's journal and under the row
// menu's title while the menu exists, on the selected journal again once it is gone.
TEST(SidebarView, TheRowMenuSharesTheWindowsCommands) {
    const Journal a = named(Templates::blank(), u"А"_s, 3);
    const Journal empty = named(Templates::blank(), u"Пустой"_s);
    Shell shell({a, empty});
    auto* exportCommand = shell.window->findChild<QAction*>(u"exportCSV"_s);
    auto* settings = shell.window->findChild<QAction*>(u"journalSettings"_s);
    auto* exportButton = shell.shown<QToolButton>(u"exportButton"_s);
    ASSERT_TRUE(exportCommand && settings && exportButton);
    {
        std::unique_ptr<QMenu> menu(
            shell.window->findChild<SidebarView*>(u"sidebar"_s)->contextMenu(empty.id, nullptr));
        EXPECT_EQ(menu->actions().mid(0, 2), (QList<QAction*>{settings, exportCommand}));
        EXPECT_FALSE(exportCommand->isShortcutVisibleInContextMenu());
        EXPECT_EQ(exportButton->text(), u"Экспорт") << "the toolbar keeps its label";
        EXPECT_TRUE(exportButton->isEnabled()) << "the journal shown has records";
        exportCommand->trigger();
        EXPECT_TRUE(shell.panels.defaultName.startsWith(u"Пустой"_s))
            << shell.panels.defaultName.toStdString();
        shell.panels.answerSave(QString());
    }
    EXPECT_EQ(exportCommand->text(), u"Экспорт журнала в CSV…");
    EXPECT_EQ(exportCommand->shortcut(), AppKeys::exportCSV());
    settings->trigger();
    ASSERT_TRUE(shell.router->settings());
    EXPECT_EQ(shell.router->settings()->journalID, a.id);
}

TEST(SidebarView, BothNewJournalButtonsOpenTheSheet) {
    Shell shell;
    ASSERT_TRUE(shell.shown<WelcomeView>());
    for (const char* name : {"newJournal", "createJournal"}) {
        auto* button = shell.shown<QPushButton>(QString::fromLatin1(name));
        ASSERT_TRUE(button) << name;
        button->click();
        ASSERT_TRUE(shell.shown<NewJournalView>()) << name;
        shell.shown<NewJournalView>()->reject();
        EXPECT_FALSE(shell.router->showNewJournal());
    }
}

// The deletions in the two context menus, of a journal in the sidebar and of records in the table, carry
// one mark: the bin in the destructive colour, on show in the menu beside the entry.
TEST(SidebarView, BothMenusMarkTheirDeletionAlike) {
    const Journal journal = named(Templates::blank(), u"Заказы"_s, 3);
    Shell shell({journal});
    std::unique_ptr<QMenu> journalMenu(shell.sidebar()->contextMenu(journal.id, nullptr));
    QAction* deleteJournal = journalMenu->actions().last();

    shell.router->setTab(JournalTab::records);
    auto* table = shell.shown<RecordsTableView>(u"recordsTable"_s);
    ASSERT_TRUE(table);
    emit table->customContextMenuRequested(table->visualRect(table->model()->index(0, 1)).center());
    auto* recordsMenu = shell.shown<QMenu>(u"recordsMenu"_s);
    ASSERT_TRUE(recordsMenu);
    QAction* deleteRecords = recordsMenu->actions().last();
    ASSERT_EQ(deleteRecords->text(), u"Удалить…");

    const QImage mark = deleteJournal->icon().pixmap(16).toImage();
    EXPECT_TRUE(nearly(soleColour(mark), Style::destructive()));
    EXPECT_EQ(deleteRecords->icon().pixmap(16).toImage(), mark);
    for (QMenu* menu : {journalMenu.get(), recordsMenu}) {
        QAction* deletion = menu->actions().last();
        EXPECT_TRUE(deletion->isIconVisibleInMenu());
        menu->adjustSize();
        const QRect entry = menu->actionGeometry(deletion);
        const QImage drawn = menu->grab(entry).toImage();
        int red = 0;
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                red += sameHue(drawn.pixelColor(x, y), Style::destructive());
        EXPECT_GT(red, 10) << "the mark is drawn beside " << deletion->text().toStdString();
    }
    recordsMenu->close();
}

// The selected row's name and its count read on the accent, the count on a deeper shade of it; the
// heading above the rows reads on the sidebar's shade.
TEST(SidebarView, TheSelectedRowReads) {
    const CrispText crisp;
    const Journal journal = named(Templates::blank(), u"Заказы"_s, 18);
    Shell shell({journal});
    auto* list = shell.sidebar()->findChild<QAbstractItemView*>();
    ASSERT_TRUE(list);
    const QRect row = list->visualRect(list->model()->index(0, 0));
    const QImage drawn = list->viewport()->grab().toImage();
    const QRect name(row.left() + 48, row.center().y() - 5, 40, 10);
    const QRect count(row.right() - 34, row.center().y() - 4, 16, 9);
    const QColor accent = list->palette().color(QPalette::Highlight);
    for (const QRect& area : {name, count}) {
        const MeasuredText text = measuredText(drawn, area);
        EXPECT_GE(text.ratio(), Contrast::normalText) << area.x();
        EXPECT_TRUE(sameHue(text.background, accent)) << text.background.name().toStdString();
    }
    QLabel* heading = nullptr;
    for (QLabel* label : shell.sidebar()->findChildren<QLabel*>())
        if (label->text() == u"Журналы"_s)
            heading = label;
    ASSERT_TRUE(heading);
    // The colour the heading's text is handed, which may be translucent, as it shows on what lies under it.
    const QColor under =
        measuredText(shell.sidebar()->grab().toImage(), heading->geometry().adjusted(0, 0, 0, 4)).background;
    EXPECT_GE(Contrast::ratio(heading->palette().color(QPalette::WindowText), under), Contrast::normalText)
        << under.name().toStdString();
}
