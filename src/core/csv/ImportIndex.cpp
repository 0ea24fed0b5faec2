#include "core/csv/ImportIndex.h"

#include "core/journal/TextNormalizer.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace CSVService {

ImportIndex::ImportIndex(const Journal& journal, const QList<ImportRow>& fileRows)
    : m_journal(journal), m_fileRows(fileRows), m_checksIdentity(journal.canCheckIdentity()) {
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
        for (const Keys::Unique& v : keys.unique) {
            m_uniqueInJournal[v.slot].insertFirst(v.key, i, [&](qsizetype at, QStringView key) {
                return holdsUnique(journal.records[at], v.slot, key);
            });
        }
        if (keys.byIdentity) {
            m_identityInJournal.insertFirst(keys.identity, i, [&](qsizetype at, QStringView key) {
                return holdsIdentity(journal.records[at], key);
            });
        }
    }
}

QString ImportIndex::uniqueKey(const Record& record, const FieldDef& field) const {
    return TextNormalizer::compare(m_journal.displayValue(record, field));
}

bool ImportIndex::holdsUnique(const Record& record, qsizetype slot, QStringView key) const {
    for (qsizetype i = 0; i < m_uniqueFields.size(); ++i) {
        if (m_slots[i] == slot && uniqueKey(record, *m_uniqueFields[i]) == key)
            return true;
    }
    return false;
}

bool ImportIndex::holdsIdentity(const Record& record, QStringView key) const {
    return m_journal.identityKey(record) == key;
}

ImportIndex::Keys ImportIndex::keysOf(const Record& record) const {
    Keys keys;
    for (qsizetype i = 0; i < m_uniqueFields.size(); ++i) {
        QString key = uniqueKey(record, *m_uniqueFields[i]);
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
    const QList<Record>& records = m_journal.records;
    for (const Keys::Unique& v : keys.unique) {
        const std::optional<qsizetype> hit = m_uniqueInJournal[v.slot].find(
            v.key, [&](qsizetype at, QStringView key) { return holdsUnique(records[at], v.slot, key); });
        if (hit)
            return DuplicateKind::uniqueInDatabase(m_uniqueFields[v.field]->name + u" — "_s +
                                                   m_journal.shortDescription(records[*hit]));
    }
    for (const Keys::Unique& v : keys.unique) {
        const std::optional<qsizetype> hit =
            m_uniqueInFile[v.slot].find(v.key, [&](qsizetype at, QStringView key) {
                return holdsUnique(m_fileRows[at].record, v.slot, key);
            });
        if (hit)
            return DuplicateKind::uniqueInFile(m_uniqueFields[v.field]->name, m_fileRows[*hit].line);
    }
    if (!keys.byIdentity)
        return std::nullopt;
    const auto inJournal = m_identityInJournal.find(
        keys.identity, [&](qsizetype at, QStringView key) { return holdsIdentity(records[at], key); });
    if (inJournal)
        return DuplicateKind::sameInDatabase(m_journal.shortDescription(records[*inJournal]));
    const auto inFile = m_identityInFile.find(keys.identity, [&](qsizetype at, QStringView key) {
        return holdsIdentity(m_fileRows[at].record, key);
    });
    if (inFile)
        return DuplicateKind::sameInFile(m_fileRows[*inFile].line);
    return std::nullopt;
}

void ImportIndex::remember(const Keys& keys, qsizetype row) {
    for (const Keys::Unique& v : keys.unique) {
        m_uniqueInFile[v.slot].insertFirst(v.key, row, [&](qsizetype at, QStringView key) {
            return holdsUnique(m_fileRows[at].record, v.slot, key);
        });
    }
    if (keys.byIdentity) {
        m_identityInFile.insertFirst(keys.identity, row, [&](qsizetype at, QStringView key) {
            return holdsIdentity(m_fileRows[at].record, key);
        });
    }
}

bool ImportIndex::adopt(const QUuid& id) {
    if (m_journalIDs.contains(id) || m_adoptedIDs.contains(id))
        return false;
    m_adoptedIDs.insert(id);
    return true;
}

} // namespace CSVService
