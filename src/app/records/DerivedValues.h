#pragma once

#include "journal/RecordMemo.h"
#include "model/Model.h"

#include <QList>
#include <QString>
#include <QStringList>

// What the records tab derives from its journal on every draw, kept while what it derives from stays the
// same: the value picker's distinct values cost as much as a whole search, and the shown line's group
// count one group key per shown record, so neither may be worked out again on every keystroke.
class DerivedValues {
public:
    // The distinct values of the field over the journal's records, worked out again only when the
    // records or the field changed.
    const QStringList& distinctValues(const Journal& journal, const FieldDef& field);

    // The number of different group keys among the records. Each record's key is kept while the record
    // and the journal's fields stay the same.
    qsizetype groupCount(const Journal& journal, const QList<Record>& records);

private:
    QList<Record> m_valuesOf;
    std::optional<FieldDef> m_valuesField;
    QStringList m_values;

    QList<FieldDef> m_keyFields;
    std::optional<QUuid> m_keyTitleFieldID;
    RecordMemo<QString> m_groupKeys;
};
