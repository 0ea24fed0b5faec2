#include "views/records/RecordsTableModel.h"

using namespace Records;

void RecordsTableModel::setContent(const Journal& journal, const QList<RecordsColumn>& columns,
                                   const std::vector<int>& rows) {
    beginResetModel();
    m_journal = journal;
    m_columns = columns;
    m_rows = rows;
    endResetModel();
}

QUuid RecordsTableModel::idAt(int row) const {
    return row >= 0 && size_t(row) < m_rows.size() ? m_journal.records[m_rows[size_t(row)]].id : QUuid();
}

int RecordsTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_rows.size());
}

int RecordsTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_columns.size());
}

QVariant RecordsTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Record& record = m_journal.records[m_rows[size_t(index.row())]];
    if (role == Qt::UserRole)
        return record.id;
    // The delegate asks for many roles per cell; only these carry anything.
    if (role != Qt::DisplayRole && role != Qt::ToolTipRole && role != CellContentRole)
        return {};
    return cellData(RecordsTable::cell(m_journal, record, m_columns[index.column()]), role);
}

QVariant RecordsTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return m_columns[section].header;
    return {};
}
