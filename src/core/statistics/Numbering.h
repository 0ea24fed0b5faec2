#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <utility>
#include <vector>

namespace Statistics {

// The hash of a text for the tables that read a journal's records. Qt's seeded string hash measured several
// times slower than the unseeded one on the processors this was tuned on, and it dominated whole
// computations; these tables live only while one journal's records are read, so the unseeded hash serves.
inline std::size_t hashOf(const QString& text) {
    return qHash(QStringView(text), 0);
}

// Numbers distinct keys 0, 1, 2 … in the order they are first met. The caller keeps the keys, in arrays
// indexed by their numbers; the table holds only numbers and hashes, in one block, so tens of thousands of
// keys cost no allocation of their own and are freed at once. Each number carries its key's hash, so
// growing never hashes a text again and unequal keys rarely compare their texts.
class Numbering {
public:
    // The number of a key with this hash that `isKey(number)` accepts, or -1 when none was added.
    template <typename IsKey> qint32 find(std::size_t hash, IsKey&& isKey) const {
        if (m_slots.empty())
            return -1;
        for (std::size_t i = hash & mask();; i = (i + 1) & mask()) {
            const Slot& slot = m_slots[i];
            if (slot.number < 0)
                return -1;
            if (slot.hash == hash && isKey(slot.number))
                return slot.number;
        }
    }

    // Numbers a new key with this hash: the count of keys added before it.
    qint32 add(std::size_t hash) {
        if (2 * (m_count + 1) > qint32(m_slots.size()))
            grow();
        place(Slot{hash, m_count});
        return m_count++;
    }

    qint32 count() const { return m_count; }

private:
    struct Slot {
        std::size_t hash = 0;
        qint32 number = -1;
    };

    std::size_t mask() const { return m_slots.size() - 1; }

    void place(const Slot& slot) {
        std::size_t i = slot.hash & mask();
        while (m_slots[i].number >= 0)
            i = (i + 1) & mask();
        m_slots[i] = slot;
    }

    void grow() {
        std::vector<Slot> old(std::max<std::size_t>(64, 2 * m_slots.size()));
        old.swap(m_slots);
        for (const Slot& slot : old) {
            if (slot.number >= 0)
                place(slot);
        }
    }

    std::vector<Slot> m_slots; // a power of two in size, at most half full
    qint32 m_count = 0;
};

// Numbers distinct texts in the order they are first met, and keeps them.
class TextNumbers {
public:
    // The number of the text, and whether it is new.
    std::pair<qint32, bool> number(const QString& text) {
        const std::size_t hash = hashOf(text);
        const qint32 known = m_numbering.find(hash, [&](qint32 n) { return m_texts[n] == text; });
        if (known >= 0)
            return {known, false};
        m_texts.append(text);
        return {m_numbering.add(hash), true};
    }

    // By number.
    const QStringList& texts() const { return m_texts; }

private:
    Numbering m_numbering;
    QStringList m_texts;
};

} // namespace Statistics
