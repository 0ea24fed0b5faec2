#include "views/settings/ColourDot.h"

#include "views/kit/Contrast.h"
#include "views/kit/Style.h"

#include <QPainter>
#include <QPixmap>

namespace {

QPixmap dot(const QColor& colour) {
    // Drawn in the middle of a 16-point square, the size lists and pickers show icons at, so it is not
    // scaled up.
    QPixmap pixmap(QSize(16, 16) * 2);
    pixmap.setDevicePixelRatio(2);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRectF(3, 3, 10, 10));
    return pixmap;
}

} // namespace

QIcon colourDot(AppColor appColor, const QPalette& palette) {
    const QColor hue = Style::color(appColor);
    QIcon icon(dot(Contrast::shade(hue, {palette.color(QPalette::Base), palette.color(QPalette::Window)},
                                   Contrast::marks)));
    // A list draws its selected row's symbol in the selected mode, a picker's menu its current entry's in
    // the active one; both on the accent.
    const QPixmap onAccent = dot(Contrast::shade(hue, {palette.color(QPalette::Highlight)}, Contrast::marks));
    icon.addPixmap(onAccent, QIcon::Selected);
    icon.addPixmap(onAccent, QIcon::Active);
    return icon;
}
