#include "views/dashboard/AdaptiveGridLayout.h"

#include <QWidget>

#include <algorithm>

AdaptiveGridLayout::AdaptiveGridLayout(int minimumColumnWidth, int columnGap, int rowGap, QWidget* parent)
    : QLayout(parent), m_minimumColumnWidth(minimumColumnWidth), m_columnGap(columnGap), m_rowGap(rowGap) {
    setContentsMargins(0, 0, 0, 0);
}

AdaptiveGridLayout::~AdaptiveGridLayout() {
    while (QLayoutItem* item = takeAt(0))
        delete item;
}

void AdaptiveGridLayout::setMinimumColumnWidth(int width) {
    m_minimumColumnWidth = std::max(1, width);
    invalidate();
}

int AdaptiveGridLayout::columnCount(int width) const {
    return std::max(1, (width + m_columnGap) / (m_minimumColumnWidth + m_columnGap));
}

void AdaptiveGridLayout::addItem(QLayoutItem* item) {
    m_items.append(item);
    invalidate();
}

QLayoutItem* AdaptiveGridLayout::takeAt(int index) {
    if (index < 0 || index >= m_items.size())
        return nullptr;
    QLayoutItem* item = m_items.takeAt(index);
    invalidate();
    return item;
}

int AdaptiveGridLayout::heightForWidth(int width) const {
    return arrange(QRect(0, 0, width, 0), false);
}

QSize AdaptiveGridLayout::sizeHint() const {
    // As wide as two columns when there is room; the height follows the width given.
    const int width = 2 * m_minimumColumnWidth + m_columnGap;
    return QSize(width, heightForWidth(width));
}

QSize AdaptiveGridLayout::minimumSize() const {
    return QSize(m_minimumColumnWidth, 0);
}

void AdaptiveGridLayout::setGeometry(const QRect& rect) {
    QLayout::setGeometry(rect);
    arrange(rect, true);
}

int AdaptiveGridLayout::arrange(const QRect& rect, bool apply) const {
    QList<QLayoutItem*> shown;
    for (QLayoutItem* item : m_items) {
        if (!item->isEmpty())
            shown.append(item);
    }
    if (shown.isEmpty())
        return 0;
    const int columns = columnCount(rect.width());
    const int columnWidth = std::max(1, (rect.width() - (columns - 1) * m_columnGap) / columns);
    int y = rect.y();
    for (qsizetype first = 0; first < shown.size(); first += columns) {
        const qsizetype last = std::min<qsizetype>(first + columns, shown.size());
        int rowHeight = 0;
        for (qsizetype i = first; i < last; ++i) {
            QLayoutItem* item = shown[i];
            const int wanted =
                item->hasHeightForWidth() ? item->heightForWidth(columnWidth) : item->sizeHint().height();
            rowHeight = std::max({rowHeight, wanted, item->minimumSize().height()});
        }
        if (apply) {
            for (qsizetype i = first; i < last; ++i) {
                const int x = rect.x() + int(i - first) * (columnWidth + m_columnGap);
                shown[i]->setGeometry(QRect(x, y, columnWidth, rowHeight));
            }
        }
        y += rowHeight + m_rowGap;
    }
    return y - m_rowGap - rect.y();
}
