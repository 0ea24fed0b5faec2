#pragma once

#include "app/records/RecordsTable.h"

#include <QAbstractTableModel>
#include <QList>
#include <QUuid>

#include <vector>

// The rows of the records table: the records the tab shows, in its order, one column per RecordsColumn.
// Rows are positions in the journal's records, so that showing many records copies none of them. Cells
// come as CellContent for the shared cell delegate; Qt::UserRole holds the record's id.
class RecordsTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    // Shows new rows (positions in the journal's records) and columns in one reset.
    void setContent(const Journal& journal, const QList<Records::RecordsColumn>& columns,
                    const std::vector<int>& rows);

    QUuid idAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    Journal m_journal;
    QList<Records::RecordsColumn> m_columns;
    std::vector<int> m_rows;
};
