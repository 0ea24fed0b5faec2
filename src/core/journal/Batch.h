#pragma once

#include "core/model/Model.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

// One row of batch entry: a cell text per per-item field. A field without an entry is an empty cell.
struct BatchRow {
    QUuid id;
    QHash<QUuid, QString> values;

    // True when every cell is blank (white space and line breaks only); a row without cells is empty.
    bool isEmpty() const;

    bool operator==(const BatchRow&) const = default;
};

size_t qHash(const BatchRow& row, size_t seed = 0);

// Turning the quick lists of batch entry into rows, and rows into finished records.
namespace BatchBuilder {

// Items separated by ",", ";", line feeds or tabs; when the text holds none of these, by blanks.
QStringList parseSizes(const QString& text);
// Items separated by white space or line breaks, each stripped of "," and ";" at both ends.
QStringList parseLinks(const QString& text);
// One item per line.
QStringList parseLines(const QString& text);

// One row per position of the longest list, each list split by its field's type; a shorter list leaves
// its field's cell empty in the later rows. Every row gets a new id. A number list that holds line feeds
// or tabs (pasted from a table) is parted at those and ";" only, its commas being decimal commas; a typed
// number list parted by ";" or by a comma outside a number keeps each comma between two digits as a
// decimal comma; a list of bare commas parts at each of them.
QList<BatchRow> makeRows(const QHash<QUuid, QString>& lists, const QList<FieldDef>& fields);

struct Records {
    QList<Record> records;
    QStringList warnings;
};

// One record per non-empty row: a copy of the template with a new id, created and updated at `now`, its
// per-item fields assigned from the row's cells and then normalised. A blank link cell keeps the
// template's link; any other blank cell clears its field. The warnings of all cells come in row order.
Records makeRecords(const Journal& journal, const Record& templateRecord, const QList<BatchRow>& rows,
                    const QDateTime& now);

} // namespace BatchBuilder
