#include "AppCommands.h"
#include "AppRouter.h"
#include "ShellSamples.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "store/Store.h"
#include "templates/Templates.h"

#include <QAction>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

struct Commands {
    TempDataFolder folder;
    AppStore store{folder.dataPath(), folder.clock()};
    AppRouter router{folder.clock()};
    int raised = 0;
    AppCommands commands{store, router, [this] { ++raised; }};
};

} // namespace

TEST(AppCommands, JournalCommandsNeedASelectedJournal) {
    Commands c;
    const QList<QAction*> bound{c.commands.primaryAdd(), c.commands.singleRecord(), c.commands.importCSV(),
                                c.commands.exportCSV(), c.commands.journalSettings()};
    const QList<QAction*> free{c.commands.newJournal(), c.commands.dashboardTab(), c.commands.recordsTab()};
    for (QAction* a : bound)
        EXPECT_FALSE(a->isEnabled()) << a->text().toStdString();
    for (QAction* a : free)
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_EQ(c.commands.primaryAdd()->text(), u"Новая запись…");

    Journal sales = Templates::sales();
    sales.batchTitle = u"Несколько записей"_s;
    c.store.addJournal(sales);
    EXPECT_FALSE(c.commands.primaryAdd()->isEnabled()) << "a journal exists but none is selected";
    c.router.setSelectedJournalID(sales.id);
    for (QAction* a : bound)
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_EQ(c.commands.primaryAdd()->text(), u"Несколько записей…");

    c.store.deleteJournal(sales.id);
    EXPECT_FALSE(c.commands.exportCSV()->isEnabled());
    EXPECT_EQ(c.commands.primaryAdd()->text(), u"Новая запись…");
}

TEST(AppCommands, TheBatchTitleIsShownAsTyped) {
    Commands c;
    Journal sales = Templates::sales();
    sales.batchTitle = u"Товары & услуги"_s;
    c.store.addJournal(sales);
    c.router.setSelectedJournalID(sales.id);
    EXPECT_EQ(drawnText(c.commands.primaryAdd()->text()), u"Товары & услуги…");
}

// What each command does is tested through its shortcut on the main window.
TEST(AppCommands, EveryCommandBringsTheWindowForward) {
    Commands c;
    const Journal blank = Templates::blank();
    c.store.addJournal(blank);
    c.router.setSelectedJournalID(blank.id);
    for (QAction* a : {c.commands.primaryAdd(), c.commands.singleRecord(), c.commands.newJournal(),
                       c.commands.importCSV(), c.commands.exportCSV(), c.commands.recordsTab(),
                       c.commands.dashboardTab(), c.commands.journalSettings()})
        a->trigger();
    EXPECT_EQ(c.raised, 8);
}

TEST(AppCommands, AJournalGoneAtTheMomentOfTheActionGetsNothing) {
    Commands c;
    const Journal blank = Templates::blank();
    c.store.addJournal(blank);
    c.router.setSelectedJournalID(blank.id);
    // The menu was built while the journal existed; it goes before the item is
    // chosen.
    QAction* settings = c.commands.journalSettings();
    c.store.setJournals({});
    emit settings->triggered();
    EXPECT_FALSE(c.router.settings());
    EXPECT_EQ(c.raised, 1);
}
