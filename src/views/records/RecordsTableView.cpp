#include "views/records/RecordsTableView.h"

#include "views/cells/CellDelegate.h"
#include "views/kit/ColumnFitter.h"
#include "views/kit/ElidedHeaderView.h"
#include "views/kit/Style.h"

#include <QHeaderView>
#include <QMouseEvent>

RecordsTableView::RecordsTableView(QWidget* parent) : QTableView(parent) {
    setHorizontalHeader(new ElidedHeaderView(Qt::Horizontal, this));
    m_fitter = new ColumnFitter(this);
    setItemDelegate(new CellDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    setWordWrap(false);
    setAlternatingRowColors(true);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setFrameShape(QFrame::NoFrame);
    // Sized from the font, never from the contents: measuring every row takes seconds on a large journal.
    QHeaderView* rows = verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 12);
    rows->hide();
    QHeaderView* columns = horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setHighlightSections(false);
    // Headers in a smaller type than the rows, as tables on the desktop have them; a field's whole name
    // then fits a column of its type's width more often.
    columns->setFont(Style::font(Style::TextStyle::callout, font()));
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setSectionResizeMode(QHeaderView::Interactive);
    columns->setStretchLastSection(true);
    columns->setMinimumSectionSize(20);
}

void RecordsTableView::setColumnWidths(const QList<ColumnWidths::Column>& columns) {
    m_fitter->setColumns(columns);
}

void RecordsTableView::reviseColumnWidths(const QList<ColumnWidths::Column>& columns) {
    m_fitter->reviseColumns(columns);
}

void RecordsTableView::mousePressEvent(QMouseEvent* event) {
    // The context menu acts on the rows it names; the selection stays as the user made it.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void RecordsTableView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void RecordsTableView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}
