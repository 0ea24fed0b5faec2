#pragma once

#include "model/Model.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QUuid>

// Values derived from records, kept from one call to the next: the records tab filters and sorts again on
// every keystroke of a search, and deriving the values (display texts, comparison keys, collation keys) is
// most of that work. An entry is used only while its record is equal to the one it was made from, compared
// whole; an unchanged record shares its values with the kept copy, so that comparison is quick. A kept
// value therefore never outlives a change of its record. Whoever owns a memo clears it when anything else
// the values depend on changes.
template <typename T> class RecordMemo {
public:
    // The value for the record, made by make(record) unless the record is unchanged since it was made.
    template <typename Make> T value(const Record& record, Make make) {
        const auto it = m_entries.constFind(record.id);
        if (it != m_entries.cend() && it->record == record)
            return it->value;
        T made = make(record);
        m_entries.insert(record.id, Entry{record, made});
        return made;
    }

    void clear() { m_entries.clear(); }

    // Drops the entries of records no longer among the records given once they make up a large share, so
    // the memo stays about as large as the records in use.
    void trim(const QList<Record>& records, qsizetype slack) {
        if (m_entries.size() <= records.size() + slack)
            return;
        QSet<QUuid> ids;
        ids.reserve(records.size());
        for (const Record& r : records)
            ids.insert(r.id);
        m_entries.removeIf([&](const auto& entry) { return !ids.contains(entry.key()); });
    }

private:
    struct Entry {
        Record record;
        T value;
    };
    QHash<QUuid, Entry> m_entries;
};
