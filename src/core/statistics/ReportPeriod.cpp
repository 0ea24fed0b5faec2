#include "core/statistics/ReportPeriod.h"

#include "core/model/EnumTable.h"

namespace {

// The range from the start of one day to the start of another; none when the calendar cannot place
// either day (an invalid date).
std::optional<DateInterval> days(const QDate& first, const QDate& afterLast, const Calendar& calendar) {
    const QDateTime start = calendar.startOfDay(first);
    const QDateTime end = calendar.startOfDay(afterLast);
    if (!start.isValid() || !end.isValid())
        return std::nullopt;
    return DateInterval{start, end};
}

QDate monthStart(const QDate& date) {
    return QDate(date.year(), date.month(), 1);
}
QDate yearStart(const QDate& date) {
    return QDate(date.year(), 1, 1);
}

std::optional<DateInterval> monthOf(const QDate& date, const Calendar& calendar) {
    const QDate first = monthStart(date);
    return days(first, first.addMonths(1), calendar);
}

std::optional<DateInterval> yearOf(const QDate& date, const Calendar& calendar) {
    const QDate first = yearStart(date);
    return days(first, first.addYears(1), calendar);
}

constexpr auto periodRows = std::to_array<EnumRow<ReportPeriod>>({
    {ReportPeriod::today, u"today", u"Сегодня"},
    {ReportPeriod::yesterday, u"yesterday", u"Вчера"},
    {ReportPeriod::thisWeek, u"thisWeek", u"Эта неделя"},
    {ReportPeriod::lastWeek, u"lastWeek", u"Прошлая неделя"},
    {ReportPeriod::thisMonth, u"thisMonth", u"Этот месяц"},
    {ReportPeriod::lastMonth, u"lastMonth", u"Прошлый месяц"},
    {ReportPeriod::thisYear, u"thisYear", u"Этот год"},
    {ReportPeriod::allTime, u"allTime", u"Всё время"},
    {ReportPeriod::custom, u"custom", u"Свой период"},
});
static_assert(EnumTable::inCaseOrder(periodRows) && EnumTable::cases(periodRows) == allReportPeriods);

} // namespace

QString rawValue(ReportPeriod period) {
    return EnumTable::rawValue(periodRows, period);
}

std::optional<ReportPeriod> reportPeriodFromRaw(QStringView text) {
    return EnumTable::fromRaw(periodRows, text);
}

QString title(ReportPeriod period) {
    return EnumTable::title(periodRows, period);
}

std::optional<DateInterval> interval(ReportPeriod period, const QDateTime& now, const QDateTime& customStart,
                                     const QDateTime& customEnd, const Calendar& calendar) {
    const QDate today = calendar.day(now);
    const QDate week = Calendar::weekStart(today);
    switch (period) {
    case ReportPeriod::today:
        return days(today, today.addDays(1), calendar);
    case ReportPeriod::yesterday:
        return days(today.addDays(-1), today, calendar);
    case ReportPeriod::thisWeek:
        return days(week, week.addDays(7), calendar);
    case ReportPeriod::lastWeek:
        return days(week.addDays(-7), week, calendar);
    case ReportPeriod::thisMonth:
        return monthOf(today, calendar);
    case ReportPeriod::lastMonth:
        return monthOf(today.addMonths(-1), calendar);
    case ReportPeriod::thisYear:
        return yearOf(today, calendar);
    case ReportPeriod::allTime:
        return std::nullopt;
    case ReportPeriod::custom: {
        const bool inOrder = customStart <= customEnd;
        const QDate first = calendar.day(inOrder ? customStart : customEnd);
        const QDate last = calendar.day(inOrder ? customEnd : customStart);
        return days(first, last.addDays(1), calendar);
    }
    }
    return std::nullopt;
}

std::optional<DateInterval> previous(const std::optional<DateInterval>& range, const Calendar& calendar) {
    if (!range)
        return std::nullopt;
    const QDate first = calendar.day(range->start);
    if (!first.isValid())
        return std::nullopt;
    if (monthOf(first, calendar) == range)
        return monthOf(first.addMonths(-1), calendar);
    if (yearOf(first, calendar) == range)
        return yearOf(first.addYears(-1), calendar);
    qint64 count = first.daysTo(calendar.day(range->end));
    if (count < 1)
        count = 1;
    return days(first.addDays(-count), first, calendar);
}
