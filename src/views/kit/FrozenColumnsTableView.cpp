#include "views/kit/FrozenColumnsTableView.h"

#include "views/kit/ElidedHeaderView.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

FrozenColumnsTableView::FrozenColumnsTableView(QWidget* parent) : QTableView(parent) {
    // Cells come out from beneath the columns in place by whole pixels.
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
}

void FrozenColumnsTableView::freezeLeadingColumns(int count) {
    if (m_frozen || count <= 0)
        return;
    m_count = count;
    m_frozen = new QTableView(this);
    m_frozen->setObjectName(u"frozenColumns"_s);
    m_frozen->setHorizontalHeader(new ElidedHeaderView(Qt::Horizontal, m_frozen));
    m_frozen->setModel(model());
    QItemSelectionModel* own = m_frozen->selectionModel();
    m_frozen->setSelectionModel(selectionModel());
    delete own;
    // The delegate keeps no editor: both views may draw with it.
    m_frozen->setItemDelegate(itemDelegate());
    m_frozen->setFrameShape(QFrame::NoFrame);
    m_frozen->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frozen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The table scrolls; the part in place follows it rather than scrolling on its own.
    m_frozen->setAutoScroll(false);
    // A click on it focuses the table, and it shows the current cell while the table has the focus.
    m_frozen->setFocusProxy(this);
    m_frozen->viewport()->installEventFilter(this);
    // While the other columns pass beneath the part in place, a line marks where they go under.
    m_edge = new QWidget(this);
    m_edge->setAutoFillBackground(true);
    m_edge->setBackgroundRole(QPalette::Mid);
    m_edge->setAttribute(Qt::WA_TransparentForMouseEvents);
    takeOverLooks();
    showOnlyFrozenColumns();

    connect(model(), &QAbstractItemModel::modelReset, this, &FrozenColumnsTableView::showOnlyFrozenColumns);
    connect(model(), &QAbstractItemModel::columnsInserted, this,
            &FrozenColumnsTableView::showOnlyFrozenColumns);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, &FrozenColumnsTableView::sectionResized);
    connect(m_frozen->horizontalHeader(), &QHeaderView::sectionResized, this,
            &FrozenColumnsTableView::frozenSectionResized);
    connect(verticalHeader(), &QHeaderView::sectionResized, m_frozen,
            [this](int row) { m_frozen->setRowHeight(row, rowHeight(row)); });
    QScrollBar* down = verticalScrollBar();
    QScrollBar* frozenDown = m_frozen->verticalScrollBar();
    connect(down, &QScrollBar::valueChanged, frozenDown, &QScrollBar::setValue);
    connect(frozenDown, &QScrollBar::valueChanged, down, &QScrollBar::setValue);
    // Each view works out its own range; the part in place takes the table's position once it has one.
    connect(frozenDown, &QScrollBar::rangeChanged, this,
            [this] { m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value()); });
    connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, &FrozenColumnsTableView::placeFrozenPart);
    placeFrozenPart();
    m_frozen->show();
}

void FrozenColumnsTableView::takeOverLooks() {
    m_frozen->setAlternatingRowColors(alternatingRowColors());
    m_frozen->setShowGrid(showGrid());
    m_frozen->setGridStyle(gridStyle());
    m_frozen->setWordWrap(wordWrap());
    m_frozen->setTextElideMode(textElideMode());
    m_frozen->setSelectionMode(selectionMode());
    m_frozen->setSelectionBehavior(selectionBehavior());
    m_frozen->setEditTriggers(editTriggers());
    m_frozen->setVerticalScrollMode(verticalScrollMode());

    // The table's own row headers, if any, stand left of the part in place.
    const QHeaderView* rows = verticalHeader();
    QHeaderView* frozenRows = m_frozen->verticalHeader();
    frozenRows->hide();
    frozenRows->setSectionResizeMode(rows->sectionResizeMode(0));
    frozenRows->setDefaultSectionSize(rows->defaultSectionSize());

    const QHeaderView* columns = horizontalHeader();
    QHeaderView* frozenColumns = m_frozen->horizontalHeader();
    frozenColumns->setVisible(!columns->isHidden());
    frozenColumns->setFont(columns->font());
    frozenColumns->setDefaultAlignment(columns->defaultAlignment());
    frozenColumns->setHighlightSections(columns->highlightSections());
    frozenColumns->setSectionsClickable(columns->sectionsClickable());
    frozenColumns->setMinimumSectionSize(columns->minimumSectionSize());
    frozenColumns->setStretchLastSection(false);
}

void FrozenColumnsTableView::showOnlyFrozenColumns() {
    const QHeaderView* columns = horizontalHeader();
    QHeaderView* frozenColumns = m_frozen->horizontalHeader();
    const QScopedValueRollback syncing(m_syncing, true);
    for (int c = 0; c < model()->columnCount(rootIndex()); ++c) {
        const bool frozen = c < m_count;
        m_frozen->setColumnHidden(c, !frozen);
        if (frozen) {
            frozenColumns->setSectionResizeMode(c, columns->sectionResizeMode(c));
            frozenColumns->resizeSection(c, columns->sectionSize(c));
        }
    }
    placeFrozenPart();
}

// Both take the width as it is now rather than the one reported: a receiver before them may have resized the
// column again (to its least width), and that report has come and gone.
void FrozenColumnsTableView::sectionResized(int logicalIndex) {
    if (logicalIndex >= m_count)
        return;
    {
        const QScopedValueRollback syncing(m_syncing, true);
        m_frozen->horizontalHeader()->resizeSection(logicalIndex, columnWidth(logicalIndex));
    }
    placeFrozenPart();
}

void FrozenColumnsTableView::frozenSectionResized(int logicalIndex) {
    // The user drags a column's edge on the part in place: the table's column follows, as if dragged there.
    if (!m_syncing && logicalIndex < m_count)
        horizontalHeader()->resizeSection(logicalIndex, m_frozen->columnWidth(logicalIndex));
}

int FrozenColumnsTableView::frozenWidth() const {
    int width = 0;
    for (int c = 0; c < m_count; ++c)
        width += isColumnHidden(c) ? 0 : columnWidth(c);
    return width;
}

void FrozenColumnsTableView::placeFrozenPart() {
    if (!m_frozen)
        return;
    const QRect port = viewport()->geometry();
    const QHeaderView* columns = horizontalHeader();
    const int top = columns->isHidden() ? port.top() : columns->geometry().top();
    m_frozen->horizontalHeader()->setFixedHeight(columns->height());
    const int width = std::min(frozenWidth(), port.width());
    m_frozen->setGeometry(port.left(), top, width, port.bottom() + 1 - top);
    m_edge->setGeometry(port.left() + width - 1, top, 1, port.bottom() + 1 - top);
    m_edge->setVisible(horizontalScrollBar()->value() > 0);
    m_edge->raise();
    m_frozen->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

void FrozenColumnsTableView::scrollTo(const QModelIndex& index, ScrollHint hint) {
    if (!m_frozen || !index.isValid()) {
        QTableView::scrollTo(index, hint);
        return;
    }
    QScrollBar* across = horizontalScrollBar();
    const int kept = across->value();
    QTableView::scrollTo(index, hint);
    if (index.column() < m_count) {
        across->setValue(kept);
        return;
    }
    if (const int beneath = frozenWidth() - visualRect(index).left(); beneath > 0)
        across->setValue(across->value() - beneath);
}

void FrozenColumnsTableView::updateGeometries() {
    QTableView::updateGeometries();
    placeFrozenPart();
}

void FrozenColumnsTableView::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    if (m_frozen)
        m_frozen->viewport()->update();
}

void FrozenColumnsTableView::focusOutEvent(QFocusEvent* event) {
    QTableView::focusOutEvent(event);
    if (m_frozen)
        m_frozen->viewport()->update();
}

bool FrozenColumnsTableView::eventFilter(QObject* watched, QEvent* event) {
    // The wheel over the part in place scrolls the table, either way; the part follows.
    if (m_frozen && watched == m_frozen->viewport() && event->type() == QEvent::Wheel) {
        QCoreApplication::sendEvent(viewport(), event);
        return true;
    }
    return QTableView::eventFilter(watched, event);
}
