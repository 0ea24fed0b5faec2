#include "views/cells/CellStyle.h"

#include "views/kit/AppColorQt.h"

#include <QFontMetricsF>
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

void CellStyle::makeLinkButton(QPushButton* button) {
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    QPalette palette = button->palette();
    palette.setColor(QPalette::ButtonText, palette.color(QPalette::Link));
    button->setPalette(palette);
}
