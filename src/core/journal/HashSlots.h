#pragma once

#include <QtGlobal>

#include <algorithm>
#include <vector>

// The slots of an open-addressing hash table whose entries are kept elsewhere, by id. Each slot keeps the
// id and part of its entry's hash, so that a probe looks at an entry only when the hashes agree: tables of
// many texts then touch little more than the slots.
class HashSlots {
public:
    // The slot of the entry with the hash for which equal(id) holds, or the free slot where it belongs.
    template <typename Equal> size_t find(size_t hash, Equal equal) const {
        const size_t mask = m_slots.size() - 1;
        const quint32 tag = tagOf(hash);
        for (size_t slot = hash & mask;; slot = (slot + 1) & mask) {
            const Slot& s = m_slots[slot];
            if (s.id < 0 || (s.tag == tag && equal(s.id)))
                return slot;
        }
    }
    // The id in a slot; -1 for a free one.
    int idAt(size_t slot) const { return m_slots[slot].id; }
    void put(size_t slot, int id, size_t hash) { m_slots[slot] = Slot{id, tagOf(hash)}; }

    // Makes room for one more entry beyond `count`, keeping the table at most half full; hashOf(id) gives
    // the hash of each entry already in.
    template <typename HashOf> void makeRoom(int count, HashOf hashOf) {
        if (size_t(count + 1) * 2 <= m_slots.size())
            return;
        std::vector<Slot> table(std::max<size_t>(64, m_slots.size() * 2));
        const size_t mask = table.size() - 1;
        for (int id = 0; id < count; ++id) {
            const size_t hash = hashOf(id);
            size_t slot = hash & mask;
            while (table[slot].id >= 0)
                slot = (slot + 1) & mask;
            table[slot] = Slot{id, tagOf(hash)};
        }
        m_slots = std::move(table);
    }

    bool isEmpty() const { return m_slots.empty(); }
    // Asks for the slot where a look-up of the hash starts, ahead of the look-up.
    void prefetch(size_t hash) const {
        if (!m_slots.empty())
            __builtin_prefetch(&m_slots[hash & (m_slots.size() - 1)]);
    }

private:
    struct Slot {
        qint32 id = -1;
        quint32 tag = 0;
    };
    static quint32 tagOf(size_t hash) { return quint32(quint64(hash) >> 32); }

    std::vector<Slot> m_slots;
};
