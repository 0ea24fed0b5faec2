#include "core/statistics/ReportPeriod.h"
#include "TestSupport.h"

using namespace TestSupport;

// Found by gtest through argument-dependent lookup, so it lives beside DateInterval.
static void PrintTo(const DateInterval& r, std::ostream* os) {
    ::PrintTo(r.start, os);
    *os << " .. ";
    ::PrintTo(r.end, os);
}

namespace {

const Calendar moscow{zone("Europe/Moscow")};

// Whole days in a calendar's zone: from the start of `first` to the start of `afterLast`.
DateInterval days(QDate first, QDate afterLast, const Calendar& cal = moscow) {
    return DateInterval{cal.startOfDay(first), cal.startOfDay(afterLast)};
}

} // namespace

TEST(ReportPeriod, RangesAroundNow) {
    const auto msk = [](int y, int m, int d, int h = 0) { return at("Europe/Moscow", y, m, d, h); };
    const QDateTime wednesday = at("Europe/Moscow", 2024, 3, 13, 23, 59, 59);
    using enum ReportPeriod;
    const struct {
        QDateTime now;
        ReportPeriod period;
        QDate first, afterLast;
    } cases[] = {
        {wednesday, today, {2024, 3, 13}, {2024, 3, 14}},
        {wednesday, yesterday, {2024, 3, 12}, {2024, 3, 13}},
        {wednesday, thisWeek, {2024, 3, 11}, {2024, 3, 18}},
        {wednesday, lastWeek, {2024, 3, 4}, {2024, 3, 11}},
        {wednesday, thisMonth, {2024, 3, 1}, {2024, 4, 1}},
        {wednesday, lastMonth, {2024, 2, 1}, {2024, 3, 1}},
        {wednesday, thisYear, {2024, 1, 1}, {2025, 1, 1}},
        {msk(2024, 3, 17, 23), thisWeek, {2024, 3, 11}, {2024, 3, 18}}, // Sunday
        {msk(2024, 3, 31, 12), lastMonth, {2024, 2, 1}, {2024, 3, 1}},  // no roll-over
        {msk(2025, 1, 1), lastMonth, {2024, 12, 1}, {2025, 1, 1}},
        {msk(2024, 12, 31, 23), thisWeek, {2024, 12, 30}, {2025, 1, 6}},
        {utc(2024, 3, 13, 22, 30), today, {2024, 3, 14}, {2024, 3, 15}}, // the zone's day
    };
    for (const auto& c : cases)
        EXPECT_EQ(interval(c.period, c.now, c.now, c.now, moscow), days(c.first, c.afterLast))
            << rawValue(c.period).toStdString() << " at " << c.now.toString(Qt::ISODate).toStdString();
    EXPECT_FALSE(interval(allTime, wednesday, wednesday, wednesday, moscow));

    // Both custom days count whole, in either order; other periods ignore the custom dates.
    const QDateTime early = at("Europe/Moscow", 2024, 3, 2, 18, 45), late = msk(2024, 3, 5, 9);
    EXPECT_EQ(interval(custom, wednesday, late, early, moscow), days({2024, 3, 2}, {2024, 3, 6}));
    EXPECT_EQ(interval(custom, wednesday, late, late, moscow), days({2024, 3, 5}, {2024, 3, 6}));
    EXPECT_EQ(interval(today, wednesday, early, late, moscow), days({2024, 3, 13}, {2024, 3, 14}));
}

TEST(ReportPeriod, ComparisonRanges) {
    const struct {
        QDate first, afterLast, prevFirst, prevAfterLast;
    } cases[] = {
        {{2024, 3, 13}, {2024, 3, 14}, {2024, 3, 12}, {2024, 3, 13}}, // a day: the day before
        {{2024, 3, 11}, {2024, 3, 18}, {2024, 3, 4}, {2024, 3, 11}},  // a week: the week before
        {{2024, 3, 1}, {2024, 4, 1}, {2024, 2, 1}, {2024, 3, 1}},     // a month: the whole month before
        {{2025, 1, 1}, {2025, 2, 1}, {2024, 12, 1}, {2025, 1, 1}},
        {{2024, 1, 1}, {2025, 1, 1}, {2023, 1, 1}, {2024, 1, 1}},   // a year: the year before
        {{2024, 3, 2}, {2024, 4, 1}, {2024, 2, 1}, {2024, 3, 2}},   // 30 days: the 30 days before
        {{2024, 2, 1}, {2024, 2, 29}, {2024, 1, 4}, {2024, 2, 1}},  // not the whole leap month
        {{2024, 1, 1}, {2024, 12, 31}, {2023, 1, 1}, {2024, 1, 1}}, // a day short of a year
    };
    for (const auto& c : cases)
        EXPECT_EQ(previous(days(c.first, c.afterLast), moscow), days(c.prevFirst, c.prevAfterLast))
            << c.first.toString(Qt::ISODate).toStdString();
    EXPECT_FALSE(previous(std::nullopt, moscow));
    // Shorter than a day, or ending before it starts: still the day before.
    const QDateTime noon = at("Europe/Moscow", 2024, 3, 13, 12);
    EXPECT_EQ(previous(DateInterval{noon, noon.addSecs(60)}, moscow), days({2024, 3, 12}, {2024, 3, 13}));
    EXPECT_EQ(previous(DateInterval{noon, noon.addDays(-3)}, moscow), days({2024, 3, 12}, {2024, 3, 13}));
}

TEST(ReportPeriod, DaylightSavingCountsCalendarDays) {
    const Calendar berlin{zone("Europe/Berlin")};
    const auto week = interval(ReportPeriod::thisWeek, at("Europe/Berlin", 2024, 3, 31, 12), {}, {}, berlin);
    ASSERT_TRUE(week);
    EXPECT_EQ(week->start, at("Europe/Berlin", 2024, 3, 25));
    EXPECT_EQ(week->start.secsTo(week->end), 167 * 3600); // clocks go forward on the Sunday
    EXPECT_EQ(previous(week, berlin), days({2024, 3, 18}, {2024, 3, 25}, berlin));

    // 8 September 2024 has no midnight in Santiago: the day starts at 01:00.
    const Calendar santiago{zone("America/Santiago")};
    const auto day = interval(ReportPeriod::today, at("America/Santiago", 2024, 9, 8, 12), {}, {}, santiago);
    ASSERT_TRUE(day);
    EXPECT_EQ(day->start, at("America/Santiago", 2024, 9, 8, 1));
    EXPECT_EQ(previous(day, santiago), days({2024, 9, 7}, {2024, 9, 8}, santiago));
}
