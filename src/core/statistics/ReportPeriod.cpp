#include "core/statistics/ReportPeriod.h"

#include "core/model/Model.h"

using namespace Qt::StringLiterals;

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

} // namespace

QString rawValue(ReportPeriod period) {
    switch (period) {
    case ReportPeriod::today:
        return u"today"_s;
    case ReportPeriod::yesterday:
        return u"yesterday"_s;
    case ReportPeriod::thisWeek:
        return u"thisWeek"_s;
    case ReportPeriod::lastWeek:
        return u"lastWeek"_s;
    case ReportPeriod::thisMonth:
        return u"thisMonth"_s;
    case ReportPeriod::lastMonth:
        return u"lastMonth"_s;
    case ReportPeriod::thisYear:
        return u"thisYear"_s;
    case ReportPeriod::allTime:
        return u"allTime"_s;
    case ReportPeriod::custom:
        return u"custom"_s;
    }
    return {};
}

std::optional<ReportPeriod> reportPeriodFromRaw(QStringView text) {
    return caseFromRaw(text, allReportPeriods);
}

QString title(ReportPeriod period) {
    switch (period) {
    case ReportPeriod::today:
        return u"Сегодня"_s;
    case ReportPeriod::yesterday:
        return u"Вчера"_s;
    case ReportPeriod::thisWeek:
        return u"Эта неделя"_s;
    case ReportPeriod::lastWeek:
        return u"Прошлая неделя"_s;
    case ReportPeriod::thisMonth:
        return u"Этот месяц"_s;
    case ReportPeriod::lastMonth:
        return u"Прошлый месяц"_s;
    case ReportPeriod::thisYear:
        return u"Этот год"_s;
    case ReportPeriod::allTime:
        return u"Всё время"_s;
    case ReportPeriod::custom:
        return u"Свой период"_s;
    }
    return {};
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
