#include "statistics/MetricColumns.h"

#include "journal/ItemLookup.h"
#include "journal/TextNormalizer.h"
#include "model/Ids.h"
#include "statistics/Numbering.h"

#include <QVarLengthArray>

#include <iterator>
#include <limits>

namespace MetricColumns {

namespace {

using Statistics::hashOf;
using Statistics::Numbering;
using Statistics::TextNumbers;

// Numbers each distinct group key: 0, 1, 2 … in the order keys first appear.
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

    qint32 number(const Record& record) {
        if (m_fields.isEmpty())
            return m_keys.number(m_journal.groupKey(record)).first;
        QVarLengthArray<QString, 4> texts;
        std::size_t hash = 0;
        for (const FieldDef& field : m_fields) {
            texts.append(m_journal.displayValue(record, field));
            hash = hash * 31 + hashOf(texts.back());
        }
        const auto width = std::ptrdiff_t(texts.size());
        const qint32 known = m_sets.find(hash, [&](qint32 set) {
            return std::equal(texts.cbegin(), texts.cend(), m_texts.cbegin() + set * width);
        });
        if (known >= 0)
            return m_groupOfSet[std::size_t(known)];
        m_sets.add(hash);
        std::move(texts.begin(), texts.end(), std::back_inserter(m_texts));
        m_groupOfSet.push_back(m_keys.number(m_journal.groupKey(record)).first);
        return m_groupOfSet.back();
    }

    qint32 count() const { return qint32(m_keys.texts().size()); }

private:
    const Journal& m_journal;
    QList<FieldDef> m_fields;         // the fields whose texts make the key
    Numbering m_sets;                 // distinct sets of those texts
    std::vector<QString> m_texts;     // the texts of each set, one after another
    std::vector<qint32> m_groupOfSet; // the group number of each set
    TextNumbers m_keys;
};

// Fills a key column record by record. Texts repeat (a client, a channel), so each distinct display text
// is normalised once.
class KeyReader {
public:
    explicit KeyReader(KeyColumn& column) : m_column(column) {}

    void add(const QString& displayText) {
        const auto [text, newText] = m_displayTexts.number(displayText);
        if (newText) {
            const auto [key, newKey] = m_keys.number(TextNormalizer::compare(displayText));
            if (newKey)
                m_column.titles.append(QString());
            m_keyOfText.push_back(key);
        }
        const qint32 key = m_keyOfText[std::size_t(text)];
        if (m_column.titles[key].isEmpty())
            m_column.titles[key] = displayText;
        m_column.codes.push_back(key);
    }

    // Hands the keys over to the column once every record is read.
    void finish() { m_column.keys = m_keys.texts(); }

private:
    KeyColumn& m_column;
    TextNumbers m_displayTexts;
    std::vector<qint32> m_keyOfText; // by display text number
    TextNumbers m_keys;
};

// The position of the item in the list, appended when it is not there yet.
template <typename T> qint32 positionIn(QList<T>& items, const T& item) {
    qsizetype at = items.indexOf(item);
    if (at < 0) {
        items.append(item);
        at = items.size() - 1;
    }
    return qint32(at);
}

} // namespace

void NumberColumn::append(const std::optional<double>& number) {
    values.push_back(number.value_or(0));
    present.push_back(number.has_value());
}

void MomentColumn::append(const std::optional<QDateTime>& moment) {
    const Moment kind = !moment ? Moment::missing : moment->isValid() ? Moment::valid : Moment::invalid;
    state.push_back(kind);
    msecs.push_back(kind == Moment::valid ? moment->toMSecsSinceEpoch() : 0);
}

Bounds::Bounds(const std::optional<DateInterval>& interval) {
    if (!interval)
        return;
    m_all = false;
    const bool startValid = interval->start.isValid();
    m_endValid = interval->end.isValid();
    m_invalidInside = !startValid && m_endValid;
    m_from = startValid ? interval->start.toMSecsSinceEpoch() : std::numeric_limits<qint64>::min();
    m_end = m_endValid ? interval->end.toMSecsSinceEpoch() : 0;
}

KeyColumn KeyColumn::read(const FieldDef& field, const Journal& journal, const QList<Record>& records) {
    KeyColumn column(field);
    column.codes.reserve(records.size());
    KeyReader reader(column);
    for (const Record& record : records)
        reader.add(journal.displayValue(record, field));
    reader.finish();
    return column;
}

Table::Table(const Journal& journal, const QList<Record>& records, const QList<FieldDef>& keyFields)
    : size(records.size()) {
    // The plans name the columns to read: each distinct status, date key, number key and filter field once.
    QStringList dateKeys, numberKeys;
    QList<FieldDef> keyedFields; // each read by its first entry, by id and type
    for (const MetricDef& metric : journal.metrics) {
        MetricPlan plan;
        plan.kind = metric.kind;
        if (metric.statusFilterID)
            plan.status = positionIn(statusIDs, *metric.statusFilterID);
        if (metric.dateFieldID)
            plan.dates = positionIn(dateKeys, fieldKey(*metric.dateFieldID));
        if (metric.sumFieldID && usesNumberField(metric.kind))
            plan.numbers = positionIn(numberKeys, fieldKey(*metric.sumFieldID));
        if (const auto field = journal.field(metric.filterFieldID);
            field && !metric.filterValue.trimmed().isEmpty()) {
            // A field the journal lists twice under one id is read by its first entry, as Journal::field
            // does.
            plan.filter = positionIn(keyedFields, *field);
        }
        const auto position = [&](const std::optional<QUuid>& id) {
            const MetricDef* operand = id ? firstWithId(journal.metrics, *id) : nullptr;
            return operand ? qint32(operand - journal.metrics.constData()) : -1;
        };
        plan.operandA = position(metric.operandA);
        plan.operandB = position(metric.operandB);
        plans.push_back(plan);
    }

    // One pass reads everything a record holds while its values are in the processor's cache.
    dates.resize(dateKeys.size());
    numbers.resize(numberKeys.size());
    for (const FieldDef& field : keyFields) {
        if (std::none_of(keyedFields.cbegin(), keyedFields.cend(),
                         [&](const FieldDef& f) { return KeyColumn(f).reads(field); }))
            keyedFields.append(field);
    }
    for (const FieldDef& field : keyedFields)
        keys.emplace_back(field);
    std::vector<KeyReader> readers(keys.begin(), keys.end());
    Groups numbering(journal);
    status.reserve(size);
    groups.reserve(size);
    for (const Record& record : records) {
        status.push_back(qint32(record.statusID ? statusIDs.indexOf(*record.statusID) : -1));
        created.append(record.createdAt);
        for (qsizetype d = 0; d < dateKeys.size(); ++d) {
            const FieldValue* value = record.value(dateKeys[d]);
            dates[std::size_t(d)].append(value ? value->date : std::nullopt);
        }
        for (qsizetype n = 0; n < numberKeys.size(); ++n) {
            const FieldValue* value = record.value(numberKeys[n]);
            numbers[std::size_t(n)].append(value ? value->number : std::nullopt);
        }
        for (qsizetype f = 0; f < keyedFields.size(); ++f)
            readers[std::size_t(f)].add(journal.displayValue(record, keyedFields[f]));
        groups.push_back(numbering.number(record));
    }
    for (KeyReader& reader : readers)
        reader.finish();
    groupCount = numbering.count();
    for (std::size_t m = 0; m < plans.size(); ++m) {
        if (plans[m].filter >= 0) {
            const QString key = TextNormalizer::compare(journal.metrics[qsizetype(m)].filterValue);
            plans[m].wanted = qint32(keys[std::size_t(plans[m].filter)].keys.indexOf(key));
        }
    }
}

} // namespace MetricColumns
