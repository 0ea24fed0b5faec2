#pragma once

#include "core/journal/RecordChanges.h"
#include "core/model/Model.h"
#include "core/statistics/Numbering.h"
#include "core/statistics/ReportPeriod.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What the metrics of a journal look at in its records, read once into one flat column per value, so
// that counting a range is a walk over arrays. Looking a value up in a record's map of values chases
// tree nodes and id texts scattered over the heap, and with tens of thousands of records those cache
// misses, not the arithmetic, are what a computation costs. Columns are indexed by the record's position.
namespace MetricColumns {

// How a stored moment orders: QDateTime puts an invalid moment before every valid one and equal to
// another invalid one; a missing date never lies in any range, not even in all time.
enum class Moment : std::uint8_t { missing, invalid, valid };

struct MomentColumn {
    std::vector<Moment> state;
    std::vector<qint64> msecs; // since the epoch, for valid moments

    void append(const std::optional<QDateTime>& moment);
};

// A range as the loops test it, with QDateTime's order (start <= moment < end) kept exactly.
class Bounds {
public:
    explicit Bounds(const std::optional<DateInterval>& interval);

    bool contains(Moment state, qint64 msecs) const {
        if (state == Moment::valid)
            return m_all || (m_endValid && m_from <= msecs && msecs < m_end);
        return state == Moment::invalid && (m_all || m_invalidInside);
    }

private:
    bool m_all = true;
    bool m_endValid = false;      // a valid moment lies before the end
    bool m_invalidInside = false; // an invalid moment lies in the range: the start is invalid, the end not
    qint64 m_from = 0;            // the least valid moment at or after the start
    qint64 m_end = 0;
};

// The numbers stored under one value key.
struct NumberColumn {
    std::vector<double> values;
    std::vector<std::uint8_t> present; // 1 where the record's entry carries a number

    void append(const std::optional<double>& number);
};

// Each record's comparison key of one field's display text, as a number: records with equal keys share
// it, numbered in the order their key first appears. The column keeps what it numbered, so that records
// read later get the same numbers for the same keys.
struct KeyColumn {
    QUuid fieldID;
    FieldType type = FieldType::text; // the type the display texts were read by
    std::vector<qint32> codes;
    std::vector<qint32> texts; // each record's display text, by its number among the texts met
    QStringList keys;          // by number
    QStringList titles;        // by number: the first non-empty display text with that key, in record order

    explicit KeyColumn(const FieldDef& field) : fieldID(field.id), type(field.type) {}
    // The column of the field over all the records.
    static KeyColumn read(const FieldDef& field, const Journal& journal, const QList<Record>& records);
    bool reads(const FieldDef& field) const { return field.id == fieldID && field.type == type; }

    // Adds the next record's display text. Texts repeat (a client, a channel), so each distinct display
    // text is normalised once.
    void add(const QString& displayText);
    // The keys and titles of the records added.
    void finish();

private:
    Statistics::TextNumbers m_displayTexts;
    std::vector<qint32> m_keyOfText; // by display text number
    Statistics::TextNumbers m_keys;
};

// What one metric needs: the columns it reads, by position in the table's lists; -1 for none.
struct MetricPlan {
    MetricKind kind = MetricKind::count;
    std::optional<qint32> status;        // the status number a record must have
    qint32 dates = -1;                   // the date column; none means the creation time
    qint32 filter = -1;                  // the key column of the value filter
    qint32 wanted = -1;                  // the key number the value filter keeps; -1 when no record has it
    qint32 numbers = -1;                 // the number column summed
    qint32 operandA = -1, operandB = -1; // positions of a formula's operands in the metric list
};

// The columns of one journal's records and the plans of its metrics.
struct Table {
    // Reads the key columns of the value filters and of the other fields given.
    Table(const Journal& journal, const QList<Record>& records, const QList<FieldDef>& keyFields);
    ~Table();
    Table(const Table&) = delete;
    Table& operator=(const Table&) = delete;

    // Brings the columns from the records `before`, which they were read from, to the next `records` of
    // the same journal, its fields and metrics unchanged: the values of the records that stayed are moved
    // to their new positions, and only the fresh records are read.
    void follow(const Journal& journal, const QList<Record>& before, const QList<Record>& records,
                const RecordChanges& changes);
    // The position of the field's key column, read over the records when there is none yet.
    std::size_t keyColumn(const FieldDef& field, const Journal& journal, const QList<Record>& records);

    qsizetype size = 0;
    // The record's status number: its position among the statuses the metrics filter by; -1 for any other.
    std::vector<qint32> status;
    QList<QUuid> statusIDs;
    MomentColumn created;
    std::vector<MomentColumn> dates;
    std::vector<NumberColumn> numbers;
    std::vector<KeyColumn> keys;   // of the value filters' fields and of the fields given
    std::vector<qint32> groups;    // the number of the record's group key, in the order keys first appear
    qint32 groupNumbers = 0;       // the group numbers given so far, some perhaps to records now gone
    qsizetype groupCount = 0;      // the distinct group keys among the records
    std::vector<MetricPlan> plans; // one per metric of the journal, in its order

private:
    class Groups;

    // Reads every column's value of the next record but its group.
    void append(const Journal& journal, const Record& record);
    // What follows from the records read: titles, the value filters' key numbers, the group count.
    void finish(const Journal& journal);

    QStringList m_dateKeys, m_numberKeys;
    QList<FieldDef> m_keyedFields; // the fields of the key columns, in their order
    std::unique_ptr<Groups> m_groups;
};

} // namespace MetricColumns
