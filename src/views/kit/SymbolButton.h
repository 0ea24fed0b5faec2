#pragma once

#include <QColor>

class QAbstractButton;
class QString;
class QToolButton;
class QWidget;

// Shows a symbol on a button, drawn at the button's icon size in its text colour, or in `tint`: the button
// keeps its text, if it has one, beside the symbol. Set the icon size first.
void setSymbol(QAbstractButton* button, const QString& symbol, const QColor& tint = QColor());

// A small flat button showing a symbol alone, for a command that stands beside what it acts on (a row's
// deletion). `help` is its help text and the name assistive technology reads: a symbol's own name never
// reaches the user.
QToolButton* symbolButton(const QString& symbol, const QString& help, QWidget* parent,
                          const QColor& tint = QColor());
