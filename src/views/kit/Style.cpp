#include "views/kit/Style.h"

#include "views/kit/BoxStyle.h"
#include "views/kit/Contrast.h"
#include "views/kit/Icons.h"
#include "views/kit/SymbolButton.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QFrame>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <array>

using namespace Qt::StringLiterals;

QFont Style::font(TextStyle style, const QFont& base, bool bold) {
    double factor = 1.0;
    bool heavy = bold;
    switch (style) {
    case TextStyle::largeTitle:
        factor = 2.0;
        break;
    case TextStyle::title:
        factor = 1.7;
        break;
    case TextStyle::title2:
        factor = 1.3;
        break;
    case TextStyle::title3:
        factor = 1.15;
        break;
    case TextStyle::headline:
        heavy = true;
        break;
    case TextStyle::body:
        break;
    case TextStyle::callout:
        factor = 0.92;
        break;
    case TextStyle::caption:
        factor = 0.8;
        break;
    }
    QFont f = base;
    if (base.pointSizeF() > 0)
        f.setPointSizeF(base.pointSizeF() * factor);
    else
        f.setPixelSize(qRound(base.pixelSize() * factor));
    if (heavy)
        f.setBold(true);
    return f;
}

namespace {

bool hasTabularDigits(const QFont& font) {
    const QFontMetricsF metrics(font);
    const qreal width = metrics.horizontalAdvance(u'0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (!qFuzzyCompare(metrics.horizontalAdvance(QLatin1Char(digit)), width))
            return false;
    return true;
}

} // namespace

QFont Style::tabularFont(const QFont& base) {
    if (hasTabularDigits(base))
        return base;
    // DejaVu Sans, which Debian always has, draws tabular digits.
    QFont font = base;
    font.setFamilies({u"DejaVu Sans"_s});
    return font;
}

namespace {

QColor faded(QColor c, qreal alpha) {
    c.setAlphaF(alpha);
    return c;
}

// How strongly the faint text roles show the text colour where it reads well enough anyway. Where it would
// not, they show it more strongly, just enough; the secondary words stay a step stronger than the faintest.
constexpr double secondaryOpacity = 0.6;
constexpr double tertiaryOpacity = 0.45;

} // namespace

QList<QColor> Style::surfaces(const QPalette& palette) {
    return {palette.color(QPalette::Window), palette.color(QPalette::Base),
            palette.color(QPalette::AlternateBase)};
}

QColor Style::color(Role role, const QPalette& palette, QPalette::ColorRole text) {
    // On the accent of a selected row a faded text cannot read as words must: secondary words take the
    // highlighted text whole, as the platform draws a selected row's labels, and the faintest text fades
    // only as far as it still reads there.
    const bool onAccent = text == QPalette::HighlightedText;
    const QList<QColor> ground =
        onAccent ? QList<QColor>{palette.color(QPalette::Highlight)} : surfaces(palette);
    switch (role) {
    case Role::secondary:
        return onAccent ? palette.color(text)
                        : Contrast::fade(palette.color(text), secondaryOpacity, ground, Contrast::normalText,
                                         Contrast::glyphCoverage);
    case Role::tertiary:
        // Its glyphs show their colour whole: the dash is drawn unsmoothed, a placeholder at the text's size.
        return Contrast::fade(palette.color(text), tertiaryOpacity, ground, Contrast::normalText);
    case Role::separator:
        return faded(palette.color(text), 0.14);
    case Role::destructive:
        return color(AppColor::red);
    case Role::warning:
        return color(AppColor::orange);
    case Role::success:
        return color(AppColor::green);
    case Role::link:
        // The accent's hue, so links and the selection read as one colour, in a shade that reads as text.
        return Contrast::shade(palette.color(QPalette::Highlight), surfaces(palette), Contrast::normalText,
                               Contrast::glyphCoverage);
    case Role::accent:
        return palette.color(QPalette::Highlight);
    case Role::sidebar:
        return palette.color(QPalette::Window).darker(104);
    }
    return palette.color(text);
}

QColor Style::color(AppColor appColor) {
    // In the order of the cases of AppColor.
    static constexpr std::array<QRgb, 10> colours{0x8E8E93, 0xFF9500, 0xFFCC00, 0x34C759, 0x30B0C7,
                                                  0x007AFF, 0x5856D6, 0xAF52DE, 0xFF2D55, 0xFF3B30};
    static_assert(colours.size() == allAppColors.size());
    const auto index = std::size_t(appColor);
    // A value outside the cases (a cast from a damaged number) shows as gray, the first.
    return QColor(colours[index < colours.size() ? index : 0]);
}

QColor Style::color(Role role, const QWidget* widget) {
    return color(role, widget->palette());
}

QColor Style::secondary(const QWidget* widget) {
    return color(Role::secondary, widget);
}

QColor Style::separator(const QWidget* widget) {
    return color(Role::separator, widget);
}

QColor Style::destructive() {
    return color(Role::destructive, QPalette());
}

QColor Style::readable(const QColor& hue, const QColor& background, const QFont& font) {
    return Contrast::shade(hue, {background}, Contrast::required(font), Contrast::glyphCoverage);
}

QColor Style::readable(const QColor& hue, const QWidget* widget) {
    const QPalette& p = widget->palette();
    return Contrast::shade(hue, {p.color(QPalette::Window), p.color(QPalette::Base)},
                           Contrast::required(widget->font()), Contrast::glyphCoverage);
}

void Style::install() {
    QApplication::setStyle(new BoxStyle);
    QPalette p = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight,
                   Contrast::shadeUnder(p.color(group, QPalette::Highlight),
                                        p.color(group, QPalette::HighlightedText),
                                        Contrast::required(QApplication::font())));
        p.setCurrentColorGroup(group);
        // Qt's own links (in rich text) and the placeholders of every box. A placeholder is the faintest
        // text as it shows in a box, opaque: a glyph drawn without antialiasing lays a translucent colour
        // down unblended. Deepened where needed, it also reads where a label takes its colour on the window;
        // drawn at the size of the text it stands for, its glyphs show their colour whole.
        const QColor link = color(Role::link, p);
        p.setColor(group, QPalette::Link, link);
        p.setColor(group, QPalette::LinkVisited, link);
        const QColor placeholder =
            Contrast::over(color(Role::tertiary, p, QPalette::Text), p.color(QPalette::Base));
        p.setColor(group, QPalette::PlaceholderText,
                   Contrast::shade(placeholder, surfaces(p), Contrast::normalText));
    }
    p.setCurrentColorGroup(QPalette::Active);
    QApplication::setPalette(p);
}

void Style::setTextColor(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    // A label paints with the window text, a text box with the text.
    p.setColor(QPalette::WindowText, color);
    p.setColor(QPalette::Text, color);
    widget->setPalette(p);
}

void Style::setText(QLabel* label, TextStyle style, bool bold) {
    label->setTextFormat(Qt::PlainText);
    label->setFont(font(style, label->font(), bold));
}

void Style::setSecondary(QWidget* widget) {
    setTextColor(widget, secondary(widget));
}

void Style::setBackground(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Window, color);
    widget->setPalette(p);
    widget->setAutoFillBackground(true);
}

QFrame* Style::separatorLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    setTextColor(line, separator(line));
    return line;
}

void Style::makeDestructive(QAbstractButton* button) {
    QPalette p = button->palette();
    // The style shades a button's face a little around its colour, and a flat button shows the window.
    const QColor face = p.color(QPalette::Button);
    const QColor red = Contrast::shade(destructive(), {face.darker(104), p.color(QPalette::Window)},
                                       Contrast::required(button->font()));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::ButtonText, red);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, faded(red, 0.4));
    button->setPalette(p);
}

void Style::makeDestructive(QAction* action) {
    action->setIcon(Icons::icon(u"trash"_s, destructive()));
    action->setIconVisibleInMenu(true);
}

void Style::makeProminent(QAbstractButton* button, const QColor& fill, ButtonSize size) {
    const QPalette p = button->palette();
    const QColor hue = fill.isValid() ? fill : color(Role::accent, p);
    const QColor text = fill.isValid() ? QColor(Qt::white) : p.color(QPalette::HighlightedText);
    // Under the pointer and pressed, the fill moves a step further from its text, so it never reads worse.
    const double least = Contrast::required(button->font());
    const QColor background = Contrast::shade(hue, {text}, least);
    const QColor hovered = Contrast::shade(background, {text}, Contrast::ratio(text, background) + 0.6);
    const QColor pressed = Contrast::shade(background, {text}, Contrast::ratio(text, background) + 1.4);
    const bool compact = size == ButtonSize::compact;
    button->setStyleSheet(u"%7 { background-color: %1; color: %2; border: none;"
                          u" border-radius: %8px; padding: %9; }"
                          u"%7:hover { background-color: %3; }"
                          u"%7:pressed { background-color: %4; }"
                          // Without its own look a disabled button would still read as
                          // the action to press.
                          u"%7:disabled { background-color: %5; color: %6; }"_s.arg(
                              background.name(), text.name(), hovered.name(), pressed.name(),
                              p.color(QPalette::Window).darker(108).name(),
                              faded(p.color(QPalette::WindowText), 0.35).name(QColor::HexArgb),
                              QLatin1StringView(button->metaObject()->className()), compact ? u"6"_s : u"7"_s,
                              compact ? u"3px 10px"_s : u"8px 18px"_s));
}

void Style::makeLarge(QAbstractButton* button) {
    button->setFont(font(TextStyle::title3, button->font()));
    button->setMinimumHeight(button->fontMetrics().height() + 18);
    button->setIconSize(QSize(20, 20));
}

void Style::makeBigAdd(QPushButton* button) {
    button->setAutoDefault(false);
    makeLarge(button);
    makeProminent(button);
    // The symbol takes the button's text colour on the accent fill.
    setSymbol(button, u"plus"_s, button->palette().color(QPalette::HighlightedText));
}

void Style::makeLink(QPushButton* button) {
    button->setFlat(true);
    button->setAutoDefault(false);
    button->setCursor(Qt::PointingHandCursor);
    QPalette p = button->palette();
    p.setColor(QPalette::ButtonText, color(Role::link, button));
    button->setPalette(p);
}

void Style::makeSegmented(QFrame* frame) {
    const QPalette p = frame->palette();
    const QColor border = faded(p.color(QPalette::WindowText), 0.18);
    const QString name = frame->objectName();
    const QColor text = p.color(QPalette::HighlightedText);
    frame->setStyleSheet(
        u"QFrame#%1 { border: 1px solid %2; border-radius: 7px; background: %3; }"
        u"QFrame#%1 QToolButton { border: none; border-radius: 6px; padding: 3px 0px; }"
        u"QFrame#%1 QToolButton:checked { background: %4; color: %5; }"_s.arg(
            name, border.name(QColor::HexArgb), p.color(QPalette::Base).name(),
            Contrast::shadeUnder(color(Role::accent, p), text, Contrast::required(frame->font())).name(),
            text.name()));
}
