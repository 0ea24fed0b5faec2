#pragma once

#include "app/cells/CellContent.h"
#include "app/kit/ColumnWidths.h"

#include "core/journal/RecordSort.h"
#include "core/model/Model.h"

#include <QList>
#include <QString>

#include <optional>

namespace Records {

// One column of the records table: what it shows, its header, its widths, and the criterion a click on
// its header brings to the front of the sort order.
struct RecordsColumn {
    enum class Kind { status, field };

    Kind kind = Kind::status;
    FieldDef field; // the field shown, for Kind::field
    QString header;
    int minWidth = 0;
    int idealWidth = 0;
    RecordSort sort;

    bool operator==(const RecordsColumn&) const = default;
};

namespace RecordsTable {

// The status column, then one column per field shown in the table, in journal order.
QList<RecordsColumn> columns(const Journal& journal);
// The narrowest a column of the type may be made.
int minWidth(FieldType type);
// The width a column starts with: wider for the title field, else by its type.
int idealWidth(const FieldDef& field, const Journal& journal);
// The column's widths for fitting the table. The status column shrinks with the texts, yet never below
// `widestBadge`, the width its widest status takes as drawn: the status is what a user scans first. The
// title field's column is the text a row is known by: it gives up its room last.
ColumnWidths::Column widths(const RecordsColumn& column, const Journal& journal, int widestBadge);
// What the record shows in the column.
CellContent cell(const Journal& journal, const Record& record, const RecordsColumn& column);

// The sort order after a click on a column's header: the leading criterion's own column toggles its
// direction; any other column's criterion moves to the front going forward, and the rest stay behind it
// to break ties.
QList<RecordSort> clickedHeader(QList<RecordSort> order, const RecordSort& column);
// The sort order read against the journal as it is now: the status criterion ranks the current statuses,
// a field criterion reads its field by the field's current type.
QList<RecordSort> current(QList<RecordSort> order, const Journal& journal);

// Where the header shows the sort indicator: the column of the leading criterion and its direction;
// nothing while the creation time, which has no column, leads.
struct SortIndicator {
    int column = 0;
    SortOrder order = SortOrder::forward;
    bool operator==(const SortIndicator&) const = default;
};
std::optional<SortIndicator> indicator(const QList<RecordSort>& order, const QList<RecordsColumn>& columns);

} // namespace RecordsTable

} // namespace Records
