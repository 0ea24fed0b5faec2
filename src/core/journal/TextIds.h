#pragma once

#include "core/journal/HashSlots.h"

#include <QString>

#include <vector>

// Numbers for texts, equal exactly for equal texts, given in the order the texts are first met; id 0 is
// the empty text. Many records' values are told apart and ranked by comparing integers.
class TextIds {
public:
    TextIds();

    // The id of the text; a new one when the text has none yet.
    int of(const QString& text) { return of(text, hashOf(text)); }
    // The same, for a text whose hashOf is known: hashing a run of texts first lets their slots be
    // fetched (prefetch) while the others are hashed.
    int of(const QString& text, size_t hash);
    static size_t hashOf(const QString& text);
    void prefetch(size_t hash) const { m_slots.prefetch(hash); }
    const QString& text(int id) const { return m_texts[size_t(id)]; }
    const std::vector<QString>& texts() const { return m_texts; }
    int size() const { return int(m_texts.size()); }

private:
    std::vector<QString> m_texts;
    std::vector<size_t> m_hashes;
    HashSlots m_slots;
};
