#include "RecordFixtures.h"
#include "ShellSamples.h"
#include "TestSupport.h"
#include "app/cells/LinkActions.h"
#include "app/dashboard/DashboardFigures.h"
#include "app/dashboard/TileTexts.h"
#include "app/importing/ImportPreview.h"
#include "app/records/BatchEntry.h"
#include "app/records/FilterBar.h"
#include "app/records/RecordActions.h"
#include "app/settings/SettingsRules.h"
#include "app/shell/ShellRules.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;

// Every text that writes a count writes it in plain digits; the sidebar's badge alone groups them.
TEST(CountTexts, EveryCountInATextIsWrittenInPlainDigits) {
    constexpr int n = 12'000;
    Journal journal = named(journalOf({fieldOf(FieldType::text, u"Город"_s, u"g")}), u"Ж"_s, n);
    journal.itemNoun = defaultItemNoun();
    journal.groupNoun = defaultGroupNoun();
    MetricResult tile;
    tile.metric.kind = MetricKind::count;
    tile.groups = n;
    const struct {
        const char* place;
        QString text;
    } cases[] = {
        {"journal deletion", ShellRules::deleteJournalTitle(journal)},
        {"links to open", LinkActions::confirmationTitle(n)},
        {"dashboard header", Dashboard::countLine(MetricTable(journal))},
        {"tile groups", Dashboard::tileSubtitle(tile, journal)},
        {"import button", Importing::ImportPreview::importButtonTitle(n, journal.itemNoun)},
        {"import done", Importing::ImportPreview::importedMessage(n, journal.itemNoun)},
        {"batch rows", Records::BatchEntry::rowsHeader(n)},
        {"batch summary", Records::BatchEntry::summary(journal, Records::BatchTotals{n, n, true})},
        {"batch save", Records::BatchEntry::saveTitle(journal, n)},
        {"shown line", Records::FilterBar::shownLine(journal, n, n)},
        {"record deletion", Records::RecordActions::deleteTitle(journal, n)},
        {"type change", Settings::SettingsRules::typeChangeMessage({{u"Город"_s}, n}, journal.itemNoun)},
        {"noun form", journal.itemNoun.counted(n)},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(c.text.contains(u"12000"_s)) << c.place << ": " << c.text.toStdString();
    EXPECT_EQ(ShellRules::recordCountBadge(journal), u"12\u00A0000");
}
