#include "core/journal/RecordSort.h"

#include "core/journal/NaturalOrder.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace {

using Kind = RecordSort::Key::Kind;

// What one record gives for one key; only the member that the key reads is filled.
struct SortValue {
    double number = 0;          // a number field: a missing number reads as minus infinity
    std::optional<qint64> date; // a date field: a missing date comes before every date
    qint64 whole = 0;           // a checkbox (0 or 1), a status rank (-1 without one), a creation time
    std::optional<NaturalSortKey> text; // a text-like field: a missing text reads as the empty text
};

// The key reads the value stored for the field by the type it carries, not the field's current type.
SortValue sortValue(const RecordSort& sort, const QString& fieldKey, const Record& r) {
    SortValue v;
    switch (sort.key.kind) {
    case Kind::status:
        v.whole = r.statusID ? sort.statusRanks.value(*r.statusID, -1) : -1;
        break;
    case Kind::created:
        v.whole = r.createdAt.toMSecsSinceEpoch();
        break;
    case Kind::field:
        switch (sort.key.fieldType) {
        case FieldType::number:
            v.number = r.number(fieldKey).value_or(-std::numeric_limits<double>::infinity());
            break;
        case FieldType::date:
            if (const auto d = r.date(fieldKey))
                v.date = d->toMSecsSinceEpoch();
            break;
        case FieldType::checkbox:
            v.whole = r.flag(fieldKey) ? 1 : 0;
            break;
        case FieldType::text:
        case FieldType::longText:
        case FieldType::link:
        case FieldType::choice:
            v.text.emplace(r.text(fieldKey));
            break;
        }
        break;
    }
    return v;
}

// A total order on doubles, so that a sort stays well defined: NaN comes before every number.
std::weak_ordering compareNumbers(double a, double b) {
    const bool nanA = std::isnan(a), nanB = std::isnan(b);
    if (nanA != nanB)
        return nanA ? std::weak_ordering::less : std::weak_ordering::greater;
    if (nanA)
        return std::weak_ordering::equivalent;
    return a < b   ? std::weak_ordering::less
           : b < a ? std::weak_ordering::greater
                   : std::weak_ordering::equivalent;
}

std::weak_ordering compareForward(const RecordSort::Key& key, const SortValue& a, const SortValue& b) {
    if (key.kind != Kind::field)
        return a.whole <=> b.whole;
    switch (key.fieldType) {
    case FieldType::number:
        return compareNumbers(a.number, b.number);
    case FieldType::date:
        return a.date <=> b.date; // an empty optional comes first
    case FieldType::checkbox:
        return a.whole <=> b.whole;
    case FieldType::text:
    case FieldType::longText:
    case FieldType::link:
    case FieldType::choice:
        return a.text->compare(*b.text) <=> 0;
    }
    return std::weak_ordering::equivalent;
}

std::weak_ordering directed(SortOrder order, std::weak_ordering forward) {
    return order == SortOrder::forward ? forward : 0 <=> forward;
}

QString fieldKeyOf(const RecordSort& sort) {
    return sort.key.kind == Kind::field ? fieldKey(sort.key.fieldID) : QString();
}

} // namespace

bool RecordSort::Key::operator==(const Key& other) const {
    if (kind != other.kind)
        return false;
    return kind != Kind::field || (fieldID == other.fieldID && fieldType == other.fieldType);
}

RecordSort RecordSort::initial() {
    return RecordSort{Key::created(), SortOrder::reverse, {}};
}

RecordSort RecordSort::byStatus(const Journal& journal) {
    QHash<QUuid, int> ranks;
    for (int i = 0; i < journal.statuses.size(); ++i)
        if (!ranks.contains(journal.statuses[i].id)) // a repeated id keeps its first position
            ranks.insert(journal.statuses[i].id, i);
    return RecordSort{Key::status(), SortOrder::forward, ranks};
}

RecordSort RecordSort::byField(const FieldDef& field) {
    return RecordSort{Key::field(field.id, field.type), SortOrder::forward, {}};
}

std::weak_ordering RecordSort::compare(const Record& a, const Record& b) const {
    const QString fieldKey = fieldKeyOf(*this);
    return directed(order, compareForward(key, sortValue(*this, fieldKey, a), sortValue(*this, fieldKey, b)));
}

namespace {

// Orders positions [first, last) of records that every comparator before `level` holds equal. A
// comparator reads its values only for the records that the ones before it could not tell apart, so the
// tie-breakers of a list of criteria cost little when the first one decides most pairs.
void sortRun(const QList<Record>& records, const QList<RecordSort>& comparators, qsizetype level,
             std::vector<qsizetype>::iterator first, std::vector<qsizetype>::iterator last) {
    if (level == comparators.size() || last - first < 2)
        return;
    const RecordSort& sort = comparators[level];
    const QString fieldKey = fieldKeyOf(sort);
    std::vector<std::pair<SortValue, qsizetype>> run;
    run.reserve(last - first);
    for (auto it = first; it != last; ++it)
        run.emplace_back(sortValue(sort, fieldKey, records.at(*it)), *it);
    const auto order = [&](const auto& x, const auto& y) {
        return directed(sort.order, compareForward(sort.key, x.first, y.first));
    };
    std::stable_sort(run.begin(), run.end(), [&](const auto& x, const auto& y) { return order(x, y) < 0; });
    for (qsizetype i = 0; i < qsizetype(run.size()); ++i)
        first[i] = run[i].second;
    // Each run of records this comparator holds equal goes to the next one.
    for (qsizetype begin = 0; begin < qsizetype(run.size());) {
        qsizetype end = begin + 1;
        while (end < qsizetype(run.size()) && order(run[begin], run[end]) == 0)
            ++end;
        sortRun(records, comparators, level + 1, first + begin, first + end);
        begin = end;
    }
}

} // namespace

QList<Record> RecordSort::sorted(QList<Record> records, const QList<RecordSort>& comparators) {
    if (comparators.isEmpty() || records.size() < 2)
        return records;
    std::vector<qsizetype> positions(records.size());
    std::iota(positions.begin(), positions.end(), 0);
    sortRun(records, comparators, 0, positions.begin(), positions.end());
    QList<Record> result;
    result.reserve(records.size());
    for (qsizetype p : positions)
        result.append(records.at(p));
    return result;
}

size_t qHash(const RecordSort::Key& key, size_t seed) {
    if (key.kind != RecordSort::Key::Kind::field)
        return qHashMulti(seed, int(key.kind));
    return qHashMulti(seed, int(key.kind), key.fieldID, rawValue(key.fieldType));
}

size_t qHash(const RecordSort& sort, size_t seed) {
    // The ranks are a map: combine its entries without depending on their order.
    size_t ranks = 0;
    for (auto it = sort.statusRanks.cbegin(); it != sort.statusRanks.cend(); ++it)
        ranks += qHashMulti(0, it.key(), it.value());
    return qHashMulti(seed, sort.key, int(sort.order), ranks);
}
