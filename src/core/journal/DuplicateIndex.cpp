#include "core/journal/DuplicateIndex.h"

#include "core/journal/TextNormalizer.h"

using namespace Qt::StringLiterals;

DuplicateIndex::DuplicateIndex(const Journal& journal)
    : m_journal(journal), m_checksIdentity(journal.canCheckIdentity()) {
    for (const FieldDef& f : journal.fields) {
        if (f.isUnique)
            m_unique.append({f, {}});
    }
    const QList<Record>& records = m_journal.records;
    for (qsizetype i = 0; i < records.size(); ++i) {
        bool hasUniqueValue = false;
        for (UniqueField& u : m_unique) {
            const QString key = TextNormalizer::compare(m_journal.displayValue(records[i], u.field));
            if (key.isEmpty())
                continue;
            hasUniqueValue = true;
            u.positions[key].append(i);
        }
        // Only records without a unique value can be found by their identity.
        if (m_checksIdentity && !hasUniqueValue)
            m_identity[m_journal.identityKey(records[i])].append(i);
    }
}

QList<Journal::DuplicateFinding> DuplicateIndex::findings(const Record& of,
                                                          const QSet<QUuid>& excluding) const {
    QList<Journal::DuplicateFinding> found;
    QSet<QUuid> foundIDs;
    bool hasUniqueValue = false;
    const QList<Record>& records = m_journal.records;
    for (const UniqueField& u : m_unique) {
        const QString shown = m_journal.displayValue(of, u.field);
        const QString key = TextNormalizer::compare(shown);
        if (key.isEmpty())
            continue;
        hasUniqueValue = true;
        const QString reason = u.field.name + u" «"_s + shown + u"» уже есть"_s;
        // Each record once over all unique fields, as the search counts records by id.
        for (qsizetype i : u.positions.value(key)) {
            const Record& stored = records[i];
            if (excluding.contains(stored.id) || foundIDs.contains(stored.id))
                continue;
            foundIDs.insert(stored.id);
            found.append({stored, reason});
        }
    }
    if (!found.isEmpty() || hasUniqueValue || !m_checksIdentity)
        return found;
    for (qsizetype i : m_identity.value(m_journal.identityKey(of))) {
        if (!excluding.contains(records[i].id))
            found.append({records[i], u"похожая запись уже есть"_s});
    }
    return found;
}
