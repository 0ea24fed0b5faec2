#pragma once

#include "core/model/Model.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

// The possible-duplicate search of one journal, with the stored records' keys worked out once. For any
// record, findings() gives exactly what Journal::possibleDuplicates gives for the journal the index was
// made from, in the same order, by look-up instead of a pass over every stored record. A screen that checks
// many records against a journal that stays the same while it is open (batch entry checks every row on
// every keystroke) makes one index and asks it as often as it needs.
class DuplicateIndex {
public:
    explicit DuplicateIndex(const Journal& journal);

    QList<Journal::DuplicateFinding> findings(const Record& of, const QSet<QUuid>& excluding = {}) const;

private:
    struct UniqueField {
        FieldDef field;
        // The positions of the stored records, in record order, under the comparison key of their value.
        QHash<QString, QList<qsizetype>> positions;
    };

    Journal m_journal;
    QList<UniqueField> m_unique;
    bool m_checksIdentity = false;
    // The positions of the stored records without a unique value, in record order, by identity key.
    QHash<QString, QList<qsizetype>> m_identity;
};
