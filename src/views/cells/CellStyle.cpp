#include "views/cells/CellStyle.h"

#include "views/cells/AppColorQt.h"
#include "views/cells/DrawnSymbols.h"
#include "views/cells/Icons.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

QColor faded(QColor c, qreal alpha) {
    c.setAlphaF(alpha);
    return c;
}

bool hasEqualWidthDigits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(u'0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (!qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char(digit)), width))
            return false;
    return true;
}

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

QColor CellStyle::toneColor(CellTone tone, const QPalette& palette, std::optional<AppColor> status,
                            bool selected) {
    const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    switch (tone) {
    case CellTone::primary:
        return text;
    case CellTone::secondary:
        return faded(text, 0.55);
    case CellTone::tertiary:
        return faded(text, 0.30);
    case CellTone::accent:
        return selected ? text : palette.color(QPalette::Highlight);
    case CellTone::link:
        return selected ? text : palette.color(QPalette::Link);
    case CellTone::warning:
        return color(AppColor::orange);
    case CellTone::red:
        return color(AppColor::red);
    case CellTone::green:
        return color(AppColor::green);
    case CellTone::status:
        return color(status.value_or(AppColor::gray));
    }
    return text;
}

QFont CellStyle::equalWidthDigits(const QFont& base) {
    if (hasEqualWidthDigits(base))
        return base;
    // DejaVu Sans, which Debian always has, draws tabular digits.
    QFont font = base;
    font.setFamilies({u"DejaVu Sans"_s});
    return font;
}

QPixmap CellStyle::symbol(const QString& name, const QColor& tint, int size, qreal devicePixelRatio) {
    const QString key = u"%1|%2|%3|%4"_s.arg(name).arg(size).arg(devicePixelRatio).arg(tint.rgba(), 0, 16);
    static QHash<QString, QPixmap> cache;
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    QPixmap pixmap;
    if (DrawnSymbols::draws(name))
        pixmap = DrawnSymbols::symbol(name, tint, size, devicePixelRatio);
    else if (const QIcon icon = Icons::icon(name); !icon.isNull())
        pixmap = icon.pixmap(QSize(size, size), devicePixelRatio);
    if (!pixmap.isNull() && isOneColour(pixmap.toImage())) {
        // Theme action icons are drawn in the text colour alone; paint their shape over in the tint.
        // Icons of several colours (the orange warning triangle) keep their own.
        QPainter painter(&pixmap);
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), tint);
    }
    cache.insert(key, pixmap);
    return pixmap;
}

void CellStyle::makeLinkButton(QPushButton* button) {
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::Link));
    button->setPalette(palette);
}
