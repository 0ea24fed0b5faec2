#include "views/importing/ImportPreviewModel.h"

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Importing;

ImportPreviewModel::ImportPreviewModel(const Journal& journal, const ImportResult& result, QObject* parent)
    : QAbstractTableModel(parent), m_journal(journal), m_fields(journal.tableFields()), m_result(result) {}

const FieldDef* ImportPreviewModel::fieldAt(int column) const {
    const int i = column - firstFieldColumn;
    return i >= 0 && i < m_fields.size() ? &m_fields.at(i) : nullptr;
}

int ImportPreviewModel::rowWithID(const QUuid& rowID) const {
    // Clicks address their row by position; only callers holding an id look one up, seldom enough that a
    // table of every row's id would cost more than it saves.
    const auto found = std::find_if(m_result.rows.cbegin(), m_result.rows.cend(),
                                    [&rowID](const ImportRow& row) { return row.id == rowID; });
    return found == m_result.rows.cend() ? -1 : int(found - m_result.rows.cbegin());
}

bool ImportPreviewModel::include(const QUuid& rowID) const {
    const int row = rowWithID(rowID);
    return row >= 0 && m_result.rows.at(row).include;
}

void ImportPreviewModel::setInclude(const QUuid& rowID, bool include) {
    if (const int row = rowWithID(rowID); row >= 0)
        setIncludeAt(row, include);
}

void ImportPreviewModel::setIncludeAt(int at, bool include) {
    const ImportRow& current = m_result.rows.at(at);
    if (current.error() || current.include == include)
        return;
    m_result.rows[at].include = include;
    const QModelIndex changed = index(at, includeColumn);
    emit dataChanged(changed, changed, {Qt::CheckStateRole});
    emit includesChanged();
}

void ImportPreviewModel::releaseRows() {
    beginResetModel();
    m_result.rows = QList<ImportRow>();
    endResetModel();
}

void ImportPreviewModel::applyPreset(ImportPreview::Preset preset) {
    if (m_result.rows.isEmpty())
        return;
    for (ImportRow& row : m_result.rows)
        row.include = ImportPreview::presetIncludes(preset, row);
    emit dataChanged(index(0, includeColumn), index(rowCount() - 1, includeColumn), {Qt::CheckStateRole});
    emit includesChanged();
}

int ImportPreviewModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_result.rows.size());
}

int ImportPreviewModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : remarksColumn() + 1;
}

CellContent ImportPreviewModel::cell(const ImportRow& row, int column) const {
    switch (column) {
    case lineColumn: {
        CellContent content;
        content.text = QString::number(row.line);
        content.equalWidthDigits = true;
        return content;
    }
    case checkColumn:
        return ImportPreview::checkCell(row);
    case statusColumn:
        return StatusBadge::content(m_journal.status(row.record.statusID));
    default:
        if (const FieldDef* field = fieldAt(column))
            return FieldCell::content(m_journal, row.record, *field);
        return ImportPreview::remarksCell(row);
    }
}

QVariant ImportPreviewModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ImportRow& row = m_result.rows.at(index.row());
    if (index.column() == includeColumn) {
        if (role == Qt::CheckStateRole)
            return row.include && !row.error() ? Qt::Checked : Qt::Unchecked;
        return {};
    }
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != CellContentRole)
        return {};
    return cellData(cell(row, index.column()), role);
}

QVariant ImportPreviewModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 || section >= columnCount())
        return {};
    switch (section) {
    case includeColumn:
        return u"Импорт"_s;
    case lineColumn:
        return u"Стр."_s;
    case checkColumn:
        return u"Проверка"_s;
    case statusColumn:
        return u"Статус"_s;
    default:
        if (const FieldDef* field = fieldAt(section))
            return field->name;
        return u"Замечания"_s;
    }
}

Qt::ItemFlags ImportPreviewModel::flags(const QModelIndex& index) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return Qt::NoItemFlags;
    // Nothing is selectable: the only thing the user changes is the check box, and only where the row
    // can be imported at all.
    if (index.column() == includeColumn && m_result.rows.at(index.row()).error())
        return Qt::ItemNeverHasChildren;
    if (index.column() == includeColumn)
        return Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemNeverHasChildren;
    return Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

bool ImportPreviewModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid) ||
        index.column() != includeColumn || role != Qt::CheckStateRole || !(flags(index) & Qt::ItemIsEnabled))
        return false;
    setIncludeAt(index.row(), value.toInt() == Qt::Checked);
    return true;
}
