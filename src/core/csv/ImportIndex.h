#pragma once

#include "core/csv/CSVImport.h"
#include "core/csv/KeyPositions.h"
#include "core/model/Model.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringView>
#include <QUuid>

#include <optional>
#include <vector>

namespace CSVService {

// What an import looks up for every row: the journal's records and the file's earlier rows by id, by
// the comparison key of each unique value, and by identity. The journal's side is built once; the file's
// grows as rows are remembered. The look-ups keep positions, not keys: a candidate's key is worked out again
// from its record.
class ImportIndex {
public:
    // A row's record as the index compares it, worked out once per row.
    struct Keys {
        struct Unique {
            qsizetype slot;  // the look-up this value goes to: one per field id
            QString key;     // the comparison key of the value
            qsizetype field; // the unique field, by its position among them
        };
        QList<Unique> unique;    // the unique fields with a non-empty key, in field order
        bool byIdentity = false; // no unique value, and the journal checks identity
        QString identity;        // the identity key when byIdentity
    };

    // `fileRows` are the rows read so far, which remember() refers to by position; the list may grow.
    ImportIndex(const Journal& journal, const QList<ImportRow>& fileRows);

    Keys keysOf(const Record& record) const;

    // The first thing the row repeats: a record with the imported id, a record with one of its unique
    // values (by field order), an earlier row with one, a record with its identity, an earlier row with it.
    std::optional<DuplicateKind> duplicateOf(const Keys& keys, const std::optional<QUuid>& importedID) const;

    // Enters the file's row at that position, so that later rows repeating it point at its line. The first
    // holder of a key stays the one every later row names.
    void remember(const Keys& keys, qsizetype row);

    // Whether a row may keep the id it brings: no record of the journal has it and no earlier row took it.
    // Taking it marks it taken.
    bool adopt(const QUuid& id);

private:
    QString uniqueKey(const Record& record, const FieldDef& field) const;
    // Whether one of the record's values in the slot's fields has the key.
    bool holdsUnique(const Record& record, qsizetype slot, QStringView key) const;
    bool holdsIdentity(const Record& record, QStringView key) const;

    const Journal& m_journal;
    const QList<ImportRow>& m_fileRows;
    QList<const FieldDef*> m_uniqueFields;
    QList<qsizetype> m_slots; // the look-up of each unique field: fields repeating an id share one
    qsizetype m_slotCount = 0;
    bool m_checksIdentity = false;

    QSet<QUuid> m_journalIDs;
    std::vector<KeyPositions> m_uniqueInJournal; // positions of records
    KeyPositions m_identityInJournal;            // positions of records
    std::vector<KeyPositions> m_uniqueInFile;    // positions of rows
    KeyPositions m_identityInFile;               // positions of rows
    QSet<QUuid> m_adoptedIDs;
};

} // namespace CSVService
