#include "views/kit/RoundedBox.h"

#include <QPainter>
#include <QPainterPath>
#include <QWidget>

void paintRoundedBox(QWidget* widget, double radius, const QColor& fill, const QColor& outline, double line) {
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(widget->rect()).adjusted(line / 2, line / 2, -line / 2, -line / 2), radius,
                       radius);
    painter.fillPath(box, fill);
    painter.setPen(QPen(outline, line));
    painter.drawPath(box);
}
