#include "DrawnSymbols.h"

#include <QPainter>

namespace {

// A transparent square pixmap and a painter with a round pen in the tint, the drawing area inset a fifth.
struct Canvas {
    QPixmap pixmap;
    QRectF box;

    Canvas(int size, qreal devicePixelRatio) : pixmap(QSize(size, size) * devicePixelRatio) {
        pixmap.setDevicePixelRatio(devicePixelRatio);
        pixmap.fill(Qt::transparent);
        box = QRectF(0, 0, size, size).adjusted(size * 0.2, size * 0.2, -size * 0.2, -size * 0.2);
    }
};

void usePen(QPainter& painter, const QColor& tint, int size) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(tint, std::max(1.2, size / 9.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

} // namespace

QPixmap DrawnSymbols::trend(Comparison::Trend trend, const QColor& tint, int size, qreal devicePixelRatio) {
    Canvas canvas(size, devicePixelRatio);
    QPainter painter(&canvas.pixmap);
    usePen(painter, tint, size);
    const QRectF& box = canvas.box;
    if (trend == Comparison::Trend::same) {
        for (const qreal dy : {-size * 0.12, size * 0.12})
            painter.drawLine(QPointF(box.left(), box.center().y() + dy),
                             QPointF(box.right(), box.center().y() + dy));
        return canvas.pixmap;
    }
    const bool up = trend == Comparison::Trend::up;
    const QPointF from(box.left(), up ? box.bottom() : box.top());
    const QPointF to(box.right(), up ? box.top() : box.bottom());
    painter.drawLine(from, to);
    const qreal head = box.width() * 0.55;
    painter.drawPolyline(QList<QPointF>{QPointF(to.x() - head, to.y()), to,
                                        QPointF(to.x(), up ? to.y() + head : to.y() - head)});
    return canvas.pixmap;
}

QPixmap DrawnSymbols::checkmark(const QColor& tint, int size, qreal devicePixelRatio) {
    Canvas canvas(size, devicePixelRatio);
    QPainter painter(&canvas.pixmap);
    usePen(painter, tint, size);
    const QRectF& box = canvas.box;
    painter.drawPolyline(QList<QPointF>{QPointF(box.left(), box.top() + box.height() * 0.55),
                                        QPointF(box.left() + box.width() * 0.38, box.bottom()),
                                        QPointF(box.right(), box.top())});
    return canvas.pixmap;
}
