#include "views/kit/ColumnFitter.h"

#include "views/kit/ElidedHeaderView.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyleOptionViewItem>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace {

// More rows than any screen shows at once: a viewport not laid out yet measures no more than these.
constexpr int mostRowsInView = 120;

} // namespace

ColumnFitter::ColumnFitter(QTableView* table)
    : QObject(table), m_table(table), m_viewport(table->viewport()) {
    m_viewport->installEventFilter(this);
    QHeaderView* header = table->horizontalHeader();
    connect(header, &QHeaderView::sectionResized, this, &ColumnFitter::sectionResized);
    // Once shown, the sort indicator takes room beside a header's text.
    connect(header, &QHeaderView::sortIndicatorChanged, this, &ColumnFitter::refit);
    // Rows coming into view may hold wider values.
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, &ColumnFitter::refit);
}

void ColumnFitter::setColumns(const QList<ColumnWidths::Column>& columns) {
    m_columns = columns;
    m_needed = QList<int>(columns.size(), 0);
    m_valuesNeed = m_needed;
    m_headerNeed = m_needed;
    m_dragged.clear();
    disconnect(m_reset);
    if (QAbstractItemModel* model = m_table->model())
        m_reset = connect(model, &QAbstractItemModel::modelReset, this, &ColumnFitter::refit);
    if (!matchesModel())
        return;
    QHeaderView* header = m_table->horizontalHeader();
    for (int i = 0; i < m_columns.size(); ++i)
        header->setSectionResizeMode(i, m_columns[i].fixed ? QHeaderView::Fixed : QHeaderView::Interactive);
    refit();
}

void ColumnFitter::reviseColumns(const QList<ColumnWidths::Column>& columns) {
    if (columns.size() != m_columns.size()) {
        setColumns(columns);
        return;
    }
    m_columns = columns;
    refit();
}

bool ColumnFitter::matchesModel() const {
    const QAbstractItemModel* model = m_table->model();
    return model && model->columnCount() == m_columns.size() &&
           m_table->horizontalHeader()->count() == m_columns.size();
}

void ColumnFitter::measure() {
    const QHeaderView* header = m_table->horizontalHeader();
    const auto* titles = qobject_cast<const ElidedHeaderView*>(header);
    for (int c = 0; c < m_columns.size(); ++c) {
        // Asked afresh each time: the sort indicator moves from column to column.
        m_headerNeed[c] = titles ? titles->titleNeed(c) : header->sectionSizeHint(c);
        m_needed[c] = std::max({m_needed[c], header->sectionSizeHint(c), m_headerNeed[c]});
    }
    const QAbstractItemModel* model = m_table->model();
    const int rows = model->rowCount();
    if (rows == 0)
        return;
    const int first = std::max(0, m_table->rowAt(0));
    int last = m_table->rowAt(m_table->viewport()->height() - 1);
    if (last < 0)
        last = rows - 1;
    last = std::min(last, first + mostRowsInView - 1);
    QStyleOptionViewItem option;
    option.initFrom(m_table);
    option.widget = m_table;
    option.font = m_table->font();
    option.fontMetrics = QFontMetrics(option.font);
    for (int row = first; row <= last; ++row) {
        for (int c = 0; c < m_columns.size(); ++c) {
            if (m_columns[c].fixed)
                continue;
            const QModelIndex index = model->index(row, c);
            if (const QAbstractItemDelegate* delegate = m_table->itemDelegateForIndex(index))
                m_valuesNeed[c] = std::max(m_valuesNeed[c], delegate->sizeHint(option, index).width());
            m_needed[c] = std::max(m_needed[c], m_valuesNeed[c]);
        }
    }
}

void ColumnFitter::refit() {
    if (m_applying || !matchesModel())
        return;
    measure();
    const int available = m_table->viewport()->width();
    const QList<int> widths =
        ColumnWidths::fit(m_columns, m_needed, m_dragged, available, m_valuesNeed, m_headerNeed);
    const bool roomLeft = std::accumulate(widths.cbegin(), widths.cend(), 0) <= available;
    QHeaderView* header = m_table->horizontalHeader();
    const int lastShown = header->logicalIndex(header->count() - 1);
    m_applying = true;
    for (int i = 0; i < widths.size(); ++i) {
        const int current = header->sectionSize(i);
        // The header stretches its last column over the room the others leave.
        const bool stretched = header->stretchLastSection() && i == lastShown && roomLeft;
        if (current == widths[i] || (stretched && current > widths[i]))
            continue;
        header->resizeSection(i, widths[i]);
    }
    m_applying = false;
}

void ColumnFitter::sectionResized(int section, int, int size) {
    if (m_applying || section < 0 || section >= m_columns.size() || m_columns[section].fixed)
        return;
    QHeaderView* header = m_table->horizontalHeader();
    // The header stretching its last column over free room is no drag of the user's.
    if (header->stretchLastSection() && header->visualIndex(section) == header->count() - 1)
        return;
    // The header knows one minimum for all columns; each column's own is kept here.
    const int minimum = m_columns[section].minimum;
    m_dragged.insert(section, std::max(size, minimum));
    if (size < minimum) {
        m_applying = true;
        header->resizeSection(section, minimum);
        m_applying = false;
    }
}

bool ColumnFitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_viewport && event->type() == QEvent::Resize)
        refit();
    return QObject::eventFilter(watched, event);
}
