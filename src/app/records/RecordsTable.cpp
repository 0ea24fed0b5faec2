#include "app/records/RecordsTable.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Records {

QList<RecordsColumn> RecordsTable::columns(const Journal& journal) {
    QList<RecordsColumn> columns;
    columns.append(
        RecordsColumn{RecordsColumn::Kind::status, {}, u"Статус"_s, 90, 115, RecordSort::byStatus(journal)});
    for (const FieldDef& field : journal.tableFields()) {
        columns.append(RecordsColumn{RecordsColumn::Kind::field, field, field.name, minWidth(field.type),
                                     idealWidth(field, journal), RecordSort::byField(field)});
    }
    return columns;
}

int RecordsTable::minWidth(FieldType type) {
    switch (type) {
    case FieldType::text:
    case FieldType::longText:
    case FieldType::choice:
        return 60;
    case FieldType::number:
        return 50;
    case FieldType::date:
    case FieldType::link:
        return 70;
    case FieldType::checkbox:
        return 40;
    }
    return 60;
}

int RecordsTable::idealWidth(const FieldDef& field, const Journal& journal) {
    if (const std::optional<FieldDef> title = journal.titleField(); title && title->id == field.id)
        return 170;
    switch (field.type) {
    case FieldType::text:
        return 115;
    case FieldType::longText:
        return 200;
    case FieldType::number:
        return 75;
    case FieldType::date:
        return 95;
    case FieldType::link:
        return 90;
    case FieldType::choice:
        return 110;
    case FieldType::checkbox:
        return 50;
    }
    return 115;
}

ColumnWidths::Column RecordsTable::widths(const RecordsColumn& column, const Journal& journal,
                                          int widestBadge) {
    if (column.kind == RecordsColumn::Kind::status)
        return {.minimum = std::max(column.minWidth, widestBadge), .ideal = column.idealWidth};
    ColumnWidths::Column widths =
        ColumnWidths::forField(column.field.type, column.minWidth, column.idealWidth);
    const std::optional<FieldDef> title = journal.titleField();
    if (title && title->id == column.field.id) {
        widths.round = ColumnWidths::titleRound;
        widths.givesOnlyToFit = true;
    }
    return widths;
}

CellContent RecordsTable::cell(const Journal& journal, const Record& record, const RecordsColumn& column) {
    if (column.kind == RecordsColumn::Kind::status)
        return StatusBadge::content(journal.status(record.statusID));
    return FieldCell::content(journal, record, column.field);
}

QList<RecordSort> RecordsTable::clickedHeader(QList<RecordSort> order, const RecordSort& column) {
    if (!order.isEmpty() && order.first().key == column.key) {
        RecordSort& leading = order.first();
        leading.order = leading.order == SortOrder::forward ? SortOrder::reverse : SortOrder::forward;
        return order;
    }
    order.removeIf([&](const RecordSort& sort) { return sort.key == column.key; });
    RecordSort front = column;
    front.order = SortOrder::forward;
    order.prepend(front);
    return order;
}

QList<RecordSort> RecordsTable::current(QList<RecordSort> order, const Journal& journal) {
    const RecordSort byStatus = RecordSort::byStatus(journal);
    for (RecordSort& sort : order) {
        switch (sort.key.kind) {
        case RecordSort::Key::Kind::status:
            sort.statusRanks = byStatus.statusRanks;
            break;
        case RecordSort::Key::Kind::field:
            if (const std::optional<FieldDef> field = journal.field(sort.key.fieldID))
                sort.key.fieldType = field->type;
            break;
        case RecordSort::Key::Kind::created:
            break;
        }
    }
    return order;
}

std::optional<RecordsTable::SortIndicator> RecordsTable::indicator(const QList<RecordSort>& order,
                                                                   const QList<RecordsColumn>& columns) {
    if (order.isEmpty())
        return std::nullopt;
    for (int i = 0; i < columns.size(); ++i) {
        if (columns[i].sort.key == order.first().key)
            return SortIndicator{i, order.first().order};
    }
    return std::nullopt;
}

} // namespace Records
