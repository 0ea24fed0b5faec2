#include "JournalDetailView.h"
#include "ShellFixture.h"
#include "ShellSamples.h"
#include "cells/Icons.h"
#include "templates/Templates.h"

#include <QAbstractButton>
#include <QToolButton>
#include <QWindow>

using namespace testsupport;
using namespace Qt::StringLiterals;

TEST(JournalDetailView, ToolbarFollowsTheJournal) {
    Journal sales = named(Templates::sales(), u"Продажи"_s);
    sales.batchTitle = u"Несколько записей"_s;
    const Journal blank = named(singleEntry(Templates::blank()), u"Свой"_s);
    Shell shell({sales, blank});
    JournalDetailView* detail = shell.content().detail();

    EXPECT_EQ(detail->addButton()->text(), u"Несколько записей");
    EXPECT_EQ(menuTitles(detail->addMenu()), (QStringList{u"Одна запись…"_s, u"Несколько записей…"_s}));
    EXPECT_FALSE(detail->exportButton()->isEnabled());
    EXPECT_EQ(detail->importButton()->toolTip(), u"Импорт записей из CSV (Ctrl+Shift+I)");
    EXPECT_EQ(detail->addButton()->toolTip(), u"Добавить (Ctrl+N), одну запись — Ctrl+Shift+N");
    EXPECT_EQ(detail->settingsButton()->toolTip(), u"Поля, статусы, показатели и отчёт (Ctrl+Alt+,)");
    detail->addButton()->click();
    ASSERT_TRUE(shell.router->batch());
    shell.router->setBatch(std::nullopt);
    detail->addMenu()->actions().first()->trigger();
    ASSERT_TRUE(shell.router->editor());
    shell.router->setEditor(std::nullopt);

    // One record enables export at once.
    shell.store->addRecords({Record{QUuid::createUuid(), {}, {}, utc(2025, 1, 1), utc(2025, 1, 1)}},
                            sales.id);
    EXPECT_TRUE(detail->exportButton()->isEnabled());

    shell.router->setSelectedJournalID(blank.id);
    EXPECT_EQ(detail->addButton()->text(), u"Добавить");
    EXPECT_EQ(menuTitles(detail->addMenu()), (QStringList{u"Одна запись…"_s}));
    detail->addButton()->click();
    ASSERT_TRUE(shell.router->editor());
    shell.router->setEditor(std::nullopt);

    detail->settingsButton()->click();
    ASSERT_TRUE(shell.router->settings());
    EXPECT_EQ(shell.router->settings()->journalID, blank.id);
    shell.router->setSettings(std::nullopt);
    detail->importButton()->click();
    EXPECT_EQ(shell.router->importTargetID(), blank.id);
    EXPECT_EQ(shell.panels.opens, 1);
    shell.panels.answerOpen(QString());
}

TEST(JournalDetailView, TheBatchTitleIsShownAsTyped) {
    Journal sales = named(Templates::sales(), u"Продажи"_s);
    sales.batchTitle = u"Товары & услуги"_s;
    Shell shell({sales});
    JournalDetailView* detail = shell.content().detail();
    EXPECT_EQ(drawnText(detail->addButton()->text()), u"Товары & услуги");
    EXPECT_EQ(drawnText(detail->addMenu()->actions().last()->text()), u"Товары & услуги…");
}

TEST(JournalDetailView, TabContentBelongsToOneJournalAndTab) {
    const Journal a = named(Templates::blank(), u"А"_s);
    const Journal b = named(Templates::tasks(), u"Б"_s);
    Shell shell({a, b});
    JournalDetailView* detail = shell.content().detail();
    QPointer<QWidget> first = detail->content();
    ASSERT_TRUE(first);
    EXPECT_TRUE(detail->tabButton(JournalTab::dashboard)->isChecked());

    // A changed copy of the same journal keeps the content; the window title follows a rename, and shows
    // the name as typed (Qt would drop a "[*]" from it).
    shell.store->renameJournal(a.id, u"А [*] 2"_s, a.icon);
    EXPECT_EQ(detail->content(), first.data());
    EXPECT_EQ(shell.window->windowHandle()->title(), u"А [*] 2");

    detail->tabButton(JournalTab::records)->click();
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    QPointer<QWidget> records = detail->content();
    EXPECT_NE(records.data(), first.data());
    EXPECT_EQ(records->objectName(), u"tabContent_records");

    // Another journal keeps the tab and starts afresh.
    shell.router->setSelectedJournalID(b.id);
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    EXPECT_NE(detail->content(), records.data());
    EXPECT_TRUE(detail->tabButton(JournalTab::records)->isChecked());

    shell.router->setTab(JournalTab::dashboard);
    EXPECT_TRUE(detail->tabButton(JournalTab::dashboard)->isChecked());
    EXPECT_EQ(detail->content()->objectName(), u"tabContent_dashboard");

    // The journal screen leaves while no journal is selected: the same journal comes back afresh.
    QPointer<QWidget> shown = detail->content();
    shell.router->setSelectedJournalID(std::nullopt);
    ASSERT_TRUE(shell.content().showsWelcome());
    shell.router->setSelectedJournalID(b.id);
    ASSERT_TRUE(detail->content());
    EXPECT_NE(detail->content(), shown.data());
}
