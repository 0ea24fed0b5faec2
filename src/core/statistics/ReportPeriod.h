#pragma once

#include "core/model/Calendar.h"

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// A half-open range of instants: a moment d lies in it when start <= d < end. The end is the first
// moment after the range (midnight of the next day), never the last second inside it. Wherever a range
// is optional, an absent one means all time.
struct DateInterval {
    QDateTime start;
    QDateTime end;

    bool contains(const QDateTime& moment) const { return start <= moment && moment < end; }

    bool operator==(const DateInterval&) const = default;
};

// The periods a dashboard reports on, in the order of the period picker.
enum class ReportPeriod {
    today,
    yesterday,
    thisWeek,
    lastWeek,
    thisMonth,
    lastMonth,
    thisYear,
    allTime,
    custom
};

inline constexpr std::array<ReportPeriod, 9> allReportPeriods{
    ReportPeriod::today,    ReportPeriod::yesterday, ReportPeriod::thisWeek,
    ReportPeriod::lastWeek, ReportPeriod::thisMonth, ReportPeriod::lastMonth,
    ReportPeriod::thisYear, ReportPeriod::allTime,   ReportPeriod::custom};

// The stored text of a period: its case name ("thisMonth").
QString rawValue(ReportPeriod period);
// Only the exact case name matches; any other text, "ThisMonth" or "" included, gives nothing.
std::optional<ReportPeriod> reportPeriodFromRaw(QStringView text);
inline QString id(ReportPeriod period) {
    return rawValue(period);
}
// The Russian title shown in the period picker ("Этот месяц").
QString title(ReportPeriod period);

// The range of a period around the current moment, counted in whole calendar days of the calendar's
// time zone. Only the day of `now` matters. The custom dates are read only by the custom period, which
// covers both chosen days whole, in whichever order they were picked. All time has no range.
std::optional<DateInterval> interval(ReportPeriod period, const QDateTime& now, const QDateTime& customStart,
                                     const QDateTime& customEnd, const Calendar& calendar);

// The range a shown range is compared with: the previous calendar month or year when the range is exactly
// one, otherwise as many whole days just before it (at least one). All time has nothing to compare with.
std::optional<DateInterval> previous(const std::optional<DateInterval>& range, const Calendar& calendar);
