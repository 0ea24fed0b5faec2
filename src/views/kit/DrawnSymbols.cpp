#include "views/kit/DrawnSymbols.h"

#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

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

// The check mark inside a checkbox square.
QPainterPath boxCheck(const QRectF& box) {
    QPainterPath check;
    check.moveTo(box.left() + box.width() * 0.25, box.top() + box.height() * 0.52);
    check.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.70);
    check.lineTo(box.left() + box.width() * 0.76, box.top() + box.height() * 0.32);
    return check;
}

// A checkbox: an outlined rounded square, with a check mark in it when ticked, or a filled square with the
// check mark cut out of it. A check mark alone would read as a ticked menu entry.
QPixmap checkbox(bool checked, bool filled, const QColor& tint, int size, qreal devicePixelRatio) {
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(0, 0, size, size).adjusted(1.5, 1.5, -1.5, -1.5);
    const qreal radius = size / 5.0;
    const QPen checkPen(tint, size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (!filled) {
        painter.setPen(QPen(tint, 1.3));
        painter.drawRoundedRect(box, radius, radius);
        if (checked) {
            painter.setPen(checkPen);
            painter.drawPath(boxCheck(box));
        }
        return pixmap;
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(tint);
    painter.drawRoundedRect(box, radius, radius);
    painter.setCompositionMode(QPainter::CompositionMode_Clear);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(checkPen);
    painter.drawPath(boxCheck(box));
    return pixmap;
}

// The number sign: two slanted uprights crossed by two bars.
QPixmap numberSign(const QColor& tint, int size, qreal devicePixelRatio) {
    Canvas canvas(size, devicePixelRatio);
    QPainter painter(&canvas.pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // As fine as the theme's strokes beside it.
    painter.setPen(QPen(tint, std::max(1.0, size / 15.0), Qt::SolidLine, Qt::FlatCap));
    const QRectF box = canvas.box.adjusted(-size * 0.08, -size * 0.08, size * 0.08, size * 0.08);
    const qreal slant = box.width() * 0.12;
    for (const qreal x : {box.left() + box.width() * 0.36, box.left() + box.width() * 0.72})
        painter.drawLine(QPointF(x + slant, box.top()), QPointF(x - slant, box.bottom()));
    for (const qreal y : {box.top() + box.height() * 0.32, box.top() + box.height() * 0.68})
        painter.drawLine(QPointF(box.left() + box.width() * 0.08, y), QPointF(box.right(), y));
    return canvas.pixmap;
}

// A shipping box seen from above a corner: a hexagon outline, the edges that meet at its near corner, and
// a strip of tape across its lid. The theme has a box only as a full-colour picture.
QPixmap shippingBox(const QColor& tint, int size, qreal devicePixelRatio) {
    Canvas canvas(size, devicePixelRatio);
    QPainter painter(&canvas.pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(tint, std::max(1.0, size / 14.0), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QRectF box = canvas.box.adjusted(-size * 0.1, -size * 0.1, size * 0.1, size * 0.1);
    const auto at = [&box](qreal x, qreal y) {
        return QPointF(box.left() + box.width() * x, box.top() + box.height() * y);
    };
    // One path, stroked once: crossing strokes of a translucent tint would show darker where they meet.
    QPainterPath path;
    path.addPolygon(QPolygonF{{at(0.5, 0), at(1, 0.25), at(1, 0.75), at(0.5, 1), at(0, 0.75), at(0, 0.25)}});
    path.closeSubpath();
    path.moveTo(at(0, 0.25));
    path.lineTo(at(0.5, 0.5));
    path.lineTo(at(1, 0.25));
    path.moveTo(at(0.5, 0.5));
    path.lineTo(at(0.5, 1));
    path.moveTo(at(0.25, 0.125));
    path.lineTo(at(0.75, 0.375));
    painter.drawPath(path);
    return canvas.pixmap;
}

} // namespace

QPixmap DrawnSymbols::trend(Heading heading, const QColor& tint, int size, qreal devicePixelRatio) {
    Canvas canvas(size, devicePixelRatio);
    QPainter painter(&canvas.pixmap);
    usePen(painter, tint, size);
    const QRectF& box = canvas.box;
    if (heading == Heading::level) {
        for (const qreal dy : {-size * 0.12, size * 0.12})
            painter.drawLine(QPointF(box.left(), box.center().y() + dy),
                             QPointF(box.right(), box.center().y() + dy));
        return canvas.pixmap;
    }
    const bool up = heading == Heading::up;
    const QPointF from(box.left(), up ? box.bottom() : box.top());
    const QPointF to(box.right(), up ? box.top() : box.bottom());
    const qreal head = box.width() * 0.55;
    // One path, stroked once, so a translucent tint is even where the head meets the shaft.
    QPainterPath arrow(from);
    arrow.lineTo(to);
    arrow.moveTo(to.x() - head, to.y());
    arrow.lineTo(to);
    arrow.lineTo(to.x(), up ? to.y() + head : to.y() - head);
    painter.drawPath(arrow);
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

bool DrawnSymbols::draws(const QString& symbol) {
    return symbol == u"square" || symbol == u"checkmark.square" || symbol == u"checkmark.square.fill" ||
           symbol == u"number" || symbol == u"shippingbox" || symbol == u"shippingbox.fill" ||
           symbol == u"arrow.up.forward";
}

QPixmap DrawnSymbols::symbol(const QString& name, const QColor& tint, int size, qreal devicePixelRatio) {
    if (name == u"square")
        return checkbox(false, false, tint, size, devicePixelRatio);
    if (name == u"checkmark.square")
        return checkbox(true, false, tint, size, devicePixelRatio);
    if (name == u"checkmark.square.fill")
        return checkbox(true, true, tint, size, devicePixelRatio);
    if (name == u"number")
        return numberSign(tint, size, devicePixelRatio);
    if (name == u"shippingbox" || name == u"shippingbox.fill")
        return shippingBox(tint, size, devicePixelRatio);
    // The theme's only forward arrow is a browser's full-colour globe.
    if (name == u"arrow.up.forward")
        return trend(Heading::up, tint, size, devicePixelRatio);
    return {};
}
