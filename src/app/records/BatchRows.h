#pragma once

#include "app/records/BatchTotals.h"
#include "core/journal/Batch.h"
#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

class DuplicateIndex;

namespace Records {

// The rows of batch entry, each with what it shows under it and what its record adds to the footer. A row's
// review is worked out when the row is made or typed in and kept until then: a keystroke in one row of
// thousands reviews that row alone, and only the comparison of the rows with each other (a value that an
// earlier row already holds) runs over all of them, on keys kept per row. A change of the shared values
// reviews every row again, as each record is built on them.
class BatchRows {
public:
    // `journal` and `index` must outlive the rows: the sheet holds all three. `clock` gives the moment the
    // records are made at, which reads two-digit years.
    BatchRows(const Journal& journal, const DuplicateIndex& index, Record templateRecord, Clock clock);

    const QList<BatchRow>& rows() const { return m_rows; }
    qsizetype size() const { return m_rows.size(); }
    bool isEmpty() const { return m_rows.isEmpty(); }
    const BatchRow& at(qsizetype position) const { return m_rows[position]; }
    // The row's position, or -1 when no row has the id.
    qsizetype indexOf(const QUuid& id) const { return m_positions.value(id, -1); }
    const Record& templateRecord() const { return m_template; }
    // True when some row holds more than white space.
    bool anyFilled() const;

    // The shared values changed: every row is reviewed again.
    void setTemplate(const Record& templateRecord);
    // Rows at the end, reviewed; with `dropBlank`, the blank rows go first.
    void append(const QList<BatchRow>& rows, bool dropBlank = false);
    // Takes the row out; false when no row has the id.
    bool remove(const QUuid& id);
    // Stores a cell as typed and reviews its row. Gives the positions of the rows whose lines changed: the
    // row itself, and the rows whose value now repeats, or no longer repeats, an earlier row's. Nothing for
    // an id that names no row.
    QList<qsizetype> setCell(const QUuid& rowID, const QUuid& fieldID, const QString& text);

    // The lines under a row: its values' warnings, then up to two stored records it may repeat, then each
    // unique value that an earlier row already holds.
    QStringList lines(qsizetype position) const;
    bool hasLines(qsizetype position) const;
    // The two parts of those lines: the warnings, then the possible duplicates.
    const QStringList& warnings(qsizetype position) const;
    QStringList duplicates(qsizetype position) const;
    // The duplicate lines of every row, in row order: what saving asks about.
    QStringList duplicateLines() const;
    // The records of the filled rows, counted from their reviews.
    BatchTotals totals() const;

private:
    // What one row's record gives, kept until the row or the shared values change.
    struct Review {
        bool filled = false;
        QStringList warnings;
        QStringList stored;
        // The comparison key of each repeatable field's cell, in the order of m_repeatable.
        QStringList keys;
        // The repeatable fields (positions in m_repeatable) whose value an earlier row holds.
        QList<qsizetype> repeated;
        QString groupKey;
        bool hasContent = false;
    };

    Review reviewed(const BatchRow& row) const;
    // Marks the values that repeat an earlier row's; gives the positions whose marks changed.
    QList<qsizetype> markRepeats();
    void reindex();

    const Journal& m_journal;
    const DuplicateIndex& m_index;
    const QList<FieldDef> m_repeatable; // unique and per item, in journal order
    const bool m_grouped;
    Record m_template;
    Clock m_clock;
    QList<BatchRow> m_rows;
    QList<Review> m_reviews;
    QHash<QUuid, qsizetype> m_positions;
};

} // namespace Records
