#include "views/kit/Style.h"

#include "views/kit/AppColorQt.h"

#include <QAbstractButton>
#include <QFrame>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

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

QColor Style::secondary(const QWidget* widget) {
    QColor c = widget->palette().color(QPalette::WindowText);
    c.setAlphaF(0.55);
    return c;
}

QColor Style::separator(const QWidget* widget) {
    QColor c = widget->palette().color(QPalette::WindowText);
    c.setAlphaF(0.14);
    return c;
}

void Style::setTextColor(QWidget* widget, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::WindowText, color);
    widget->setPalette(p);
}

void Style::setText(QLabel* label, TextStyle style, bool bold) {
    label->setTextFormat(Qt::PlainText);
    label->setFont(font(style, label->font(), bold));
}

void Style::setSecondary(QLabel* label) {
    setTextColor(label, secondary(label));
}

QColor Style::destructive() {
    return color(AppColor::red);
}

void Style::makeDestructive(QAbstractButton* button) {
    QPalette p = button->palette();
    const QColor red = destructive();
    QColor faded = red;
    faded.setAlphaF(0.4);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
        p.setColor(group, QPalette::ButtonText, red);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, faded);
    button->setPalette(p);
}

void Style::makeProminent(QAbstractButton* button) {
    const QPalette p = button->palette();
    const QColor accent = p.color(QPalette::Highlight);
    QColor dimmed = p.color(QPalette::WindowText);
    dimmed.setAlphaF(0.35);
    button->setStyleSheet(u"%7 { background-color: %1; color: %2; border: none;"
                          u" border-radius: 7px; padding: 8px 18px; }"
                          u"%7:hover { background-color: %3; }"
                          u"%7:pressed { background-color: %4; }"
                          // Without its own look a disabled button would still read as
                          // the action to press.
                          u"%7:disabled { background-color: %5; color: %6; }"_s.arg(
                              accent.name(), p.color(QPalette::HighlightedText).name(),
                              accent.lighter(110).name(), accent.darker(115).name(),
                              p.color(QPalette::Window).darker(108).name(), dimmed.name(QColor::HexArgb),
                              QLatin1StringView(button->metaObject()->className())));
}

void Style::makeLarge(QAbstractButton* button) {
    button->setFont(font(TextStyle::title3, button->font()));
    button->setMinimumHeight(button->fontMetrics().height() + 18);
    button->setIconSize(QSize(20, 20));
}

void Style::makeSegmented(QFrame* frame) {
    const QPalette p = frame->palette();
    QColor border = p.color(QPalette::WindowText);
    border.setAlphaF(0.18);
    const QString name = frame->objectName();
    frame->setStyleSheet(u"QFrame#%1 { border: 1px solid %2; border-radius: 7px; background: %3; }"
                         u"QFrame#%1 QToolButton { border: none; border-radius: 6px; padding: 3px 0px; }"
                         u"QFrame#%1 QToolButton:checked { background: %4; color: %5; }"_s.arg(
                             name, border.name(QColor::HexArgb), p.color(QPalette::Base).name(),
                             p.color(QPalette::Highlight).name(), p.color(QPalette::HighlightedText).name()));
}
