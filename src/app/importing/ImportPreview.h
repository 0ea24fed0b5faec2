#pragma once

#include "app/cells/CellContent.h"
#include "app/kit/ColumnWidths.h"

#include "core/csv/CSVImport.h"
#include "core/model/Model.h"

#include <QString>
#include <QStringList>

#include <array>

namespace Importing {

// What the import preview shows and how its buttons choose rows, worked out without any widget.
namespace ImportPreview {

// The table's fixed leading columns; the journal's table fields follow, then the remarks.
enum Column { includeColumn, lineColumn, checkColumn, statusColumn, firstFieldColumn };

// How the table's columns share its width, in the table's order, `fields` being the table fields shown.
// The check box and the line keep theirs; the fields give up room as the records table's do; the check and
// the remarks are what the user decides on: only once the data gave theirs do these give what they have
// beyond their ideals, and then the table scrolls sideways. The status column is never narrower than
// `widestBadge`, the width its widest status takes as drawn.
QList<ColumnWidths::Column> columnWidths(const QList<FieldDef>& fields, int widestBadge);

// The sheet's title: the target journal and the chosen file.
QString title(const QString& journalName, const QString& fileName);

// One figure above the table: its caption and its count, grouped in thousands ("12 000").
struct SummaryTile {
    QString title;
    QString count;
    bool operator==(const SummaryTile&) const = default;
};
// The figures in the order shown: all rows, the new ones, the duplicates, those with errors, and the rows
// to be imported (included and without an error).
std::array<SummaryTile, 5> summaryTiles(const ImportResult& result);

// The line under the tiles: the header titles taken as columns and, when there are any, those left out.
QString columnsLine(const QStringList& recognized, const QStringList& ignored);

// The caption beside the preset buttons.
QString duplicatesHint();

// The import button for n rows to import, and the notice once they are stored.
QString importButtonTitle(qsizetype n, const NounForms& itemNoun);
QString importedMessage(qsizetype n, const NounForms& itemNoun);

// The preset buttons, each setting every row's choice at once.
enum class Preset {
    onlyNew, // "Только новые": the rows without an error or a duplicate finding, as on opening
    withDuplicates, // "Включить и дубли": every row without an error
    none,           // "Снять все"
};
QString presetTitle(Preset preset);
bool presetIncludes(Preset preset, const ImportRow& row);

// The check column: the row's check text in red for an error, green for a new row, orange for a
// duplicate; the help adds the row's warnings, one per line.
CellContent checkCell(const ImportRow& row);
// The remarks column: the warnings on one line, faded; the help lists them one per line.
CellContent remarksCell(const ImportRow& row);

} // namespace ImportPreview

} // namespace Importing
