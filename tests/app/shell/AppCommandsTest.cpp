#include "app/shell/AppCommands.h"
#include "ShellSamples.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"

#include <QAction>

using namespace TestSupport;
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

    // The batch title is data: an "&" in it is shown, not taken for the mark of an Alt key.
    Journal sales = Templates::sales();
    sales.batchTitle = u"Товары & услуги"_s;
    c.store.addJournal(sales);
    EXPECT_FALSE(c.commands.primaryAdd()->isEnabled()) << "a journal exists but none is selected";
    c.router.setSelectedJournalID(sales.id);
    for (QAction* a : bound)
        EXPECT_TRUE(a->isEnabled()) << a->text().toStdString();
    EXPECT_EQ(drawnText(c.commands.primaryAdd()->text()), u"Товары & услуги…");

    c.store.deleteJournal(sales.id);
    EXPECT_FALSE(c.commands.exportCSV()->isEnabled());
}

// What each command does, the user meets through its key in the journeys; each brings the window
// forward first, and one acting on a journal gone meanwhile does nothing else.
TEST(AppCommands, EveryCommandBringsTheWindowForward) {
    Commands c;
    const Journal blank = Templates::blank();
    c.store.addJournal(blank);
    c.router.setSelectedJournalID(blank.id);
    for (QAction* a :
         {c.commands.primaryAdd(), c.commands.singleRecord(), c.commands.newJournal(), c.commands.importCSV(),
          c.commands.exportCSV(), c.commands.recordsTab(), c.commands.dashboardTab()})
        a->trigger();
    EXPECT_EQ(c.raised, 7);

    // The menu was built while the journal existed; it goes before the item is chosen.
    QAction* settings = c.commands.journalSettings();
    c.store.setJournals({});
    emit settings->triggered();
    EXPECT_FALSE(c.router.settings());
    EXPECT_EQ(c.raised, 8);
}

// While a sidebar row's menu exists, the commands it shares with the menu bar work on its journal and show
// its titles; a menu opened on another row takes them over; once no menu exists they work on the selected
// journal again, under the menu bar's titles.
TEST(AppCommands, ARowMenuAimsItsCommandsWhileItExists) {
    Commands c;
    const Journal selected = named(Templates::blank(), u"А"_s);
    const Journal first = named(Templates::blank(), u"Б"_s);
    const Journal second = named(Templates::blank(), u"В"_s);
    c.store.setJournals({selected, first, second});
    c.router.setSelectedJournalID(selected.id);
    QAction* settings = c.commands.journalSettings();
    QAction* exportCommand = c.commands.exportCSV();
    auto firstMenu = std::make_unique<QObject>();
    auto secondMenu = std::make_unique<QObject>();
    const struct {
        const char* step;
        std::function<void()> act;
        QUuid target;
        QString exportTitle;
    } steps[] = {
        {"a menu on a row",
         [&] {
             EXPECT_EQ(c.commands.journalMenu(first.id, firstMenu.get()).mid(0, 2),
                       (QList<QAction*>{settings, exportCommand}));
         },
         first.id, u"Экспорт в CSV…"_s},
        {"a menu on another row", [&] { c.commands.journalMenu(second.id, secondMenu.get()); }, second.id,
         u"Экспорт в CSV…"_s},
        {"the first menu gone", [&] { firstMenu.reset(); }, second.id, u"Экспорт в CSV…"_s},
        {"no menu", [&] { secondMenu.reset(); }, selected.id, u"Экспорт журнала в CSV…"_s},
    };
    for (const auto& s : steps) {
        s.act();
        EXPECT_EQ(exportCommand->text(), s.exportTitle) << s.step;
        settings->trigger();
        ASSERT_TRUE(c.router.settings()) << s.step;
        EXPECT_EQ(c.router.settings()->journalID, s.target) << s.step;
    }
}
