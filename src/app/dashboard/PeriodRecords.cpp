#include "app/dashboard/PeriodRecords.h"

using namespace Qt::StringLiterals;

namespace Dashboard {

std::optional<FieldDef> periodDateField(const Journal& journal) {
    if (journal.metrics.isEmpty())
        return std::nullopt;
    const MetricDef& first = journal.metrics.first();
    if (!first.dateFieldID)
        return std::nullopt;
    return journal.field(first.dateFieldID);
}

QString periodRecordsTitle(const FieldDef& field) {
    return u"Записи за период ("_s + field.name.toLower() + u')';
}

RecordFilters periodFilters(const FieldDef& field, const std::optional<DateInterval>& interval,
                            RecordFilters defaults) {
    if (interval) {
        defaults.dateFieldID = field.id;
        defaults.from = interval->start;
        defaults.to = interval->end.addSecs(-1);
    }
    return defaults;
}

} // namespace Dashboard
