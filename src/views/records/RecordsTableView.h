#pragma once

#include "app/cells/CellContent.h"
#include "app/kit/ColumnWidths.h"

#include <QList>
#include <QTableView>

class ColumnFitter;

// The records table's view: rows selected whole, several at once, heights fixed; a header click is only
// reported (the tab sorts), a right click never moves the selection (it only asks for the context menu),
// and the columns share the table's width by their least and ideal widths. Cut headers and cells end in "…"
// and name their whole text as help.
class RecordsTableView : public QTableView {
    Q_OBJECT
public:
    explicit RecordsTableView(QWidget* parent = nullptr);

    // New columns for the model's: widths the user dragged are forgotten.
    void setColumnWidths(const QList<ColumnWidths::Column>& columns);
    // Other widths for the same columns: widths the user dragged stay.
    void reviseColumnWidths(const QList<ColumnWidths::Column>& columns);
    // The width a cell of the table takes to show the content whole.

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ColumnFitter* m_fitter;
};
