#include "core/statistics/Statistics.h"

#include "core/statistics/MetricTable.h"

// Every figure goes through one MetricTable, so a metric counts the same records however it is asked for.

namespace Statistics {

QList<Record> records(const MetricDef& metric, const QList<Record>& records,
                      const std::optional<DateInterval>& interval, const Journal& journal) {
    Journal alone = journal;
    alone.metrics = {metric};
    return MetricTable(alone, records, {}).records(0, interval);
}

double value(const MetricDef& metric, const QList<Record>& records, const Journal& journal) {
    if (isFormula(metric.kind))
        return 0;
    // Without its filters and range the metric counts every record it is given.
    MetricDef unfiltered = metric;
    unfiltered.statusFilterID.reset();
    unfiltered.filterFieldID.reset();
    unfiltered.dateFieldID.reset();
    Journal alone = journal;
    alone.metrics = {unfiltered};
    return MetricTable(alone, records, {}).compute(std::nullopt).value(0).value;
}

QList<MetricResult> compute(const Journal& journal, const std::optional<DateInterval>& interval,
                            const std::optional<QList<Record>>& records) {
    return MetricTable(journal, records ? *records : journal.records, {}).compute(interval);
}

QList<BreakdownRow> breakdown(const Journal& journal, const FieldDef& field,
                              const std::optional<DateInterval>& interval) {
    return MetricTable(journal, {field}).breakdown(field, interval);
}

} // namespace Statistics
