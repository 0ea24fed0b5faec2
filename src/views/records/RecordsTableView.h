#pragma once

#include "app/ColumnWidths.h"

#include <QList>
#include <QTableView>

class ColumnFitter;

// The records table's view: rows selected whole, several at once, heights fixed; a header click is only
// reported (the tab sorts), a right click never moves the selection (it only asks for the context menu),
// and the columns share the table's width by their least and ideal widths.
class RecordsTableView : public QTableView {
    Q_OBJECT
public:
    explicit RecordsTableView(QWidget* parent = nullptr);

    // New columns for the model's: widths the user dragged are forgotten.
    void setColumnWidths(const QList<ColumnWidths::Column>& columns);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    ColumnFitter* m_fitter;
};
