#pragma once

#include "core/journal/JournalIndex.h"
#include "core/journal/RecordSort.h"

#include <QList>

#include <cstdint>
#include <vector>

// The records table's order (RecordSort::sorted with a list of comparators) over a journal's index: each
// comparator reads one number per record from a column (a text's rank in natural order, a status's rank,
// a number, a date, a tick, a creation time) and the first comparator that tells two records apart
// decides; records that every comparator holds the same keep their journal order. A comparator's column
// is built only once some records tie on all the comparators before it.
//
// An order reads the index as it stands: make a new one after the index follows a changed journal.
class RecordOrder {
public:
    RecordOrder(JournalIndex& index, const QList<RecordSort>& comparators);

    // Whether the record at position a comes before the one at position b.
    bool less(int a, int b);
    // Sorts the positions into this order.
    void sort(std::vector<int>& positions);

private:
    struct Level {
        const RecordSort* sort = nullptr;
        bool ready = false;
        const TextColumn* texts = nullptr;
        const std::vector<int>* ranks = nullptr;
        const NumberColumn* numbers = nullptr;
        const DateColumn* dates = nullptr;
        const FlagColumn* flags = nullptr;
        const StatusColumn* statuses = nullptr;
        std::vector<qint64> statusRanks; // by status number + 1
        const CreatedColumn* created = nullptr;
    };

    Level& level(size_t i);
    // A number per record that orders as the comparator does, its direction included.
    static std::uint64_t word(const Level& level, int position);
    void sortRun(size_t depth, std::vector<int>::iterator first, std::vector<int>::iterator last);

    JournalIndex& m_index;
    QList<RecordSort> m_comparators;
    std::vector<Level> m_levels;
};
