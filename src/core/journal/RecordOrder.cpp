#include "core/journal/RecordOrder.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>

namespace {

using Kind = RecordSort::Key::Kind;

constexpr std::uint64_t signBit = std::uint64_t(1) << 63;

// Whole numbers as unsigned ones in the same order.
std::uint64_t ofWhole(qint64 v) {
    return std::uint64_t(v) ^ signBit;
}

// Numbers as unsigned ones in the same order: NaN before every number, minus and plus zero the same.
std::uint64_t ofNumber(double v) {
    if (std::isnan(v))
        return 0;
    if (v == 0)
        v = 0;
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
    return bits & signBit ? ~bits : bits | signBit;
}

} // namespace

RecordOrder::RecordOrder(JournalIndex& index, const QList<RecordSort>& comparators)
    : m_index(index), m_comparators(comparators), m_levels(size_t(comparators.size())) {
    for (size_t i = 0; i < m_levels.size(); ++i)
        m_levels[i].sort = &m_comparators[qsizetype(i)];
}

RecordOrder::Level& RecordOrder::level(size_t i) {
    Level& l = m_levels[i];
    if (l.ready)
        return l;
    l.ready = true;
    const RecordSort::Key& key = l.sort->key;
    switch (key.kind) {
    case Kind::status: {
        l.statuses = &m_index.statuses();
        // A record without a status, or whose status has no rank, ranks -1.
        l.statusRanks.push_back(-1);
        for (const QUuid& id : l.statuses->ids())
            l.statusRanks.push_back(l.sort->statusRanks.value(id, -1));
        break;
    }
    case Kind::created:
        l.created = &m_index.created();
        break;
    case Kind::field:
        // The type the comparator carries decides how values are read, not the field's type now.
        switch (key.fieldType) {
        case FieldType::number:
            l.numbers = &m_index.numbers(key.fieldID);
            break;
        case FieldType::date:
            l.dates = &m_index.dates(key.fieldID);
            break;
        case FieldType::checkbox:
            l.flags = &m_index.flags(key.fieldID);
            break;
        case FieldType::text:
        case FieldType::longText:
        case FieldType::link:
        case FieldType::choice: {
            TextColumn& texts = m_index.storedTexts(key.fieldID);
            l.texts = &texts;
            l.ranks = &texts.ranks();
            break;
        }
        }
        break;
    }
    return l;
}

std::uint64_t RecordOrder::word(const Level& l, int position) {
    std::uint64_t w = 0;
    if (l.texts) {
        w = std::uint64_t((*l.ranks)[size_t(l.texts->idAt(position))]);
    } else if (l.numbers) {
        const std::optional<double>& v = (*l.numbers)[position];
        w = ofNumber(v ? *v : -std::numeric_limits<double>::infinity());
    } else if (l.dates) {
        // A missing date comes before every date.
        const std::optional<qint64>& v = (*l.dates)[position];
        w = v ? std::max<std::uint64_t>(ofWhole(*v), 1) : 0;
    } else if (l.flags) {
        w = (*l.flags)[position];
    } else if (l.statuses) {
        w = ofWhole(l.statusRanks[size_t(l.statuses->at(position) + 1)]);
    } else if (l.created) {
        w = ofWhole((*l.created)[position]);
    }
    return l.sort->order == SortOrder::forward ? w : ~w;
}

bool RecordOrder::less(int a, int b) {
    for (size_t i = 0; i < m_levels.size(); ++i) {
        const Level& l = level(i);
        const std::uint64_t wa = word(l, a), wb = word(l, b);
        if (wa != wb)
            return wa < wb;
    }
    return a < b;
}

void RecordOrder::sort(std::vector<int>& positions) {
    if (!std::is_sorted(positions.begin(), positions.end()))
        std::sort(positions.begin(), positions.end());
    sortRun(0, positions.begin(), positions.end());
}

// Orders positions [first, last), which hold the same for every comparator before `depth` and are in
// journal order. A comparator reads its values only for the records the ones before it could not tell
// apart, so the tie-breakers of a long list cost little when the first one decides most pairs.
void RecordOrder::sortRun(size_t depth, std::vector<int>::iterator first, std::vector<int>::iterator last) {
    if (depth == m_levels.size() || last - first < 2)
        return;
    const Level& l = level(depth);
    std::vector<std::pair<std::uint64_t, int>> run;
    run.reserve(size_t(last - first));
    for (auto it = first; it != last; ++it)
        run.emplace_back(word(l, *it), *it);
    // Equal words keep journal order: the position breaks the tie.
    std::sort(run.begin(), run.end());
    for (size_t i = 0; i < run.size(); ++i)
        first[qsizetype(i)] = run[i].second;
    for (size_t begin = 0; begin < run.size();) {
        size_t end = begin + 1;
        while (end < run.size() && run[end].first == run[begin].first)
            ++end;
        if (end - begin > 1)
            sortRun(depth + 1, first + qsizetype(begin), first + qsizetype(end));
        begin = end;
    }
}
