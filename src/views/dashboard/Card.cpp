#include "views/dashboard/Card.h"

#include "views/kit/Style.h"

#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

Card::Card(int spacing, QWidget* parent) : QWidget(parent), m_layout(new QVBoxLayout(this)) {
    m_layout->setContentsMargins(18, 18, 18, 18);
    m_layout->setSpacing(spacing);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void Card::paintEvent(QPaintEvent*) {
    paintRoundedBox(this, palette().color(QPalette::Base), Style::separator(this));
}

void paintRoundedBox(QWidget* widget, const QColor& fill, const QColor& outline) {
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath box;
    box.addRoundedRect(QRectF(widget->rect()).adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    painter.fillPath(box, fill);
    painter.setPen(QPen(outline, 1));
    painter.drawPath(box);
}
