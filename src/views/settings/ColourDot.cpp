#include "views/settings/ColourDot.h"

#include "views/kit/Style.h"

#include <QPainter>
#include <QPixmap>

QIcon colourDot(AppColor appColor) {
    // Drawn in the middle of a 16-point square, the size lists and pickers show icons at, so it is not
    // scaled up.
    QPixmap dot(QSize(16, 16) * 2);
    dot.setDevicePixelRatio(2);
    dot.fill(Qt::transparent);
    QPainter painter(&dot);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Style::color(appColor));
    painter.drawEllipse(QRectF(3, 3, 10, 10));
    return QIcon(dot);
}
