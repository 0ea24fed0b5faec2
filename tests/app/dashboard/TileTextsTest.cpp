#include "app/dashboard/TileTexts.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Dashboard;

TEST(TileTexts, SubtitleAddsGroupsToCountingKindsOfGroupedJournals) {
    Journal grouped = journalOf({fieldOf(FieldType::text, u"Клиент"_s, u"g")});
    grouped.groupNoun = {u"клиент"_s, u"клиента"_s, u"клиентов"_s};
    const Journal ungrouped = journalOf({fieldOf(FieldType::text)});
    const struct {
        const char* name;
        MetricKind kind;
        const char* subtitle;
        qsizetype groups;
        const Journal& journal;
        const char* expected;
    } cases[] = {
        {"count with groups", MetricKind::count, "по оплатам", 2, grouped, "по оплатам · 2 клиента"},
        {"sum, no subtitle", MetricKind::sum, "", 21, grouped, "21 клиент"},
        {"no groups counted", MetricKind::count, "по оплатам", 0, grouped, "по оплатам"},
        {"blanks are a subtitle", MetricKind::count, "  ", 1, grouped, "   · 1 клиент"},
        {"distinct groups never", MetricKind::uniqueGroups, "s", 3, grouped, "s"},
        {"journal without group fields", MetricKind::count, "s", 3, ungrouped, "s"},
    };
    for (const auto& c : cases) {
        MetricDef metric;
        metric.kind = c.kind;
        metric.subtitle = QString::fromUtf8(c.subtitle);
        EXPECT_EQ(tileSubtitle(MetricResult{metric, 1, c.groups}, c.journal), QString::fromUtf8(c.expected))
            << c.name;
    }
}

TEST(TileTexts, ComparisonSignsUnitsAndChangesTooSmallToShow) {
    using Trend = Comparison::Trend;
    const struct {
        const char* name;
        MetricKind kind;
        const char* unit;
        double value, previous;
        Trend trend;
        const char* text;
    } cases[] = {
        {"rise with unit and grouping", MetricKind::sum, "₽", 2500, 1000, Trend::up,
         "+1\u00A0500 ₽ к прошлому периоду"},
        {"fall uses the minus sign", MetricKind::count, "", 3, 5, Trend::down, "\u22122 к прошлому периоду"},
        {"ratio in percent, one decimal", MetricKind::ratio, "шт", 12.34, 10, Trend::up,
         "+2,3 % к прошлому периоду"},
        {"sums of the same amounts differ by float noise", MetricKind::sum, "₽", 0.1 + 0.2, 0.3,
         Trend::same, "как в прошлом периоде"},
        {"ratio below a tenth", MetricKind::ratio, "", 50.04, 50, Trend::same, "как в прошлом периоде"},
        {"fall that rounds to zero", MetricKind::sum, "", 1, 1.004, Trend::same, "как в прошлом периоде"},
    };
    for (const auto& c : cases) {
        MetricDef metric;
        metric.kind = c.kind;
        metric.unit = QString::fromUtf8(c.unit);
        const std::optional<Comparison> result = comparison(c.value, c.previous, metric);
        ASSERT_TRUE(result) << c.name;
        EXPECT_EQ(result->trend, c.trend) << c.name;
        EXPECT_EQ(result->text, QString::fromUtf8(c.text)) << c.name;
    }
}
