#include "records/DerivedValues.h"

#include <QSet>

const QStringList& DerivedValues::distinctValues(const Journal& journal, const FieldDef& field) {
    // Comparing lists that share their records is quick; a store change copies only the records it changes.
    if (m_valuesField != field || m_valuesOf != journal.records) {
        m_values = journal.distinctValues(field);
        m_valuesOf = journal.records;
        m_valuesField = field;
    }
    return m_values;
}

qsizetype DerivedValues::groupCount(const Journal& journal, const QList<Record>& records) {
    if (m_keyFields != journal.fields || m_keyTitleFieldID != journal.titleFieldID) {
        m_groupKeys.clear();
        m_keyFields = journal.fields;
        m_keyTitleFieldID = journal.titleFieldID;
    }
    m_groupKeys.trim(journal.records, journal.records.size() / 4 + 64);
    QSet<QString> keys;
    keys.reserve(records.size());
    for (const Record& record : records)
        keys.insert(m_groupKeys.value(record, [&](const Record& r) { return journal.groupKey(r); }));
    return keys.size();
}
