#pragma once

#include "app/kit/ColumnWidths.h"

#include <QList>
#include <QMap>
#include <QMetaObject>
#include <QObject>

class QTableView;

// Keeps a table's columns at widths that fit its viewport: each column's ideal grows to what its header
// and the rows in view need in the table's fonts, and the columns shrink toward their minimums when the
// table is too narrow for the ideals, or, when even that would not spare the sideways scroll, toward
// what their headers need. Only the rows in view are measured, so a journal of any length costs the same;
// a need once seen is kept, so columns do not narrow while the user scrolls or types. A width the user
// drags stays until new columns are set.
class ColumnFitter : public QObject {
    Q_OBJECT
public:
    explicit ColumnFitter(QTableView* table);

    // New columns, one per column of the table's model: what was measured and dragged is forgotten.
    void setColumns(const QList<ColumnWidths::Column>& columns);
    // The same columns with other widths (a status renamed widens the status column): what was measured
    // and dragged stays.
    void reviseColumns(const QList<ColumnWidths::Column>& columns);
    // Measures the rows in view and fits the columns to the viewport again.
    void refit();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool matchesModel() const;
    void measure();
    void sectionResized(int section, int oldSize, int size);

    QTableView* m_table;
    // Kept apart: events reach the filter while the table is being destroyed, when it can no longer be
    // asked for its viewport.
    QWidget* m_viewport;
    QMetaObject::Connection m_reset;
    QList<ColumnWidths::Column> m_columns;
    QList<int> m_needed;     // by the header and the values
    QList<int> m_valuesNeed; // by the values alone
    QList<int> m_headerNeed; // by the header's title as shown now
    QMap<int, int> m_dragged;
    bool m_applying = false;
};
