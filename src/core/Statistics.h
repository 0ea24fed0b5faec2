#pragma once

#include "Model.h"
#include "ReportPeriod.h"

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

// Figures of a journal: metric values for a date range, their texts, the short report and the breakdown.
// Nothing is cached; every call works from the journal it is given. Absent ranges mean all time.
namespace Statistics {

// The text a metric's value is shown as: ratios in percent with one decimal, averages whole, the rest
// with up to two decimals, followed by the metric's unit.
QString format(double value, const MetricDef& metric);

// The short report of a period: the journal's report template filled with the results, or a summary
// of every metric when the template is blank.
QString report(const Journal& journal, const QList<MetricResult>& results);

// Fills a report template. "{n}" inserts value n (counted from 1); "{n|one|few|many}" inserts the word
// form that fits value n. Anything else stays as written.
QString render(const QString& reportTemplate, const QList<double>& values);

} // namespace Statistics
