#include "views/cells/CellStyle.h"

#include "views/kit/Contrast.h"
#include "views/kit/Style.h"

namespace {

// The shade of a colour that reads on the rows, plain and alternate, as text of the table's size.
QColor onRows(const QColor& hue, const QPalette& palette) {
    return Contrast::shade(hue, {palette.color(QPalette::Base), palette.color(QPalette::AlternateBase)},
                           Contrast::normalText, Contrast::glyphCoverage);
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
        return selected ? text : Style::color(Style::Role::accent, palette);
    case CellTone::link:
        return selected ? text : Style::color(Style::Role::link, palette);
    case CellTone::warning:
        return selected ? text : onRows(Style::color(Style::Role::warning, palette), palette);
    case CellTone::red:
        return selected ? text : onRows(Style::color(Style::Role::destructive, palette), palette);
    case CellTone::green:
        return selected ? text : onRows(Style::color(Style::Role::success, palette), palette);
    case CellTone::status:
        return Style::color(status.value_or(AppColor::gray));
    }
    return text;
}

CellStyle::BadgeLook CellStyle::badgeLook(const QColor& status, const QPalette& palette, bool selected) {
    if (selected) {
        const QColor text = palette.color(QPalette::HighlightedText);
        return {Contrast::shadeUnder(status, text, Contrast::normalText, Contrast::glyphCoverage), text};
    }
    QColor fill = status;
    fill.setAlphaF(0.18);
    const QColor text = Contrast::shade(status,
                                        {Contrast::over(fill, palette.color(QPalette::Base)),
                                         Contrast::over(fill, palette.color(QPalette::AlternateBase))},
                                        Contrast::normalText, Contrast::glyphCoverage);
    return {fill, text};
}
