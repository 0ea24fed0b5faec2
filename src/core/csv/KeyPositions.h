#pragma once

#include <QHash>
#include <QStringView>

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace CSVService {

// Positions (of rows, of records) by a text key they hold, where the first position entered under a key
// stays the one found. Only 32 bits of a hash of each key are kept, eight bytes an entry with its position:
// the keys are the comparison keys of a file's values, one or more a row, and kept whole they would cost
// as much as a short row's values. Whether a position really holds a key is asked of the caller, which
// works the key out again from what the position stands for; it is asked only when the hashes agree.
//
// A position may hold several keys (a record has a value in each of the fields sharing a look-up). The
// position found for a key is the least of those entered whose holder holds it, which is the first one
// entered under it, whatever other keys it was entered under.
class KeyPositions {
public:
    using Hash = std::size_t (*)(QStringView key);

    explicit KeyPositions(Hash hash = seededHash) : m_hash(hash) {}

    // The first position entered under the key; `holds(position, key)` tells whether a position holds it.
    template <typename Holds> std::optional<qsizetype> find(QStringView key, const Holds& holds) const {
        if (m_slots.empty())
            return std::nullopt;
        const std::uint32_t tag = tagOf(key);
        std::optional<qsizetype> found;
        for (std::size_t i = tag & mask();; i = (i + 1) & mask()) {
            const Slot& s = m_slots[i];
            if (s.position == empty)
                return found;
            const auto position = qsizetype(s.position);
            if (s.tag == tag && (!found || position < *found) && holds(position, key))
                found = position;
        }
    }

    // Enters the position under the key unless one is entered under it already. Positions are below 2^32 - 1.
    template <typename Holds> void insertFirst(QStringView key, qsizetype position, const Holds& holds) {
        if (find(key, holds))
            return;
        if ((m_count + 1) * 4 > m_slots.size() * 3)
            grow();
        place(Slot{tagOf(key), std::uint32_t(position)});
        ++m_count;
    }

private:
    struct Slot {
        std::uint32_t tag = 0;
        std::uint32_t position = empty;
    };
    static constexpr std::uint32_t empty = std::numeric_limits<std::uint32_t>::max();

    // Qt's seed for its own hashes, chosen per process: a file cannot be made to crowd one place.
    static std::size_t seededHash(QStringView key) { return qHash(key, QHashSeed::globalSeed()); }

    // The kept bits of the key's hash, which also pick the entry's place, so that growing moves entries
    // without their keys.
    std::uint32_t tagOf(QStringView key) const {
        const auto h = std::uint64_t(m_hash(key));
        return std::uint32_t(h ^ (h >> 32));
    }
    std::size_t mask() const { return m_slots.size() - 1; }

    // Into the first free slot from the tag's place (linear probing).
    void place(const Slot& slot) {
        std::size_t i = slot.tag & mask();
        while (m_slots[i].position != empty)
            i = (i + 1) & mask();
        m_slots[i] = slot;
    }

    void grow() {
        const std::size_t size = m_slots.empty() ? 16 : 2 * m_slots.size();
        const std::vector<Slot> old = std::exchange(m_slots, std::vector<Slot>(size));
        for (const Slot& s : old) {
            if (s.position != empty)
                place(s);
        }
    }

    Hash m_hash;
    std::vector<Slot> m_slots;
    std::size_t m_count = 0;
};

} // namespace CSVService
