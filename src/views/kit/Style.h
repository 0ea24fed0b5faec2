#pragma once

#include <QColor>
#include <QFont>

class QAbstractButton;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The text styles and button looks the shell's screens share, as factors of the application font so
// they follow the user's font size.
namespace Style {

enum class TextStyle { largeTitle, title, title2, title3, headline, body, callout, caption };

QFont font(TextStyle style, const QFont& base, bool bold = false);
// The text colour of the widget at a reduced opacity: secondary text and symbols.
QColor secondary(const QWidget* widget);
// Shows a label's text as plain text in the given style.
void setText(QLabel* label, TextStyle style, bool bold = false);
// Draws a label's text in the secondary colour.
void setSecondary(QLabel* label);
// Draws the widget's text (a label's, or what the widget paints with its window text) in the colour.
void setTextColor(QWidget* widget, const QColor& color);
// The colour of thin separator lines.
QColor separator(const QWidget* widget);

// The colour of an action that destroys something: a deletion, a change that drops stored values.
QColor destructive();
// A button whose action destroys something, as the platform marks one: its text in the destructive colour,
// faded while disabled. Every destructive button and message-box button takes this one look.
void makeDestructive(QAbstractButton* button);

// A filled button in the accent colour: the one main action of a screen (a push button, or a tool button
// that shows a shared action).
void makeProminent(QAbstractButton* button);
// A taller button with a larger font, for the few big actions.
void makeLarge(QAbstractButton* button);
// A frame of checkable tool buttons drawn as one segmented switch: the checked segment in the accent colour.
// The frame needs an object name; the buttons go into it side by side.
void makeSegmented(QFrame* frame);

} // namespace Style
