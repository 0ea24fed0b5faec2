#include "core/statistics/MetricColumns.h"

#include "core/journal/ItemLookup.h"
#include "core/journal/TextNormalizer.h"
#include "core/model/FieldKey.h"
#include "core/statistics/Numbering.h"

#include <QVarLengthArray>

#include <algorithm>

#include <iterator>
#include <limits>

using namespace Qt::StringLiterals;

namespace MetricColumns {

namespace {

using Statistics::hashOf;
using Statistics::Numbering;

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

// Numbers each distinct group key: 0, 1, 2 … in the order keys first appear.
// A group key is made from the display texts of the group fields and of the title field alone (or from
// the record's id when no field is a group field). Records repeat those texts (the same client, the same
// product), so the key is made once per distinct set of texts; normalising texts is what costs.
class Table::Groups {
public:
    // Keeps what the keys read of the journal: its fields and title field, not its records.
    explicit Groups(const Journal& journal) : m_journal(shapeOf(journal)), m_fields(journal.groupFields()) {
        m_partCount = m_fields.size();
        const auto title = journal.titleField();
        // The key reads the title field itself unless that field is a group field; a group field that
        // merely shares its id (a hand-edited file) may read the value by another type.
        if (!m_fields.isEmpty() && title && !title->inGroup)
            m_fields.append(*title);
    }

    // The number of the record's key while every record is read.
    qint32 number(const Record& record) {
        if (m_fields.isEmpty())
            return numberOf(m_journal.groupKey(record));
        QVarLengthArray<QString, 4> texts;
        std::size_t hash = 0;
        for (qsizetype i = 0; i < m_fields.size(); ++i) {
            // The title is part of the key only where the last group value's key is empty: elsewhere it is
            // left out of the set, so that records of one client with different names share one set.
            if (i == m_partCount && keyIsNeverEmpty(texts.back()))
                texts.append(QString());
            else
                texts.append(m_journal.displayValue(record, m_fields[i]));
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
        m_groupOfSet.push_back(numberOf(keyOf(m_texts.cend() - width)));
        return m_groupOfSet.back();
    }

    // Once the records are read, a key is known by its hash and by the first record that has it: tens of
    // thousands of key texts would cost more memory than all the other columns. `groups` are the numbers
    // of the records read.
    void settle(const std::vector<qint32>& groups) {
        m_sets = Numbering();
        std::vector<QString>().swap(m_texts);
        std::vector<qint32>().swap(m_groupOfSet);
        m_keys = QStringList();
        m_first.assign(std::size_t(m_numbers.count()), -1);
        for (std::size_t i = 0; i < groups.size(); ++i) {
            if (m_first[std::size_t(groups[i])] < 0)
                m_first[std::size_t(groups[i])] = qint32(i);
        }
    }

    // The number of the key of a record read after settling: the record at `position` of the next records
    // `after`; the keys known are those of the records `before` that the table last settled on.
    qint32 numberAfter(const Record& record, qsizetype position, const QList<Record>& before,
                       const QList<Record>& after) {
        const QString key = m_journal.groupKey(record);
        const std::size_t hash = hashOf(key);
        const qint32 known = m_numbers.find(hash, [&](qint32 n) {
            const qint32 first = m_first[std::size_t(n)];
            return first != -1 && m_journal.groupKey(first >= 0 ? before[first] : after[-2 - first]) == key;
        });
        if (known >= 0)
            return known;
        m_first.push_back(qint32(-2 - position));
        return m_numbers.add(hash);
    }

    qint32 count() const { return m_numbers.count(); }

private:
    // Whether the text's comparison key is surely not empty: it holds a Latin or Cyrillic letter or a digit,
    // which no white space before it joins into one character. Other texts are not judged here.
    static bool keyIsNeverEmpty(const QString& text) {
        return std::any_of(text.cbegin(), text.cend(), [](QChar c) {
            const char16_t u = c.unicode();
            return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'Z') || (u >= u'a' && u <= u'z') ||
                   (u >= 0xC0 && u <= 0xFF && u != 0xD7 && u != 0xF7) || (u >= 0x400 && u <= 0x45F);
        });
    }

    static Journal shapeOf(Journal journal) {
        // Not clear(): on a list it shares, that allocates an empty list of the same capacity.
        journal.records = QList<Record>();
        return journal;
    }

    // Journal::groupKey of a record whose group fields' and title's display texts are given, in the order
    // of m_fields: the texts at hand need not be read again from the record.
    QString keyOf(std::vector<QString>::const_iterator texts) const {
        QString key;
        for (qsizetype i = 0; i < m_partCount; ++i) {
            QString part = TextNormalizer::compare(texts[i]);
            // A record without a value in the last group field still belongs with the records of its name.
            if (part.isEmpty() && i == m_partCount - 1 && m_fields.size() > m_partCount)
                part = u"n:"_s + TextNormalizer::compare(texts[m_partCount]);
            if (i > 0)
                key += u'|';
            key += part;
        }
        return key;
    }

    // While every record is read.
    qint32 numberOf(const QString& key) {
        const std::size_t hash = hashOf(key);
        const qint32 known = m_numbers.find(hash, [&](qint32 n) { return m_keys[n] == key; });
        if (known >= 0)
            return known;
        m_keys.append(key);
        return m_numbers.add(hash);
    }

    Journal m_journal;
    QList<FieldDef> m_fields;         // the fields whose texts make the key
    qsizetype m_partCount = 0;        // the group fields among them, before the title
    Numbering m_sets;                 // distinct sets of those texts
    std::vector<QString> m_texts;     // the texts of each set, one after another
    std::vector<qint32> m_groupOfSet; // the group number of each set
    Numbering m_numbers;              // the keys by their hashes
    QStringList m_keys;               // by number, while every record is read
    // By number once settled: the position of the first record with the key, -1 when no record has it,
    // or -2 - the position among the next records of a key first met while following them.
    std::vector<qint32> m_first;
};

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
    column.texts.reserve(records.size());
    for (const Record& record : records)
        column.add(journal.displayValue(record, field));
    column.finish();
    return column;
}

void KeyColumn::add(const QString& displayText) {
    const auto [text, newText] = m_displayTexts.number(displayText);
    if (newText)
        m_keyOfText.push_back(m_keys.number(TextNormalizer::compare(displayText)).first);
    codes.push_back(m_keyOfText[std::size_t(text)]);
    texts.push_back(text);
}

void KeyColumn::finish() {
    keys = m_keys.texts();
    titles = QStringList(keys.size());
    const QStringList& shown = m_displayTexts.texts();
    for (std::size_t i = 0; i < codes.size(); ++i) {
        QString& title = titles[codes[i]];
        if (title.isEmpty())
            title = shown[texts[i]];
    }
}

Table::Table(const Journal& journal, const QList<Record>& records, const QList<FieldDef>& keyFields)
    : m_groups(std::make_unique<Groups>(journal)) {
    // The plans name the columns to read: each distinct status, date key, number key and filter field once.
    for (const MetricDef& metric : journal.metrics) {
        MetricPlan plan;
        plan.kind = metric.kind;
        if (metric.statusFilterID)
            plan.status = positionIn(statusIDs, *metric.statusFilterID);
        if (metric.dateFieldID)
            plan.dates = positionIn(m_dateKeys, fieldKey(*metric.dateFieldID));
        if (metric.sumFieldID && usesNumberField(metric.kind))
            plan.numbers = positionIn(m_numberKeys, fieldKey(*metric.sumFieldID));
        if (const auto field = journal.field(metric.filterFieldID);
            field && !metric.filterValue.trimmed().isEmpty()) {
            // A field the journal lists twice under one id is read by its first entry, as Journal::field
            // does.
            plan.filter = positionIn(m_keyedFields, *field);
        }
        const auto position = [&](const std::optional<QUuid>& id) {
            const MetricDef* operand = id ? firstWithId(journal.metrics, *id) : nullptr;
            return operand ? qint32(operand - journal.metrics.constData()) : -1;
        };
        plan.operandA = position(metric.operandA);
        plan.operandB = position(metric.operandB);
        plans.push_back(plan);
    }

    dates.resize(m_dateKeys.size());
    numbers.resize(m_numberKeys.size());
    for (const FieldDef& field : keyFields) {
        if (std::none_of(m_keyedFields.cbegin(), m_keyedFields.cend(),
                         [&](const FieldDef& f) { return KeyColumn(f).reads(field); }))
            m_keyedFields.append(field);
    }
    for (const FieldDef& field : m_keyedFields)
        keys.emplace_back(field);
    status.reserve(records.size());
    groups.reserve(records.size());
    for (const Record& record : records) {
        append(journal, record);
        groups.push_back(m_groups->number(record));
    }
    finish(journal);
}

Table::~Table() = default;

void Table::append(const Journal& journal, const Record& record) {
    // One pass reads everything a record holds while its values are in the processor's cache.
    status.push_back(qint32(record.statusID ? statusIDs.indexOf(*record.statusID) : -1));
    created.append(record.createdAt);
    for (qsizetype d = 0; d < m_dateKeys.size(); ++d) {
        const FieldValue* value = record.value(m_dateKeys[d]);
        dates[std::size_t(d)].append(value ? value->date : std::nullopt);
    }
    for (qsizetype n = 0; n < m_numberKeys.size(); ++n) {
        const FieldValue* value = record.value(m_numberKeys[n]);
        numbers[std::size_t(n)].append(value ? value->number : std::nullopt);
    }
    for (qsizetype f = 0; f < m_keyedFields.size(); ++f)
        keys[std::size_t(f)].add(journal.displayValue(record, m_keyedFields[f]));
}

void Table::follow(const Journal& journal, const QList<Record>& before, const QList<Record>& records,
                   const RecordChanges& changes) {
    // Where each record now was before; -1 for a fresh one.
    std::vector<qsizetype> from(std::size_t(records.size()), -1);
    for (std::size_t i = 0; i < changes.newPosition.size(); ++i) {
        if (const int to = changes.newPosition[i]; to >= 0)
            from[std::size_t(to)] = qsizetype(i);
    }
    const std::vector<qint32> oldStatus = std::exchange(status, {});
    const MomentColumn oldCreated = std::exchange(created, {});
    const std::vector<MomentColumn> oldDates = std::exchange(dates, std::vector<MomentColumn>(dates.size()));
    const std::vector<NumberColumn> oldNumbers =
        std::exchange(numbers, std::vector<NumberColumn>(numbers.size()));
    std::vector<std::pair<std::vector<qint32>, std::vector<qint32>>> oldKeys; // codes and texts
    for (KeyColumn& column : keys)
        oldKeys.emplace_back(std::exchange(column.codes, {}), std::exchange(column.texts, {}));
    const std::vector<qint32> oldGroups = std::exchange(groups, {});
    for (qsizetype j = 0; j < records.size(); ++j) {
        const qsizetype i = from[std::size_t(j)];
        if (i < 0) {
            append(journal, records[j]);
            groups.push_back(m_groups->numberAfter(records[j], j, before, records));
            continue;
        }
        const auto at = std::size_t(i);
        status.push_back(oldStatus[at]);
        created.state.push_back(oldCreated.state[at]);
        created.msecs.push_back(oldCreated.msecs[at]);
        for (std::size_t d = 0; d < dates.size(); ++d) {
            dates[d].state.push_back(oldDates[d].state[at]);
            dates[d].msecs.push_back(oldDates[d].msecs[at]);
        }
        for (std::size_t n = 0; n < numbers.size(); ++n) {
            numbers[n].values.push_back(oldNumbers[n].values[at]);
            numbers[n].present.push_back(oldNumbers[n].present[at]);
        }
        for (std::size_t k = 0; k < keys.size(); ++k) {
            keys[k].codes.push_back(oldKeys[k].first[at]);
            keys[k].texts.push_back(oldKeys[k].second[at]);
        }
        groups.push_back(oldGroups[at]);
    }
    finish(journal);
}

std::size_t Table::keyColumn(const FieldDef& field, const Journal& journal, const QList<Record>& records) {
    const auto known =
        std::find_if(keys.cbegin(), keys.cend(), [&](const KeyColumn& c) { return c.reads(field); });
    if (known != keys.cend())
        return std::size_t(known - keys.cbegin());
    keys.push_back(KeyColumn::read(field, journal, records));
    m_keyedFields.append(field);
    return keys.size() - 1;
}

void Table::finish(const Journal& journal) {
    size = qsizetype(status.size());
    for (KeyColumn& column : keys)
        column.finish();
    for (std::size_t m = 0; m < plans.size(); ++m) {
        if (plans[m].filter >= 0) {
            const QString key = TextNormalizer::compare(journal.metrics[qsizetype(m)].filterValue);
            plans[m].wanted = qint32(keys[std::size_t(plans[m].filter)].keys.indexOf(key));
        }
    }
    m_groups->settle(groups);
    groupNumbers = m_groups->count();
    // Records may have left groups that no record is in any more.
    std::vector<bool> met(std::size_t(groupNumbers), false);
    groupCount = 0;
    for (const qint32 group : groups) {
        if (!met[std::size_t(group)]) {
            met[std::size_t(group)] = true;
            ++groupCount;
        }
    }
}

} // namespace MetricColumns
