#include "views/shell/JournalDetailView.h"
#include "ShellFixture.h"
#include "ShellSamples.h"
#include "app/dashboard/DashboardFigures.h"
#include "core/statistics/MetricTable.h"
#include "core/templates/Templates.h"
#include "views/shell/WelcomeView.h"

#include <QFrame>
#include <QLabel>
#include <QToolButton>
#include <QWindow>

using namespace TestSupport;
using namespace Qt::StringLiterals;

// The toolbar's buttons are the menus' commands (tested with the main window); what is the toolbar's own
// is the add button's title and menu, shown as typed, and export only for a journal with records.
TEST(JournalDetailView, ToolbarFollowsTheJournal) {
    Journal sales = named(Templates::sales(), u"Продажи"_s);
    sales.batchTitle = u"Товары & услуги"_s;
    const Journal blank = named(singleEntry(Templates::blank()), u"Свой"_s);
    Shell shell({sales, blank});
    auto* add = shell.shown<QToolButton>(u"addButton"_s);
    auto* exportButton = shell.shown<QToolButton>(u"exportButton"_s);
    ASSERT_TRUE(add && exportButton);
    EXPECT_EQ(drawnText(add->text()), u"Товары & услуги");
    EXPECT_EQ(menuTitles(add->menu()), (QStringList{u"Одна запись…"_s, u"Товары && услуги…"_s}));
    EXPECT_FALSE(exportButton->isEnabled());
    shell.store->addRecords({Record{QUuid::createUuid(), {}, {}, utc(2025, 1, 1), utc(2025, 1, 1)}},
                            sales.id);
    EXPECT_TRUE(exportButton->isEnabled());

    shell.router->setSelectedJournalID(blank.id);
    EXPECT_EQ(add->text(), u"Добавить");
    EXPECT_EQ(menuTitles(add->menu()), (QStringList{u"Одна запись…"_s}));

    // Without a batch title the button shows its symbol alone, not the menu's "…".
    Journal untitled = named(Templates::sales(), u"Без названия"_s);
    untitled.batchTitle.clear();
    shell.store->addJournal(untitled);
    shell.router->setSelectedJournalID(untitled.id);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(add->toolButtonStyle(), Qt::ToolButtonIconOnly);
    EXPECT_EQ(menuTitles(add->menu()), (QStringList{u"Одна запись…"_s, u"…"_s}));
}

// The tab switch stands in the middle of the window at its width, whatever the add button's title, at
// the default and at the least window size; the buttons keep clear of it, with their titles where they fit.
TEST(JournalDetailView, TabSwitchKeepsItsPlaceWhateverTheButtonsTitles) {
    Journal sales = named(Templates::sales(), u"Продажи"_s, 3);
    sales.batchTitle = u"Несколько заказов"_s;
    Journal stock = named(Templates::sales(), u"Склад"_s);
    stock.batchTitle = u"Несколько позиций товара для склада и для витрины"_s;
    const Journal blank = named(singleEntry(Templates::blank()), u"Свой"_s);
    const struct {
        QSize window;
        bool titled; // the default titles shown beside their symbols
    } sizes[] = {{{1440, 860}, true}, {{1050, 680}, false}};
    for (const auto& size : sizes) {
        Shell shell({sales, blank, stock});
        shell.window->resize(size.window);
        for (const Journal& journal : {sales, blank, stock}) {
            SCOPED_TRACE(journal.name.toStdString() + " at " + std::to_string(size.window.width()));
            shell.router->setSelectedJournalID(journal.id);
            QCoreApplication::sendPostedEvents();
            const auto* picker = shell.shown<QFrame>(u"tabPicker"_s);
            const auto* add = shell.shown<QToolButton>(u"addButton"_s);
            const auto* settings = shell.shown<QToolButton>(u"settingsButton"_s);
            ASSERT_TRUE(picker && add && settings);
            const QRect pickerRect(picker->mapTo(shell.window.get(), QPoint()), picker->size());
            EXPECT_EQ(pickerRect.width(), 220);
            EXPECT_NEAR(pickerRect.center().x(), size.window.width() / 2, 1);
            EXPECT_GT(add->mapTo(shell.window.get(), QPoint()).x(), pickerRect.right());
            EXPECT_LE(settings->mapTo(shell.window.get(), QPoint(settings->width(), 0)).x(),
                      size.window.width());
            if (journal.id != stock.id) {
                EXPECT_EQ(add->toolButtonStyle() == Qt::ToolButtonTextBesideIcon, size.titled);
            }
        }
    }
}

TEST(JournalDetailView, TabContentBelongsToOneJournalAndTab) {
    const Journal a = named(Templates::blank(), u"А"_s);
    const Journal b = named(Templates::tasks(), u"Б"_s);
    Shell shell({a, b});
    const auto content = [&] {
        return shell.shown<QWidget>(u"tabContent_"_s + rawValue(shell.router->tab()));
    };
    QPointer<QWidget> first = content();
    ASSERT_TRUE(first);
    EXPECT_TRUE(shell.shown<QToolButton>(u"tab_dashboard"_s)->isChecked());

    // A changed copy of the same journal keeps the content; the window title follows a rename, and shows
    // the name as typed (Qt would drop a "[*]" from it).
    shell.store->renameJournal(a.id, u"А [*] 2"_s, a.icon);
    EXPECT_EQ(content(), first.data());
    EXPECT_EQ(shell.window->windowHandle()->title(), u"А [*] 2");

    shell.shown<QToolButton>(u"tab_records"_s)->click();
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    QPointer<QWidget> records = content();
    ASSERT_TRUE(records);
    EXPECT_NE(records.data(), first.data());

    // Another journal keeps the tab and starts afresh.
    shell.router->setSelectedJournalID(b.id);
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    EXPECT_TRUE(shell.shown<QToolButton>(u"tab_records"_s)->isChecked());
    EXPECT_NE(content(), records.data());
    shell.router->setTab(JournalTab::dashboard);
    EXPECT_TRUE(shell.shown<QToolButton>(u"tab_dashboard"_s)->isChecked());

    // The journal screen leaves while no journal is selected: the same journal comes back afresh.
    QPointer<QWidget> shown = content();
    shell.router->setSelectedJournalID(std::nullopt);
    ASSERT_TRUE(shell.shown<WelcomeView>());
    shell.router->setSelectedJournalID(b.id);
    ASSERT_TRUE(content());
    EXPECT_NE(content(), shown.data());
}

// What the tabs derive from a journal's records is kept while the journal is shown, through tab switches
// and store changes, and let go once another journal is shown; keeping it saves time and memory, which the
// dashboard and memory benchmarks measure. What a user sees of it is always the shown journal's own: its
// figures brought to every change of its records, another journal's figures once that one is shown.
TEST(JournalDetailView, KeepsWhatTheTabsDeriveForTheShownJournalOnly) {
    Journal a = named(Templates::sales(), u"А"_s);
    a.records.append(Record{QUuid::createUuid(), {}, {}, utc(2025, 1, 1), utc(2025, 1, 1)});
    const Journal b = named(Templates::tasks(), u"Б"_s);
    Shell shell({a, b});
    const auto settle = [] { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); };
    // The count line the dashboard shows, and the one of the journal's records as stored now.
    const auto shownCount = [&] {
        const QLabel* line = shell.shown<QLabel>(u"countLine"_s);
        return line ? line->text() : u"(no dashboard)"_s;
    };
    const auto countOf = [&](const QUuid& id) {
        return Dashboard::countLine(MetricTable(*shell.store->journal(id)));
    };
    ASSERT_EQ(shownCount(), countOf(a.id));

    shell.router->setTab(JournalTab::records);
    shell.store->addRecords({Record{QUuid::createUuid(), {}, {}, utc(2025, 1, 2), utc(2025, 1, 2)}}, a.id);
    shell.router->setTab(JournalTab::dashboard);
    settle();
    EXPECT_EQ(shownCount(), countOf(a.id)) << "brought to the journal after the records tab";
    EXPECT_NE(countOf(a.id), Dashboard::countLine(MetricTable(a)));

    shell.router->setSelectedJournalID(b.id);
    settle();
    EXPECT_EQ(shownCount(), countOf(b.id));

    // A journal shown first on the records tab shows its own figures once its dashboard is shown.
    shell.router->setTab(JournalTab::records);
    shell.router->setSelectedJournalID(a.id);
    settle();
    EXPECT_FALSE(shell.shown<QLabel>(u"countLine"_s));
    shell.router->setTab(JournalTab::dashboard);
    EXPECT_EQ(shownCount(), countOf(a.id));
    shell.router->setSelectedJournalID(std::nullopt);
    settle();
    EXPECT_FALSE(shell.shown<QLabel>(u"countLine"_s));
    EXPECT_TRUE(shell.shown<WelcomeView>());
}
