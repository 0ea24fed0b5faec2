#include "core/csv/ImportIndex.h"

#include "core/journal/TextNormalizer.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace CSVService {

namespace {

// Enters the key unless it is there already.
void insertFirst(QHash<QString, qsizetype>& index, const QString& key, qsizetype value) {
    if (!index.contains(key))
        index.insert(key, value);
}

} // namespace

ImportIndex::ImportIndex(const Journal& journal)
    : m_journal(journal), m_checksIdentity(journal.canCheckIdentity()) {
    for (const FieldDef& f : journal.fields) {
        if (!f.isUnique)
            continue;
        const auto same = std::find_if(m_uniqueFields.cbegin(), m_uniqueFields.cend(),
                                       [&f](const FieldDef* g) { return g->id == f.id; });
        m_slots.append(same == m_uniqueFields.cend() ? m_slotCount++
                                                     : m_slots[same - m_uniqueFields.cbegin()]);
        m_uniqueFields.append(&f);
    }
    m_uniqueInJournal.resize(m_slotCount);
    m_uniqueInFile.resize(m_slotCount);
    for (qsizetype i = 0; i < journal.records.size(); ++i) {
        const Record& r = journal.records[i];
        m_journalIDs.insert(r.id);
        const Keys keys = keysOf(r);
        for (const Keys::Unique& v : keys.unique)
            insertFirst(m_uniqueInJournal[v.slot], v.key, i);
        if (keys.byIdentity)
            insertFirst(m_identityInJournal, keys.identity, i);
    }
}

ImportIndex::Keys ImportIndex::keysOf(const Record& record) const {
    Keys keys;
    for (qsizetype i = 0; i < m_uniqueFields.size(); ++i) {
        QString key = TextNormalizer::compare(m_journal.displayValue(record, *m_uniqueFields[i]));
        if (!key.isEmpty())
            keys.unique.append(Keys::Unique{m_slots[i], std::move(key), i});
    }
    keys.byIdentity = keys.unique.isEmpty() && m_checksIdentity;
    if (keys.byIdentity)
        keys.identity = m_journal.identityKey(record);
    return keys;
}

std::optional<DuplicateKind> ImportIndex::duplicateOf(const Keys& keys,
                                                      const std::optional<QUuid>& importedID) const {
    if (importedID && m_journalIDs.contains(*importedID))
        return DuplicateKind::sameID();
    for (const Keys::Unique& v : keys.unique) {
        const auto hit = m_uniqueInJournal[v.slot].constFind(v.key);
        if (hit != m_uniqueInJournal[v.slot].cend())
            return DuplicateKind::uniqueInDatabase(m_uniqueFields[v.field]->name + u" — "_s +
                                                   m_journal.shortDescription(m_journal.records[*hit]));
    }
    for (const Keys::Unique& v : keys.unique) {
        const auto hit = m_uniqueInFile[v.slot].constFind(v.key);
        if (hit != m_uniqueInFile[v.slot].cend())
            return DuplicateKind::uniqueInFile(m_uniqueFields[v.field]->name, *hit);
    }
    if (!keys.byIdentity)
        return std::nullopt;
    if (const auto hit = m_identityInJournal.constFind(keys.identity); hit != m_identityInJournal.cend())
        return DuplicateKind::sameInDatabase(m_journal.shortDescription(m_journal.records[*hit]));
    if (const auto line = m_identityInFile.constFind(keys.identity); line != m_identityInFile.cend())
        return DuplicateKind::sameInFile(*line);
    return std::nullopt;
}

void ImportIndex::remember(const Keys& keys, qsizetype line) {
    for (const Keys::Unique& v : keys.unique)
        insertFirst(m_uniqueInFile[v.slot], v.key, line);
    if (keys.byIdentity)
        insertFirst(m_identityInFile, keys.identity, line);
}

bool ImportIndex::adopt(const QUuid& id) {
    if (m_journalIDs.contains(id) || m_adoptedIDs.contains(id))
        return false;
    m_adoptedIDs.insert(id);
    return true;
}

} // namespace CSVService
