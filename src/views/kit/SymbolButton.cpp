#include "views/kit/SymbolButton.h"

#include "views/kit/Symbols.h"

#include <QIcon>
#include <QToolButton>

void setSymbol(QAbstractButton* button, const QString& symbol, const QColor& tint) {
    const QColor colour = tint.isValid() ? tint : button->palette().color(QPalette::ButtonText);
    button->setIcon(
        QIcon(Symbols::symbol(symbol, colour, button->iconSize().width(), button->devicePixelRatioF())));
}

QToolButton* symbolButton(const QString& symbol, const QString& help, QWidget* parent, const QColor& tint) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setToolTip(help);
    button->setAccessibleName(help);
    setSymbol(button, symbol, tint);
    return button;
}
