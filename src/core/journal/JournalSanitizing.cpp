// Journal: sanitising.
#include "core/model/IdsInOrder.h"
#include "core/model/Model.h"

namespace {

QSet<QUuid> idsOf(const auto& items) {
    const QList<QUuid> ids = idsInOrder(items);
    return QSet<QUuid>(ids.cbegin(), ids.cend());
}

void keepIfIn(std::optional<QUuid>& reference, const QSet<QUuid>& ids) {
    if (reference && !ids.contains(*reference))
        reference.reset();
}

} // namespace

Journal Journal::sanitized() const {
    const QSet<QUuid> fieldIDs = idsOf(fields);
    const QSet<QUuid> dateIDs = idsOf(dateFields());
    const QSet<QUuid> numberIDs = idsOf(numberFields());
    const QSet<QUuid> statusIDs = idsOf(statuses);
    const QSet<QUuid> metricIDs = idsOf(metrics);
    // Value keys are nearly always canonical id text: those are found without parsing.
    QSet<QString> fieldKeys;
    fieldKeys.reserve(fields.size());
    for (const FieldDef& f : fields)
        fieldKeys.insert(idText(f.id));

    Journal out = *this;
    for (StatusDef& s : out.statuses)
        keepIfIn(s.dateFieldID, dateIDs);
    for (MetricDef& m : out.metrics) {
        keepIfIn(m.dateFieldID, dateIDs);
        keepIfIn(m.sumFieldID, numberIDs);
        keepIfIn(m.filterFieldID, fieldIDs);
        keepIfIn(m.statusFilterID, statusIDs);
        // An operand is another metric: never the metric itself.
        for (std::optional<QUuid>* operand : {&m.operandA, &m.operandB}) {
            if (*operand && (**operand == m.id || !metricIDs.contains(**operand)))
                operand->reset();
        }
        if (usesNumberField(m.kind) && !m.sumFieldID)
            m.kind = MetricKind::count;
    }
    keepIfIn(out.titleFieldID, fieldIDs);
    keepIfIn(out.counterFieldID, numberIDs);
    keepIfIn(out.filterFieldID, fieldIDs);
    keepIfIn(out.breakdownFieldID, fieldIDs);
    keepIfIn(out.defaultStatusID, statusIDs);

    const auto isFieldKey = [&](const QString& key) {
        if (fieldKeys.contains(key))
            return true;
        const std::optional<QUuid> id = parseId(key);
        return id && fieldIDs.contains(*id);
    };
    for (qsizetype i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const bool danglingStatus = r.statusID && !statusIDs.contains(*r.statusID);
        bool strayValues = false;
        for (auto it = r.values.cbegin(); it != r.values.cend() && !strayValues; ++it)
            strayValues = !isFieldKey(it.key());
        if (!danglingStatus && !strayValues)
            continue;
        Record& w = out.records[i];
        if (danglingStatus)
            w.statusID.reset();
        if (strayValues)
            w.values.removeIf([&](const auto& entry) { return !isFieldKey(entry.key()); });
    }
    return out;
}
