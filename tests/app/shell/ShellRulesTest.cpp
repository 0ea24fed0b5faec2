#include "app/shell/ShellRules.h"
#include "ShellSamples.h"
#include "TestSupport.h"
#include "app/AddTitles.h"
#include "core/templates/Templates.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;

TEST(ShellRules, SelectionRepair) {
    const Journal a = Templates::blank();
    const Journal b = Templates::tasks();
    const QUuid gone = QUuid::createUuid();
    const struct {
        const char* name;
        QList<Journal> journals;
        std::optional<QUuid> selected;
        std::optional<QUuid> expected;
    } cases[] = {
        {"no journals, nothing selected", {}, std::nullopt, std::nullopt},
        {"no journals, stale id", {}, gone, std::nullopt},
        {"nothing selected takes the first", {a, b}, std::nullopt, a.id},
        {"existing selection stays", {a, b}, b.id, b.id},
        {"deleted selection takes the first", {a, b}, gone, a.id},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShellRules::repairedSelection(c.journals, c.selected), c.expected) << c.name;
}

TEST(ShellRules, RecordCountBadgeGroupsThousands) {
    const struct {
        int records;
        QString badge;
    } cases[] = {{0, u""_s}, {7, u"7"_s}, {10'000, u"10\u00A0000"_s}};
    for (const auto& c : cases)
        EXPECT_EQ(ShellRules::recordCountBadge(named(Templates::blank(), u"Ж"_s, c.records)), c.badge)
            << c.records;
}

TEST(ShellRules, DeleteTitleCountsWithTheJournalsNoun) {
    Journal journal = Templates::blank();
    journal.itemNoun = NounForms{u"товар"_s, u"товара"_s, u"товаров"_s};
    EXPECT_EQ(ShellRules::deleteJournalTitle(named(journal, u"Склад"_s, 22)),
              u"Удалить журнал «Склад» (22 товара)?");
    EXPECT_EQ(ShellRules::deleteJournalTitle(std::nullopt), u"Удалить журнал?");
}

TEST(ShellRules, AddTitlesFollowPerItemFields) {
    Journal batch = Templates::sales();
    batch.batchTitle = u"Несколько записей"_s;
    const Journal single = singleEntry(Templates::blank());
    EXPECT_EQ(primaryAddCommandTitle(batch), u"Несколько записей…");
    EXPECT_EQ(primaryAddCommandTitle(single), u"Новая запись…");
    EXPECT_EQ(primaryAddCommandTitle(std::nullopt), u"Новая запись…");
    EXPECT_EQ(addButtonTitle(batch), u"Несколько записей");
    EXPECT_EQ(addButtonTitle(single), u"Добавить");
    EXPECT_EQ(newRecordsButtonTitle(batch), u"Несколько записей");
    EXPECT_EQ(newRecordsButtonTitle(single), u"Новая запись");
    batch.batchTitle.clear();
    EXPECT_EQ(primaryAddCommandTitle(batch), u"…");
}
