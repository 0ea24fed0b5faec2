#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"
#include "core/statistics/MetricTable.h"
#include "core/statistics/ReportPeriod.h"
#include "core/statistics/Statistics.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QUuid>
#include <QVariant>

#include <optional>

namespace Dashboard {

// The period a dashboard shows and the figures it draws from: computed once per redraw and shared by the
// tiles, the report and the breakdown, so they never disagree.

// The settings key under which a journal's dashboard period is kept: "period." and the journal's id text.
QString periodSettingsKey(const QUuid& journalID);
// The period a stored value names; this month for anything else (nothing stored, another spelling).
ReportPeriod storedPeriod(const QVariant& stored);

// The two days of the custom period, as picked; either may be the later one.
struct CustomDates {
    QDateTime start;
    QDateTime end;

    // From the start of the current month to now: what a dashboard starts with.
    static CustomDates initial(const QDateTime& now, const Calendar& calendar);

    bool operator==(const CustomDates&) const = default;
};

struct DashboardFigures {
    std::optional<DateInterval> interval;          // nothing for all time
    QList<MetricResult> results;                   // one per metric, in metric order
    std::optional<QList<MetricResult>> comparison; // the period before; nothing for all time
    QList<BreakdownRow> breakdown;                 // by the field asked for, if one was

    // The value a tile compares with: the comparison result at the same position, if any.
    std::optional<double> previous(qsizetype position) const;
};

// The figures of one redraw from the journal's prepared table: the period's results, the comparison's, and
// the breakdown by the field when one is given.
DashboardFigures computeFigures(MetricTable& table, ReportPeriod period, const CustomDates& custom,
                                const QDateTime& now, const Calendar& calendar,
                                const std::optional<FieldDef>& breakdownBy = std::nullopt);

// "01.03.2026 — 31.03.2026": the first and the last day of the range (its end is the next day's start),
// one date when both are the same day, "Все записи" for all time.
QString periodDescription(const std::optional<DateInterval>& interval, const Calendar& calendar);

// "В журнале: 12 заказов, 5 клиентов": every record of the table's journal whatever the period, and the
// number of groups among them when the journal has group fields.
QString countLine(const MetricTable& table);

} // namespace Dashboard
