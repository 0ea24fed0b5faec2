#include "core/model/EnumTable.h"
#include "core/journal/RecordFilters.h"
#include "core/model/Model.h"
#include "core/statistics/ReportPeriod.h"

using namespace Qt::StringLiterals;

namespace {

enum class Shade { light, dark };

// Rows out of the enum's order would give every case another case's texts.
constexpr auto swapped =
    std::to_array<EnumRow<Shade>>({{Shade::dark, u"dark", u""}, {Shade::light, u"light", u""}});
constexpr auto ordered =
    std::to_array<EnumRow<Shade>>({{Shade::light, u"light", u"Светлый"}, {Shade::dark, u"dark", u""}});
static_assert(!EnumTable::inCaseOrder(swapped) && EnumTable::inCaseOrder(ordered));

// Every text function of an enum, for one value: "raw|title" (and "|symbol" where there is one).
template <typename Enum> QString textsOf(Enum value) {
    return rawValue(value) + u'|' + title(value);
}

} // namespace

TEST(EnumTable, TextsOfEachCaseAndNoneOutsideTheCases) {
    const struct {
        const char* what;
        QString inRange;    // texts of one case
        QString outOfRange; // texts of numbers cast to the enum past either end
        QString expected;
    } cases[] = {
        {"field type", textsOf(FieldType::checkbox) + u'|' + symbol(FieldType::checkbox),
         textsOf(static_cast<FieldType>(7)) + symbol(static_cast<FieldType>(-1)) +
             textsOf(static_cast<FieldType>(-1)),
         u"checkbox|Флажок (да/нет)|checkmark.square"_s},
        {"metric kind", textsOf(MetricKind::difference),
         textsOf(static_cast<MetricKind>(6)) + textsOf(static_cast<MetricKind>(-1)),
         u"difference|Разница показателей: А \u2212 Б (прибыль, остаток)"_s},
        {"colour", textsOf(AppColor::red),
         textsOf(static_cast<AppColor>(10)) + textsOf(static_cast<AppColor>(1000)), u"red|Красный"_s},
        {"period", textsOf(ReportPeriod::custom),
         textsOf(static_cast<ReportPeriod>(9)) + textsOf(static_cast<ReportPeriod>(-7)),
         u"custom|Свой период"_s},
        {"link filter", textsOf(RecordFilters::LinkFilter::without),
         textsOf(static_cast<RecordFilters::LinkFilter>(3)) +
             textsOf(static_cast<RecordFilters::LinkFilter>(-1)),
         u"without|Без ссылки"_s},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.inRange, c.expected) << c.what;
        EXPECT_EQ(c.outOfRange, u"||"_s) << c.what;
    }
    EXPECT_EQ(id(static_cast<AppColor>(-1)), QString());
    EXPECT_FALSE(reportPeriodFromRaw(u"") || linkFilterFromRaw(u"With") ||
                 reportPeriodFromRaw(u"thisMonth "));
    EXPECT_EQ(reportPeriodFromRaw(u"lastWeek"), ReportPeriod::lastWeek);
    EXPECT_EQ(linkFilterFromRaw(u"without"), RecordFilters::LinkFilter::without);
}
