#include "views/cells/CellStyle.h"

#include "views/kit/AppColorQt.h"
#include "views/kit/Style.h"

#include <QFontMetricsF>

using namespace Qt::StringLiterals;

namespace {

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
    const QPalette::ColorRole textRole = selected ? QPalette::HighlightedText : QPalette::Text;
    const QColor text = palette.color(textRole);
    switch (tone) {
    case CellTone::primary:
        return text;
    case CellTone::secondary:
        return Style::color(Style::Role::secondary, palette, textRole);
    case CellTone::tertiary:
        return Style::color(Style::Role::tertiary, palette, textRole);
    case CellTone::accent:
        return selected ? text : palette.color(QPalette::Highlight);
    case CellTone::link:
        return selected ? text : Style::color(Style::Role::link, palette);
    case CellTone::warning:
        return Style::color(Style::Role::warning, palette);
    case CellTone::red:
        return Style::color(Style::Role::destructive, palette);
    case CellTone::green:
        return Style::color(Style::Role::success, palette);
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
