#include "ReportPeriod.h"
#include "TestSupport.h"

using namespace testsupport;

// Found by gtest through argument-dependent lookup, so it lives beside DateInterval.
static void PrintTo(const DateInterval& r, std::ostream* os) {
    *os << "[";
    ::PrintTo(r.start, os);
    *os << ", ";
    ::PrintTo(r.end, os);
    *os << ")";
}

namespace {

// A range of whole days in a calendar's zone: from the start of the first day to the start of `afterLast`.
DateInterval range(const Calendar& cal, QDate first, QDate afterLast) {
    return DateInterval{cal.startOfDay(first), cal.startOfDay(afterLast)};
}

std::optional<DateInterval> rangeOf(ReportPeriod period, const QDateTime& now, const Calendar& cal) {
    return interval(period, now, now, now, cal);
}

} // namespace

TEST(ReportPeriod, StoredTextsAndTitles) {
    const char* titles[] = {"Сегодня",       "Вчера",    "Эта неделя", "Прошлая неделя", "Этот месяц",
                            "Прошлый месяц", "Этот год", "Всё время",  "Свой период"};
    for (std::size_t i = 0; i < allReportPeriods.size(); ++i) {
        const ReportPeriod p = allReportPeriods[i];
        EXPECT_EQ(reportPeriodFromRaw(rawValue(p)), p);
        EXPECT_EQ(title(p), QString::fromUtf8(titles[i]));
    }
    EXPECT_EQ(rawValue(ReportPeriod::thisMonth), u"thisMonth");
    EXPECT_EQ(id(ReportPeriod::allTime), u"allTime");
    EXPECT_FALSE(reportPeriodFromRaw(u""));
    EXPECT_FALSE(reportPeriodFromRaw(u"ThisMonth"));
    EXPECT_FALSE(reportPeriodFromRaw(u"thisMonth "));
}

TEST(ReportPeriod, RangesAroundNow) {
    const Calendar cal{zone("Europe/Moscow")};
    const struct {
        QDateTime now;
        ReportPeriod period;
        QDate first, afterLast;
    } cases[] = {
        // Wednesday 13 March 2024, late in the day.
        {at("Europe/Moscow", 2024, 3, 13, 23, 59, 59), ReportPeriod::today, {2024, 3, 13}, {2024, 3, 14}},
        {at("Europe/Moscow", 2024, 3, 13, 15), ReportPeriod::yesterday, {2024, 3, 12}, {2024, 3, 13}},
        {at("Europe/Moscow", 2024, 3, 13, 15), ReportPeriod::thisWeek, {2024, 3, 11}, {2024, 3, 18}},
        {at("Europe/Moscow", 2024, 3, 13, 15), ReportPeriod::lastWeek, {2024, 3, 4}, {2024, 3, 11}},
        {at("Europe/Moscow", 2024, 3, 13, 15), ReportPeriod::thisMonth, {2024, 3, 1}, {2024, 4, 1}},
        {at("Europe/Moscow", 2024, 3, 13, 15), ReportPeriod::lastMonth, {2024, 2, 1}, {2024, 3, 1}},
        {at("Europe/Moscow", 2024, 3, 13, 15), ReportPeriod::thisYear, {2024, 1, 1}, {2025, 1, 1}},
        // Sunday belongs to the week that began on the Monday six days earlier.
        {at("Europe/Moscow", 2024, 3, 17, 23, 30), ReportPeriod::thisWeek, {2024, 3, 11}, {2024, 3, 18}},
        // Monday just after midnight starts a new week.
        {at("Europe/Moscow", 2024, 3, 18, 0, 0, 1), ReportPeriod::lastWeek, {2024, 3, 11}, {2024, 3, 18}},
        // The 31st of a month: the month before is the short one, not a rolled-over date.
        {at("Europe/Moscow", 2024, 3, 31, 12), ReportPeriod::lastMonth, {2024, 2, 1}, {2024, 3, 1}},
        {at("Europe/Moscow", 2025, 1, 1, 0), ReportPeriod::lastMonth, {2024, 12, 1}, {2025, 1, 1}},
        {at("Europe/Moscow", 2024, 1, 1, 0), ReportPeriod::yesterday, {2023, 12, 31}, {2024, 1, 1}},
        {at("Europe/Moscow", 2024, 2, 29, 12), ReportPeriod::today, {2024, 2, 29}, {2024, 3, 1}},
        {at("Europe/Moscow", 2024, 12, 31, 23), ReportPeriod::thisWeek, {2024, 12, 30}, {2025, 1, 6}},
        // The day of "now" is the day in the calendar's zone, not in UTC.
        {utc(2024, 3, 13, 22, 30), ReportPeriod::today, {2024, 3, 14}, {2024, 3, 15}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(rawValue(c.period).toStdString() + " at " + c.now.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(rangeOf(c.period, c.now, cal), range(cal, c.first, c.afterLast));
    }
    EXPECT_FALSE(rangeOf(ReportPeriod::allTime, utc(2024, 3, 13), cal));
}

TEST(ReportPeriod, CustomCoversBothDaysWhole) {
    const Calendar cal{zone("Europe/Moscow")};
    const QDateTime early = at("Europe/Moscow", 2024, 3, 2, 18, 45);
    const QDateTime late = at("Europe/Moscow", 2024, 3, 5, 9, 10);
    const DateInterval expected = range(cal, {2024, 3, 2}, {2024, 3, 6});
    const QDateTime now = utc(2030, 1, 1);
    EXPECT_EQ(interval(ReportPeriod::custom, now, early, late, cal), expected);
    EXPECT_EQ(interval(ReportPeriod::custom, now, late, early, cal), expected);
    EXPECT_EQ(interval(ReportPeriod::custom, now, late, late, cal), range(cal, {2024, 3, 5}, {2024, 3, 6}));
    // Other periods ignore the custom dates.
    EXPECT_EQ(interval(ReportPeriod::today, now, early, late, cal), range(cal, {2030, 1, 1}, {2030, 1, 2}));
}

TEST(ReportPeriod, ComparisonRanges) {
    const Calendar cal{zone("Europe/Moscow")};
    const struct {
        QDate first, afterLast;         // the shown range
        QDate prevFirst, prevAfterLast; // its comparison range
    } cases[] = {
        {{2024, 3, 13}, {2024, 3, 14}, {2024, 3, 12}, {2024, 3, 13}}, // a day: the day before
        {{2024, 3, 11}, {2024, 3, 18}, {2024, 3, 4}, {2024, 3, 11}},  // a week: the week before
        {{2024, 3, 1}, {2024, 4, 1}, {2024, 2, 1}, {2024, 3, 1}},     // a month: all of February
        {{2023, 3, 1}, {2023, 4, 1}, {2023, 2, 1}, {2023, 3, 1}},     // 28 days in a common year
        {{2025, 1, 1}, {2025, 2, 1}, {2024, 12, 1}, {2025, 1, 1}},    // January: December before
        {{2024, 1, 1}, {2025, 1, 1}, {2023, 1, 1}, {2024, 1, 1}},     // a year: the year before
        {{2024, 3, 2}, {2024, 4, 1}, {2024, 2, 1}, {2024, 3, 2}},     // 30 days: the 30 days before
        {{2024, 2, 1}, {2024, 2, 29}, {2024, 1, 4}, {2024, 2, 1}},    // not the whole leap month: 28 days
        {{2024, 2, 1}, {2024, 3, 1}, {2024, 1, 1}, {2024, 2, 1}},     // the whole leap month
        {{2024, 1, 1}, {2024, 12, 31}, {2023, 1, 1}, {2024, 1, 1}},   // one day short of a year
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.first.toString(Qt::ISODate).toStdString() + ".." +
                     c.afterLast.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(previous(range(cal, c.first, c.afterLast), cal), range(cal, c.prevFirst, c.prevAfterLast));
    }
    EXPECT_FALSE(previous(std::nullopt, cal));

    // A custom period is compared through its range: 1 to 31 March against all of February.
    const auto march = interval(ReportPeriod::custom, utc(2024, 6, 1), at("Europe/Moscow", 2024, 3, 31, 20),
                                at("Europe/Moscow", 2024, 3, 1, 8), cal);
    EXPECT_EQ(previous(march, cal), range(cal, {2024, 2, 1}, {2024, 3, 1}));
    // A range shorter than a day, or one that ends before it starts, still compares with one day.
    const QDateTime noon = at("Europe/Moscow", 2024, 3, 13, 12);
    EXPECT_EQ(previous(DateInterval{noon, noon.addSecs(60)}, cal), range(cal, {2024, 3, 12}, {2024, 3, 13}));
    EXPECT_EQ(previous(DateInterval{noon, noon.addDays(-3)}, cal), range(cal, {2024, 3, 12}, {2024, 3, 13}));
}

TEST(ReportPeriod, DaylightSavingCountsCalendarDays) {
    const Calendar berlin{zone("Europe/Berlin")};
    // The week holding 31 March 2024 (clocks go forward) is one hour short of 7 × 24 hours.
    const auto week = rangeOf(ReportPeriod::thisWeek, at("Europe/Berlin", 2024, 3, 31, 12), berlin);
    ASSERT_TRUE(week);
    EXPECT_EQ(week->start, at("Europe/Berlin", 2024, 3, 25));
    EXPECT_EQ(week->end, at("Europe/Berlin", 2024, 4, 1));
    EXPECT_EQ(week->start.secsTo(week->end), 167 * 3600);
    EXPECT_EQ(previous(week, berlin), range(berlin, {2024, 3, 18}, {2024, 3, 25}));

    // Seven days around 29 March 2026 compare with the seven calendar days before them.
    const auto around = interval(ReportPeriod::custom, utc(2026, 5, 1), at("Europe/Berlin", 2026, 3, 26, 10),
                                 at("Europe/Berlin", 2026, 4, 1, 10), berlin);
    EXPECT_EQ(around, range(berlin, {2026, 3, 26}, {2026, 4, 2}));
    const auto before = previous(around, berlin);
    ASSERT_TRUE(before);
    EXPECT_EQ(before->start, at("Europe/Berlin", 2026, 3, 19));
    EXPECT_EQ(before->end, at("Europe/Berlin", 2026, 3, 26));

    // In Santiago 8 September 2024 has no midnight: the day starts at 01:00.
    const Calendar santiago{zone("America/Santiago")};
    const auto day = rangeOf(ReportPeriod::today, at("America/Santiago", 2024, 9, 8, 12), santiago);
    ASSERT_TRUE(day);
    EXPECT_EQ(day->start, at("America/Santiago", 2024, 9, 8, 1));
    EXPECT_EQ(day->end, at("America/Santiago", 2024, 9, 9));
    EXPECT_EQ(previous(day, santiago), range(santiago, {2024, 9, 7}, {2024, 9, 8}));
}

TEST(DateInterval, HalfOpen) {
    const DateInterval r{utc(2024, 3, 1), utc(2024, 3, 2)};
    EXPECT_TRUE(r.contains(utc(2024, 3, 1)));
    EXPECT_TRUE(r.contains(utc(2024, 3, 1, 23, 59, 59)));
    EXPECT_FALSE(r.contains(utc(2024, 3, 2)));
    EXPECT_FALSE(r.contains(utc(2024, 2, 29, 23, 59, 59)));
}
