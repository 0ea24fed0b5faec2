#pragma once

#include "core/journal/JournalIndex.h"
#include "core/journal/RecordFilters.h"

#include <QStringList>

#include <vector>

// The records tab's filters (RecordFilters::apply) tested against a journal's index: the same records pass,
// found mostly through the index's columns instead of the records' values. A search word is looked for in
// each field's value on its own, not in a record's whole search text: in each different text once where the
// index has the field's texts already, else in the record's stored text itself, record by record, so that
// a first search builds nothing. A field whose values cannot hold the word (letters in a number, say) is
// not looked into at all.
//
// A matcher reads the index as it stands: make a new one after the index follows a changed journal.
class RecordMatcher {
public:
    RecordMatcher(JournalIndex& index, const RecordFilters& filters);

    // Whether the record at the position passes every filter.
    bool passes(int position);
    // The positions among the candidates (ascending) that pass; every record's when none are given.
    std::vector<int> matching(const std::vector<int>* candidates = nullptr);

private:
    // Where one search word may be: a column of the record's shown texts, a field's stored text read from
    // the record, or the record's status's name.
    struct Place {
        TextColumn* column = nullptr;
        QString key;              // the field read from the record, when there is no column
        int slot = -1;            // the key's place among m_keys
        std::vector<qint8> found; // by text (or status) id: 1 found, 0 not, 2 ask the whole text, -1 unknown
    };
    enum Found : qint8 { no = 0, yes = 1, unsure = 2, unknown = -1 };

    bool searchPasses(int position);
    // Reads the keyed values of the records at positions[from, to) into m_runValues, a run of records at
    // once so that their memory is asked for together.
    void readRun(const std::vector<int>& positions, size_t from, size_t to);
    Found lookUp(Place& place, const QString& word, int position);
    QString statusName(int number) const;

    JournalIndex& m_index;
    const Journal& m_journal;
    // Status: the number the status column gives the chosen status; -2 when no record has it.
    bool m_byStatus = false;
    int m_status = -1;
    // Value: the column of the value field's shown texts and the id of the wanted key (-1: none has it).
    TextColumn* m_valueColumn = nullptr;
    const std::vector<int>* m_valueKeys = nullptr;
    int m_target = -1;
    // Date range, in milliseconds since 1970, half-open.
    const DateColumn* m_dates = nullptr;
    qint64 m_lower = 0, m_upper = 0;
    // Links: the link fields' stored texts, and whether a link is wanted.
    std::vector<TextColumn*> m_links;
    bool m_withLink = false;
    // Search: the words, and for each the places it may be.
    QStringList m_words;
    std::vector<std::vector<Place>> m_places;
    const StatusColumn* m_statuses = nullptr;
    // The fields read from records, and while matching a run their values, record by record.
    QStringList m_keys;
    std::vector<const FieldValue*> m_runValues;
    // The values of the record being tested, read ahead; null when it is read on demand.
    const FieldValue* const* m_current = nullptr;
};
