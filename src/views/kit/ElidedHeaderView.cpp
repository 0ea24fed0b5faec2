#include "views/kit/ElidedHeaderView.h"

#include "app/kit/PlainToolTip.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QStyleOptionHeader>
#include <QToolTip>

#include <cmath>

ElidedHeaderView::ElidedHeaderView(Qt::Orientation orientation, QWidget* parent)
    : QHeaderView(orientation, parent) {
    setTextElideMode(Qt::ElideRight);
}

QString ElidedHeaderView::shownTitle(QStyleOptionHeader option, int logicalIndex) const {
    const int position = sectionViewportPosition(logicalIndex);
    const int size = sectionSize(logicalIndex);
    option.rect = orientation() == Qt::Horizontal ? QRect(position, 0, size, viewport()->height())
                                                  : QRect(0, position, viewport()->width(), size);
    const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    return option.fontMetrics.elidedText(option.text, textElideMode(), label.width());
}

int ElidedHeaderView::titleNeed(int logicalIndex) const {
    QStyleOptionHeader option;
    initStyleOption(&option);
    QHeaderView::initStyleOptionForIndex(&option, logicalIndex);
    // The style leaves the same room beside the label whatever the section's width.
    constexpr int anyWidth = 1000;
    option.rect = QRect(0, 0, anyWidth, viewport()->height());
    const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, this);
    const qreal title = QFontMetricsF(option.fontMetrics).horizontalAdvance(option.text);
    return int(std::ceil(title)) + anyWidth - label.width();
}

void ElidedHeaderView::initStyleOptionForIndex(QStyleOptionHeader* option, int logicalIndex) const {
    QHeaderView::initStyleOptionForIndex(option, logicalIndex);
    option->text = shownTitle(*option, logicalIndex);
}

bool ElidedHeaderView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QHeaderView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const int logicalIndex = logicalIndexAt(help->pos());
    QString whole;
    if (logicalIndex >= 0) {
        QStyleOptionHeader option;
        initStyleOption(&option);
        QHeaderView::initStyleOptionForIndex(&option, logicalIndex);
        if (shownTitle(option, logicalIndex) != option.text)
            whole = option.text;
    }
    if (whole.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    QToolTip::showText(help->globalPos(), plainToolTip(whole), viewport());
    return true;
}
