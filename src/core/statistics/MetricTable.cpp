#include "core/statistics/MetricTable.h"

#include "core/journal/NaturalOrder.h"
#include "core/statistics/MetricColumns.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <limits>
#include <numeric>
#include <span>

using namespace Qt::StringLiterals;
using namespace MetricColumns;

namespace {

// The groups already met by one tally: a group is met when its mark holds the tally's stamp, so tallies
// follow one another without clearing the marks.
class Marks {
public:
    explicit Marks(qint32 groups) : m_marks(std::size_t(groups), 0) {}

    void next() { ++m_stamp; }
    bool meet(qint32 group) {
        quint32& mark = m_marks[std::size_t(group)];
        if (mark == m_stamp)
            return false;
        mark = m_stamp;
        return true;
    }

private:
    std::vector<quint32> m_marks;
    quint32 m_stamp = 0;
};

// The running value of one metric over the records it counts.
struct Tally {
    qsizetype count = 0;
    qsizetype groups = 0;
    double total = 0;      // of the numbers in the sum field; absent numbers add nothing
    qsizetype numbers = 0; // how many records had one

    double value(MetricKind kind) const {
        switch (kind) {
        case MetricKind::count:
            return double(count);
        case MetricKind::uniqueGroups:
            return double(groups);
        case MetricKind::sum:
            return total;
        case MetricKind::average:
            return numbers == 0 ? 0 : total / double(numbers);
        case MetricKind::difference:
        case MetricKind::ratio:
            return 0;
        }
        return 0;
    }
};

// Whether the record at position i passes the metric's three filters; they are independent, so their
// order does not change which records pass.
struct Filter {
    Filter(const Table& table, const MetricPlan& plan, const Bounds& bounds)
        : plan(plan), bounds(bounds), status(table.status.data()),
          when(plan.dates >= 0 ? table.dates[std::size_t(plan.dates)] : table.created),
          keys(plan.filter >= 0 ? table.keys[std::size_t(plan.filter)].codes.data() : nullptr) {}

    bool passes(qsizetype i) const {
        return (!plan.status || status[i] == *plan.status) && bounds.contains(when.state[i], when.msecs[i]) &&
               (!keys || keys[i] == plan.wanted);
    }

    const MetricPlan& plan;
    const Bounds& bounds;
    const qint32* status;
    const MomentColumn& when;
    const qint32* keys;
};

template <typename Rows>
Tally tally(const Table& table, const MetricPlan& plan, const Rows& rows, const Bounds& bounds,
            Marks& marks) {
    const Filter filter(table, plan, bounds);
    const NumberColumn* numbers = plan.numbers >= 0 ? &table.numbers[std::size_t(plan.numbers)] : nullptr;
    const qint32* groups = table.groups.data();
    marks.next();
    Tally out;
    for (const qsizetype i : rows) {
        if (!filter.passes(i))
            continue;
        ++out.count;
        if (marks.meet(groups[i]))
            ++out.groups;
        if (numbers && numbers->present[std::size_t(i)]) {
            out.total += numbers->values[std::size_t(i)];
            ++out.numbers;
        }
    }
    return out;
}

// The value of every metric over the rows, and the groups each counted, in metric order.
template <typename Rows>
void measure(const Table& table, const Rows& rows, const Bounds& bounds, Marks& marks,
             std::vector<double>& values, std::vector<qsizetype>& groups) {
    const std::size_t count = table.plans.size();
    values.assign(count, 0);
    groups.assign(count, 0);
    for (std::size_t m = 0; m < count; ++m) {
        const MetricPlan& plan = table.plans[m];
        if (isFormula(plan.kind))
            continue;
        const Tally t = tally(table, plan, rows, bounds, marks);
        values[m] = t.value(plan.kind);
        groups[m] = t.groups;
    }
    // Formulas read the values as they stand: a formula before this one has its final value already, a
    // later one (or this one itself) still reads 0.
    const auto operand = [&values](qint32 at) { return at >= 0 ? values[std::size_t(at)] : 0; };
    for (std::size_t m = 0; m < count; ++m) {
        const MetricPlan& plan = table.plans[m];
        const double a = operand(plan.operandA), b = operand(plan.operandB);
        if (plan.kind == MetricKind::difference)
            values[m] = a - b;
        else if (plan.kind == MetricKind::ratio)
            values[m] = b != 0 ? a / b * 100 : 0;
    }
}

// Every row's position, 0 to size − 1, walked like a list of positions.
struct AllRows {
    struct Position {
        qsizetype at;
        qsizetype operator*() const { return at; }
        Position& operator++() {
            ++at;
            return *this;
        }
        bool operator!=(const Position& other) const { return at != other.at; }
    };
    qsizetype size;
    Position begin() const { return {0}; }
    Position end() const { return {size}; }
};

AllRows allRows(const Table& table) {
    return {table.size};
}

// A key per value whose ascending order is the values' order greater first, 0 and -0 alike and
// not-a-number (possible after an overflow) last, so the sort stays well defined whatever the values are.
quint64 descendingKey(double value) {
    if (std::isnan(value))
        return std::numeric_limits<quint64>::max();
    const auto bits = std::bit_cast<quint64>(value == 0 ? 0.0 : value);
    const quint64 ascending = bits >> 63 ? ~bits : bits | (quint64(1) << 63);
    return ~ascending;
}

// Every row holds one value per metric. Sorting positions over one flat array of keys for the values
// moves and compares plain numbers; then each run of rows whose values are all equal is sorted by title,
// through keys made once per title (`titleKey` of a row's position). A tie of titles keeps the rows'
// order.
template <typename TitleKey>
void sortRows(QList<BreakdownRow>& rows, std::size_t width, const TitleKey& titleKey) {
    std::vector<quint64> keys;
    keys.reserve(std::size_t(rows.size()) * width);
    for (const BreakdownRow& row : std::as_const(rows)) {
        for (const double value : row.values)
            keys.push_back(descendingKey(value));
    }
    const auto valuesOf = [&](qint32 at) { return keys.data() + std::size_t(at) * width; };
    const auto sameValues = [&](qint32 a, qint32 b) {
        return std::equal(valuesOf(a), valuesOf(a) + width, valuesOf(b));
    };
    std::vector<qint32> order(std::size_t(rows.size()));
    std::iota(order.begin(), order.end(), 0);
    // The position last makes the order total, as a stable sort would leave it.
    std::sort(order.begin(), order.end(), [&](qint32 a, qint32 b) {
        const quint64* x = valuesOf(a);
        const quint64* y = valuesOf(b);
        for (std::size_t i = 0; i < width; ++i) {
            if (x[i] != y[i])
                return x[i] < y[i];
        }
        return a < b;
    });
    for (auto run = order.begin(); run != order.end();) {
        const auto end = std::find_if(run + 1, order.end(), [&](qint32 at) { return !sameValues(*run, at); });
        if (end - run > 1) {
            std::stable_sort(run, end,
                             [&](qint32 a, qint32 b) { return titleKey(a).compare(titleKey(b)) < 0; });
        }
        run = end;
    }
    QList<BreakdownRow> sorted;
    sorted.reserve(rows.size());
    for (const qint32 at : order)
        sorted.append(std::move(rows[at]));
    rows = std::move(sorted);
}

} // namespace

// The records grouped by the comparison key of one field's display text.
struct MetricTable::Split {
    std::size_t column;         // of the table's key columns
    std::vector<qint32> starts; // where each key's records begin in rows, and the end of the last
    std::vector<qint32> rows;   // record positions, key by key, each key's in record order
    // The sort key of each key's row title, made when rows of equal values first need it.
    std::vector<std::optional<NaturalSortKey>> titleKeys;
};

MetricTable::MetricTable(const Journal& journal, const QList<FieldDef>& breakdownFields)
    : MetricTable(journal, journal.records, breakdownFields) {}

MetricTable::MetricTable(const Journal& journal, const QList<Record>& records,
                         const QList<FieldDef>& breakdownFields)
    : m_journal(journal), m_columns(std::make_unique<Table>(journal, records, breakdownFields)) {
    m_journal.records = records;
}

MetricTable::MetricTable() : MetricTable(Journal{}) {}

MetricTable::MetricTable(MetricTable&&) noexcept = default;
MetricTable& MetricTable::operator=(MetricTable&&) noexcept = default;
MetricTable::~MetricTable() = default;

qsizetype MetricTable::groupCount() const {
    return m_columns->groupCount;
}

namespace {

// Whether a table of the one journal reads the other's records the same way: its metrics, and the fields
// and title field that values, group keys and breakdowns are read by, are the same. A new name, hint or
// report template changes nothing here.
bool readsAlike(const Journal& a, const Journal& b) {
    return a.metrics == b.metrics && a.fields == b.fields && a.titleFieldID == b.titleFieldID;
}

} // namespace

void MetricTable::update(const Journal& journal, const QList<FieldDef>& breakdownFields) {
    if (!readsAlike(m_journal, journal)) {
        *this = MetricTable(journal, breakdownFields);
        return;
    }
    const RecordChanges changes = RecordChanges::between(m_journal.records, journal.records);
    if (!changes.none()) {
        m_columns->follow(journal, m_journal.records, journal.records, changes);
        m_splits.clear();
    }
    m_journal = journal;
}

QList<MetricResult> MetricTable::compute(const std::optional<DateInterval>& interval) const {
    const Table& table = *m_columns;
    Marks marks(table.groupNumbers);
    std::vector<double> values;
    std::vector<qsizetype> groups;
    measure(table, allRows(table), Bounds(interval), marks, values, groups);
    QList<MetricResult> results;
    results.reserve(m_journal.metrics.size());
    for (qsizetype m = 0; m < m_journal.metrics.size(); ++m)
        results.append(MetricResult{m_journal.metrics[m], values[std::size_t(m)], groups[std::size_t(m)]});
    return results;
}

QList<Record> MetricTable::records(qsizetype metric, const std::optional<DateInterval>& interval) const {
    const Table& table = *m_columns;
    const Bounds bounds(interval);
    const Filter filter(table, table.plans.at(std::size_t(metric)), bounds);
    QList<Record> kept;
    for (const qsizetype i : allRows(table)) {
        if (filter.passes(i))
            kept.append(m_journal.records[i]);
    }
    return kept;
}

MetricTable::Split& MetricTable::split(const FieldDef& field) {
    std::vector<KeyColumn>& columns = m_columns->keys;
    for (const auto& known : m_splits) {
        if (columns[known->column].reads(field))
            return *known;
    }
    const std::size_t at = m_columns->keyColumn(field, m_journal, m_journal.records);
    const KeyColumn* column = &columns[at];
    auto made = std::make_unique<Split>(Split{at, {}, {}, {}});
    made->titleKeys.resize(std::size_t(column->keys.size()));
    // A counting sort by key keeps each key's records in their order.
    const std::vector<qint32>& codes = column->codes;
    std::vector<qint32>& starts = made->starts;
    starts.assign(std::size_t(column->keys.size()) + 1, 0);
    for (const qint32 code : codes)
        ++starts[std::size_t(code) + 1];
    std::partial_sum(starts.begin(), starts.end(), starts.begin());
    std::vector<qint32> next(starts.begin(), starts.end() - 1);
    made->rows.resize(codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i)
        made->rows[std::size_t(next[std::size_t(codes[i])]++)] = qint32(i);
    m_splits.push_back(std::move(made));
    return *m_splits.back();
}

QList<BreakdownRow> MetricTable::breakdown(const FieldDef& field,
                                           const std::optional<DateInterval>& interval) {
    if (m_journal.metrics.isEmpty())
        return {};
    Split& split = this->split(field);
    const Table& table = *m_columns;
    const KeyColumn& keys = table.keys[split.column];
    const Bounds bounds(interval);
    Marks marks(table.groupNumbers);
    std::vector<double> values;
    std::vector<qsizetype> groups;
    QList<BreakdownRow> rows;
    std::vector<qint32> keyOfRow;
    for (qsizetype k = 0; k < keys.keys.size(); ++k) {
        const auto begin = split.rows.begin() + split.starts[std::size_t(k)];
        const auto end = split.rows.begin() + split.starts[std::size_t(k) + 1];
        measure(table, std::span(begin, end), bounds, marks, values, groups);
        // A key none of whose values differs from 0 (a negative zero is 0 too) gives no row.
        if (std::all_of(values.cbegin(), values.cend(), [](double v) { return v == 0; }))
            continue;
        const QString& title = keys.titles[k];
        rows.append(BreakdownRow{keys.keys[k], title.isEmpty() ? u"Не указано"_s : title,
                                 QList<double>(values.cbegin(), values.cend())});
        keyOfRow.push_back(qint32(k));
    }
    sortRows(rows, values.size(), [&](qint32 row) -> const NaturalSortKey& {
        std::optional<NaturalSortKey>& key = split.titleKeys[std::size_t(keyOfRow[std::size_t(row)])];
        if (!key)
            key.emplace(rows[row].title);
        return *key;
    });
    return rows;
}
