#include "views/kit/Symbols.h"

#include "views/kit/DrawnSymbols.h"
#include "views/kit/Icons.h"
#include "views/kit/ThemeIcons.h"

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

// True when every visible pixel has one colour (transparency aside).
bool isOneColour(const QImage& image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    std::optional<QRgb> first;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) < 128)
                continue;
            const QRgb rgb = line[x] & 0xFFFFFF;
            if (!first)
                first = rgb;
            else if (std::abs(qRed(rgb) - qRed(*first)) + std::abs(qGreen(rgb) - qGreen(*first)) +
                         std::abs(qBlue(rgb) - qBlue(*first)) >
                     48)
                return false;
        }
    }
    return true;
}

} // namespace

QPixmap Symbols::symbol(const QString& name, const QColor& tint, int size, qreal devicePixelRatio) {
    const QString key = u"%1|%2|%3|%4"_s.arg(name).arg(size).arg(devicePixelRatio).arg(tint.rgba(), 0, 16);
    static QHash<QString, QPixmap> cache;
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    QPixmap pixmap;
    if (DrawnSymbols::draws(name)) {
        // Drawn in the tint already: painting it over again would fade a translucent tint twice.
        pixmap = DrawnSymbols::symbol(name, tint, size, devicePixelRatio);
    } else if (const QIcon icon =
                   ThemeIcons::smallDrawing(Icons::themeName(name), qRound(size * devicePixelRatio));
               !icon.isNull()) {
        pixmap = icon.pixmap(QSize(size, size), devicePixelRatio);
        if (isOneColour(pixmap.toImage())) {
            // Theme action icons are drawn in the text colour alone; paint their shape over in the tint.
            // Icons of several colours (the orange warning triangle) keep their own.
            QPainter painter(&pixmap);
            painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
            painter.fillRect(pixmap.rect(), tint);
        }
    }
    cache.insert(key, pixmap);
    return pixmap;
}
