#pragma once

#include "core/model/Model.h"
#include "core/statistics/ReportPeriod.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// The value of one metric of a journal over a date range.
struct MetricResult {
    MetricDef metric; // a copy of the metric's definition
    double value = 0;
    // How many distinct groups the counted records belong to; 0 for formula metrics.
    qsizetype groups = 0;

    QUuid id() const { return metric.id; }

    bool operator==(const MetricResult&) const = default;
};

// One line of the breakdown of a journal's metrics by the values of one field.
struct BreakdownRow {
    QString key;          // comparison key of the field's text shared by the row's records
    QString title;        // the text shown for the row
    QList<double> values; // one value per metric, in the journal's metric order

    const QString& id() const { return key; }

    bool operator==(const BreakdownRow&) const = default;
};

// Figures of a journal: metric values for a date range, their texts, the short report and the breakdown.
// Nothing is kept between calls; every call works from the journal it is given (a MetricTable keeps the
// prepared records for callers that ask again). Absent ranges mean all time.
namespace Statistics {

// The records a metric counts, in their given order: its status filter, its value filter and its period
// (by the metric's date field, or by the creation time when it has none).
QList<Record> records(const MetricDef& metric, const QList<Record>& records,
                      const std::optional<DateInterval>& interval, const Journal& journal);

// The value of a count, distinct-groups, sum or average metric over exactly these records; 0 for formulas.
double value(const MetricDef& metric, const QList<Record>& records, const Journal& journal);

// Every metric of the journal over the range, in metric order, formulas computed from the results before
// them. Given records are used instead of the journal's own.
QList<MetricResult> compute(const Journal& journal, const std::optional<DateInterval>& interval,
                            const std::optional<QList<Record>>& records = std::nullopt);

// The text a metric's value is shown as: ratios in percent with one decimal, averages whole, the rest
// with up to two decimals, followed by the metric's unit. A value past the largest number (a sum of huge
// amounts, or a formula over one) is "—".
QString format(double value, const MetricDef& metric);
// The most fraction digits that text shows.
int fractionDigits(const MetricDef& metric);

// The short report of a period: the journal's report template filled with the results, or a summary
// of every metric when the template is blank.
QString report(const Journal& journal, const QList<MetricResult>& results);

// Fills a report template. "{n}" inserts value n (counted from 1); "{n|one|few|many}" inserts the word
// form that fits value n. Anything else stays as written.
QString render(const QString& reportTemplate, const QList<double>& values);

// The journal's metrics computed separately for the records of each value of the field, biggest first.
QList<BreakdownRow> breakdown(const Journal& journal, const FieldDef& field,
                              const std::optional<DateInterval>& interval);

} // namespace Statistics
