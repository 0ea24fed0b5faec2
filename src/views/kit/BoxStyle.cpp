#include "views/kit/BoxStyle.h"

#include "views/kit/Contrast.h"
#include "views/kit/Style.h"

#include <QPlainTextEdit>
#include <QStyleOption>
#include <QTextEdit>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// Fusion draws a box's border in its window colour made 40 % darker, then `lighter` per cent lighter for
// some kinds of box.
QColor fusionBorder(const QColor& window, int lighter) {
    return window.darker(140).lighter(lighter);
}

bool isFusion(const QStyle* style) {
    return style->name().compare(u"fusion"_s, Qt::CaseInsensitive) == 0;
}

// Draws with a copy of the option whose window colour gives a border that reads; false when the option is
// not of the kind Fusion takes for the element.
template <typename Option, typename Draw>
bool drawWithBorder(const QStyleOption* option, int lighter, Draw draw) {
    const auto* typed = qstyleoption_cast<const Option*>(option);
    if (!typed)
        return false;
    Option shaded = *typed;
    shaded.palette.setColor(QPalette::Window, BoxStyle::windowForBorders(typed->palette, lighter));
    draw(&shaded);
    return true;
}

} // namespace

QColor BoxStyle::windowForBorders(const QPalette& palette, int lighter) {
    const QColor window = palette.color(QPalette::Window);
    // Inside the box, and around it: a window, a box holding it (a form's section), a table's rows.
    const QList<QColor> grounds = Style::surfaces(palette);
    const auto reads = [&](const QColor& w) {
        const QColor border = fusionBorder(w, lighter);
        return std::all_of(grounds.cbegin(), grounds.cend(), [&border](const QColor& ground) {
            return Contrast::ratio(border, ground) >= Contrast::marks;
        });
    };
    if (reads(window))
        return window;
    const QColor border = Contrast::shade(fusionBorder(window, lighter), grounds, Contrast::marks);
    const bool deeper = Contrast::luminance(border) < Contrast::luminance(fusionBorder(window, lighter));
    // Back to the window colour Fusion derives it from; a step further where rounding falls short.
    QColor shaded = border.darker(lighter).lighter(140);
    for (int step = 0; step < 8 && !reads(shaded); ++step)
        shaded = deeper ? shaded.darker(102) : shaded.lighter(102);
    return shaded;
}

void BoxStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                             const QWidget* widget) const {
    const auto draw = [&](const QStyleOption* shaded) {
        QProxyStyle::drawPrimitive(element, shaded, painter, widget);
    };
    if (isFusion(baseStyle())) {
        switch (element) {
        case PE_FrameLineEdit:
            if (drawWithBorder<QStyleOptionFrame>(option, 100, draw))
                return;
            break;
        case PE_Frame:
            // The frame of a multi-line box; other frames (lists, tables) hold no typed value.
            if ((qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)) &&
                drawWithBorder<QStyleOptionFrame>(option, 108, draw))
                return;
            break;
        case PE_IndicatorCheckBox:
            if (drawWithBorder<QStyleOptionButton>(option, 110, draw))
                return;
            break;
        default:
            break;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void BoxStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                  QPainter* painter, const QWidget* widget) const {
    if (control == CC_SpinBox && isFusion(baseStyle()) &&
        drawWithBorder<QStyleOptionSpinBox>(option, 100, [&](const QStyleOption* shaded) {
            QProxyStyle::drawComplexControl(control, static_cast<const QStyleOptionComplex*>(shaded), painter,
                                            widget);
        }))
        return;
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}
