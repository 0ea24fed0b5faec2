#include "core/model/DateFormat.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {
const Calendar moscow{zone("Europe/Moscow")};
const Calendar santiago{zone("America/Santiago")};
const Clock midJune2026 = [] { return utc(2026, 6, 15, 12); };
} // namespace

TEST(DateFormat, ShortTextAndParse) {
    EXPECT_EQ(DateFormat::shortText(QDate(12, 11, 30)), u"30.11.0012");
    EXPECT_EQ(DateFormat::shortText(QDateTime()), QString());

    const struct {
        QString in;
        QDate day; // invalid: no date
    } cases[] = {{u" 5.3.2024 \n"_s, {2024, 3, 5}},
                 // Two-digit years fall from 80 years before to 20 years after today.
                 {u"5.3.46"_s, {2046, 3, 5}},
                 {u"5.3.47"_s, {1947, 3, 5}},
                 {u"2024-3-05"_s, {2024, 3, 5}},
                 {u"5/03/2024"_s, {2024, 3, 5}},
                 // A time with an offset is taken on its day in the calendar's zone.
                 {u"2024-03-05T23:30:00+0000"_s, {2024, 3, 6}},
                 {u"2024-03-06T01:00:00+05:00"_s, {2024, 3, 5}},
                 {u"05.03.2024 9:30"_s, {2024, 3, 5}},
                 {u"31.02.2024"_s, {}},
                 {u"5 марта 2024"_s, {}},
                 {u"05.03.024"_s, {}},
                 {u"5/3/24"_s, {}},
                 {u"05.03.0000"_s, {}},
                 // Days whose first instant falls outside the years 1-9999 in UTC could never be saved.
                 {u"01.01.0001"_s, {}},
                 {u"9999-12-31T23:00:00-1800"_s, {}},
                 {u"2024-03-05T14:30:00"_s, {}},
                 {u"１２.03.2024"_s, {}}};
    for (const auto& c : cases) {
        const auto expected = c.day.isValid() ? std::optional(moscow.startOfDay(c.day)) : std::nullopt;
        EXPECT_EQ(DateFormat::parse(c.in, moscow, midJune2026), expected) << c.in.toStdString();
    }
    // Santiago skipped 00:00 on 2024-09-08: the day starts at 01:00.
    EXPECT_EQ(DateFormat::parse(u"08.09.2024", santiago, systemNow), at("America/Santiago", 2024, 9, 8, 1));
    // Samoa skipped 2011-12-30 whole: that day has no first instant to store.
    EXPECT_EQ(DateFormat::parse(u"30.12.2011", Calendar{zone("Pacific/Apia")}, systemNow), std::nullopt);
}
