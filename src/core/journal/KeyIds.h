#pragma once

#include "core/journal/HashSlots.h"

#include <QString>

#include <vector>

// Numbers for comparison keys (TextNormalizer::compare): two texts get the same id exactly when their keys
// are equal, so that many records are grouped, matched and counted by comparing integers. The key of
// everyday text is read from the text itself as it is hashed and compared; no key is built for it.
class KeyIds {
public:
    // The id of the comparison key of the text; a new id when no text with that key had one.
    int ofText(const QString& text);
    // ofText of each text in turn. The keys of all are worked out and their slots asked for before any is
    // looked up, so that the look-ups do not wait on memory one after another.
    std::vector<int> ofTexts(const std::vector<const QString*>& texts);
    // The id of a text that is a comparison key already; a new id when no text with that key had one.
    int ofKey(const QString& key);
    // The id of a text that is a comparison key already; -1 when no text with that key has an id.
    int findKey(const QString& key) const;
    // The comparison key of an id.
    QString key(int id) const;
    // Whether the key holds a "|" (keys joined with it may run together).
    bool holdsBar(int id) const { return m_entries[id].holdsBar; }
    int size() const { return int(m_entries.size()); }

private:
    struct Entry {
        QString text; // the text itself when `plain`, else its comparison key
        bool plain = false;
        bool holdsBar = false;
        size_t hash = 0;
    };

    int add(Entry entry, QStringView units);
    int add(Entry entry, QStringView units, size_t hash);
    // The slot of the key whose units are given, or of the free slot where it belongs.
    size_t slotOf(QStringView units, size_t hash) const;

    std::vector<Entry> m_entries;
    HashSlots m_slots;
};
