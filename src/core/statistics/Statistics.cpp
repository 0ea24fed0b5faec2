#include "journal/TextNormalizer.h"
#include "statistics/StatisticsPass.h"

#include <QStringList>

#include <algorithm>
#include <map>
#include <vector>

// The records are walked once per call, each record against every metric in turn, so that the values of a
// record are read while they are still in the processor's cache: with tens of thousands of records the
// cost is memory traffic, not arithmetic. Each record's group key is made at most once per call, and each
// distinct display text of a filter field is normalised once per call (texts repeat: a client, a channel).
// Within a metric the cheap filters (status, period) run before the value filter; the filters are
// independent, so their order does not change which records pass.

namespace {

using Statistics::Hashed;
using Statistics::TextTable;
using Rows = std::vector<const Record*>;

// Comparison keys of display texts already met in this call, per field. Filters keep pointers into it,
// so it must never move its tables: a node-based map.
using KeyCache = std::map<QUuid, TextTable<QString, QString>>;

// A metric's three filters, prepared once per call.
class Filter {
public:
    Filter(const MetricDef& metric, const Journal& journal, const std::optional<DateInterval>& interval,
           KeyCache& cache)
        : m_journal(journal), m_status(metric.statusFilterID), m_interval(interval) {
        if (metric.dateFieldID)
            m_dateKey = idText(*metric.dateFieldID);
        if (const auto field = journal.field(metric.filterFieldID);
            field && !metric.filterValue.trimmed().isEmpty()) {
            m_valueField = *field;
            m_valueKey = TextNormalizer::compare(metric.filterValue);
            m_keyOfText = &cache[field->id];
        }
    }

    bool passes(const Record& record) const {
        if (m_status && record.statusID != m_status)
            return false;
        if (m_dateKey) {
            // Placed by its date in the metric's date field: a record without one never counts.
            const FieldValue* value = record.value(*m_dateKey);
            if (!value || !value->date || (m_interval && !m_interval->contains(*value->date)))
                return false;
        } else if (m_interval && !m_interval->contains(record.createdAt)) {
            return false;
        }
        return !m_valueField || comparisonKey(record) == m_valueKey;
    }

private:
    const QString& comparisonKey(const Record& record) const {
        Hashed<QString> key(m_journal.displayValue(record, *m_valueField));
        auto it = m_keyOfText->find(key);
        if (it == m_keyOfText->end())
            it = m_keyOfText->emplace(key, TextNormalizer::compare(key.text)).first;
        return it->second;
    }

    const Journal& m_journal;
    std::optional<QUuid> m_status;
    const std::optional<DateInterval>& m_interval;
    std::optional<QString> m_dateKey;
    std::optional<FieldDef> m_valueField;
    QString m_valueKey;
    TextTable<QString, QString>* m_keyOfText = nullptr;
};

// Numbers each distinct group key met in this call: 0, 1, 2 …
// A group key is made from the display texts of the group fields and of the title field alone (or from
// the record's id when no field is a group field). Records repeat those texts (the same client, the same
// product), so the key is made once per distinct set of texts; normalising texts is what costs.
class Groups {
public:
    explicit Groups(const Journal& journal) : m_journal(journal), m_fields(journal.groupFields()) {
        const auto title = journal.titleField();
        // The key reads the title field itself unless that field is a group field; a group field that
        // merely shares its id (a hand-edited file) may read the value by another type.
        if (!m_fields.isEmpty() && title && !title->inGroup)
            m_fields.append(*title);
    }

    qsizetype number(const Record& record) {
        if (m_fields.isEmpty())
            return numberOfKey(m_journal.groupKey(record));
        QStringList texts;
        texts.reserve(m_fields.size());
        for (const FieldDef& field : m_fields)
            texts.append(m_journal.displayValue(record, field));
        const Hashed<QStringList> key(std::move(texts));
        auto it = m_numberOfTexts.find(key);
        if (it == m_numberOfTexts.end())
            it = m_numberOfTexts.emplace(key, numberOfKey(m_journal.groupKey(record))).first;
        return it->second;
    }

private:
    qsizetype numberOfKey(const QString& key) {
        const auto [it, added] = m_numbers.try_emplace(Hashed<QString>(key), qsizetype(m_numbers.size()));
        return it->second;
    }

    const Journal& m_journal;
    QList<FieldDef> m_fields; // the fields whose texts make the key
    TextTable<QStringList, qsizetype> m_numberOfTexts;
    TextTable<QString, qsizetype> m_numbers;
};

// The running value of one metric over the records it counts.
class Tally {
public:
    explicit Tally(const MetricDef& metric) : m_kind(metric.kind) {
        if (metric.sumFieldID)
            m_sumKey = idText(*metric.sumFieldID);
    }

    void add(const Record& record, qsizetype group) {
        ++m_count;
        if (group >= qsizetype(m_seen.size()))
            m_seen.resize(group + 1);
        if (!m_seen[group]) {
            m_seen[group] = true;
            ++m_groups;
        }
        if (m_sumKey) {
            const FieldValue* value = record.value(*m_sumKey);
            if (value && value->number) {
                m_total += *value->number;
                ++m_numbers;
            }
        }
    }

    qsizetype groups() const { return m_groups; }

    double value() const {
        switch (m_kind) {
        case MetricKind::count:
            return double(m_count);
        case MetricKind::uniqueGroups:
            return double(m_groups);
        case MetricKind::sum:
            return m_total;
        case MetricKind::average:
            return m_numbers == 0 ? 0 : m_total / double(m_numbers);
        case MetricKind::difference:
        case MetricKind::ratio:
            return 0;
        }
        return 0;
    }

private:
    MetricKind m_kind;
    std::optional<QString> m_sumKey;
    qsizetype m_count = 0;
    double m_total = 0;      // of the numbers in the sum field; absent numbers add nothing
    qsizetype m_numbers = 0; // how many records had one
    std::vector<bool> m_seen;
    qsizetype m_groups = 0;
};

Rows rowsOf(const QList<Record>& records) {
    Rows rows;
    rows.reserve(records.size());
    for (const Record& r : records)
        rows.push_back(&r);
    return rows;
}

// The value of the first result, from the start of the list, computed for the metric with this id.
double operand(const QList<MetricResult>& results, const std::optional<QUuid>& id) {
    if (!id)
        return 0;
    for (const MetricResult& r : results) {
        if (r.metric.id == *id)
            return r.value;
    }
    return 0;
}

} // namespace

namespace Statistics {

QList<MetricResult> computeOver(const Journal& journal, const std::optional<DateInterval>& interval,
                                const Rows& rows) {
    KeyCache cache;
    std::vector<qsizetype> counted; // positions in journal.metrics of the metrics that count records
    std::vector<Filter> filters;
    std::vector<Tally> tallies;
    for (qsizetype m = 0; m < journal.metrics.size(); ++m) {
        const MetricDef& metric = journal.metrics[m];
        if (isFormula(metric.kind))
            continue;
        counted.push_back(m);
        filters.emplace_back(metric, journal, interval, cache);
        tallies.emplace_back(metric);
    }
    Groups groups(journal);
    for (const Record* record : rows) {
        qsizetype group = -1;
        for (std::size_t k = 0; k < counted.size(); ++k) {
            if (!filters[k].passes(*record))
                continue;
            if (group < 0)
                group = groups.number(*record);
            tallies[k].add(*record, group);
        }
    }

    QList<MetricResult> results;
    results.reserve(journal.metrics.size());
    for (const MetricDef& metric : journal.metrics)
        results.append(MetricResult{metric, 0, 0});
    for (std::size_t k = 0; k < counted.size(); ++k) {
        results[counted[k]].value = tallies[k].value();
        results[counted[k]].groups = tallies[k].groups();
    }
    // Formulas read the results as they stand: a formula before this one has its final value already,
    // a later one (or this one itself) still reads 0.
    for (MetricResult& result : results) {
        const MetricKind kind = result.metric.kind;
        if (!isFormula(kind))
            continue;
        const double a = operand(results, result.metric.operandA);
        const double b = operand(results, result.metric.operandB);
        if (kind == MetricKind::difference)
            result.value = a - b;
        else
            result.value = b != 0 ? a / b * 100 : 0;
    }
    return results;
}

QList<Record> records(const MetricDef& metric, const QList<Record>& records,
                      const std::optional<DateInterval>& interval, const Journal& journal) {
    KeyCache cache;
    const Filter filter(metric, journal, interval, cache);
    QList<Record> kept;
    for (const Record& record : records) {
        if (filter.passes(record))
            kept.append(record);
    }
    return kept;
}

double value(const MetricDef& metric, const QList<Record>& records, const Journal& journal) {
    if (isFormula(metric.kind))
        return 0;
    Groups groups(journal);
    Tally tally(metric);
    for (const Record& record : records)
        tally.add(record, metric.kind == MetricKind::uniqueGroups ? groups.number(record) : 0);
    return tally.value();
}

QList<MetricResult> compute(const Journal& journal, const std::optional<DateInterval>& interval,
                            const std::optional<QList<Record>>& records) {
    return computeOver(journal, interval, rowsOf(records ? *records : journal.records));
}

} // namespace Statistics
