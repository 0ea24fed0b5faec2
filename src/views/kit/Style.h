#pragma once

#include "core/model/Model.h"

#include <QColor>
#include <QFont>
#include <QPalette>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

// The text styles, colours and button looks the shell's screens share, as factors of the application font
// so they follow the user's font size.
namespace Style {

enum class TextStyle { largeTitle, title, title2, title3, headline, body, callout, caption };

QFont font(TextStyle style, const QFont& base, bool bold = false);
// A font whose digits all have one width, so numbers line up in a column: the base itself when its digits
// do, else the base in a family whose digits do.
QFont tabularFont(const QFont& base);
// Shows a label's text as plain text in the given style.
void setText(QLabel* label, TextStyle style, bool bold = false);

// What the screens colour, each colour defined once. The roles that follow the text are the text colour
// at an opacity, so they suit a light and a dark palette alike, and still read as text on the palette's
// window, boxes and table rows. The signal roles (destructive, warning, success) are hues for fills and
// symbols; text in them takes readable().
enum class Role {
    secondary,   // captions, notes and their symbols
    tertiary,    // the faintest text: the dash of an empty cell, a box's placeholder
    separator,   // thin separator lines
    destructive, // deletions, changes that drop values, errors, a falling figure
    warning,     // warnings that let the user go on
    success,     // new rows, a correct check, a rising figure
    link,        // links and buttons drawn as links: the accent's hue
    accent,      // the selection and what stands for the journal: selected rows and segments, filled
                 // buttons, the journal's symbol, the chosen icon or template
    sidebar,     // the sidebar's background: a shade deeper than the window
};

// The colour of a role in a palette. `text` is the colour the text roles start from: a delegate's text,
// or the highlighted text of a selected row.
QColor color(Role role, const QPalette& palette, QPalette::ColorRole text = QPalette::WindowText);
// The colour of a role in a widget's palette.
QColor color(Role role, const QWidget* widget);
// The display colour of a journal's colour (a status's, a metric's): a fixed colour close to the system
// colour of the same name, the same in every palette.
QColor color(AppColor appColor);
// Shorthands for the roles most asked for.
QColor secondary(const QWidget* widget);
QColor separator(const QWidget* widget);
QColor destructive();

// The surfaces a palette's text and marks stand on: the window, a box, and the alternate rows of a table.
QList<QColor> surfaces(const QPalette& palette);

// The colour to draw text of a hue in: the hue where it reads well enough against `background` in the font
// (Contrast::required) as its smoothed glyphs show it (Contrast::glyphCoverage), else the nearest shade of
// it that does. The screens keep their colours' hues for fills, dots and symbols and draw text in this
// shade.
QColor readable(const QColor& hue, const QColor& background, const QFont& font);
// The same for the widget's own text, which may stand on its window or on a box (a form section, a cell)
// of its palette: the shade reads on both.
QColor readable(const QColor& hue, const QWidget* widget);

// Makes the application palette's accent a shade its highlighted text reads on: selected rows, checked
// segments and filled buttons draw that text on it. Links and placeholders take the link and the tertiary
// roles, and the borders of boxes and check boxes a shade that shows where they are (BoxStyle). Runs once,
// after the application is made.
void install();

// Draws the widget's text (a label's, a text box's, or what the widget paints with its window text) in
// the colour. The one way the screens colour text.
void setTextColor(QWidget* widget, const QColor& color);
// Draws the widget's text in the secondary colour.
void setSecondary(QWidget* widget);
// Fills the widget's background with the colour.
void setBackground(QWidget* widget, const QColor& color);

// A thin horizontal line in the separator colour: the one separator between a bar and what follows it.
QFrame* separatorLine(QWidget* parent);

// A button whose action destroys something, as the platform marks one: its text in the destructive colour
// (the shade of it that reads on the button), faded while disabled. Every destructive button and
// message-box button takes this one look.
void makeDestructive(QAbstractButton* button);
// A command that destroys something: its symbol, a bin in the destructive colour, shown in menus too. A
// menu draws every entry's text in its own colours, so the symbol is the one mark a menu entry can carry;
// every destructive command in a menu takes it.
void makeDestructive(QAction* action);

// How much room a prominent button takes: a screen's main action, or a button in a row of tool buttons.
enum class ButtonSize { regular, compact };
// A filled button: the one main action of a screen (a push button, or a tool button that shows a shared
// action). Filled with the accent colour and its text colour, or with `fill` (a status's colour) and
// white text; either fill in the shade its text reads on, a step further from the text while the pointer
// is over the button and again while it is pressed.
void makeProminent(QAbstractButton* button, const QColor& fill = QColor(),
                   ButtonSize size = ButtonSize::regular);
// A taller button with a larger font, for the few big actions.
void makeLarge(QAbstractButton* button);
// The big add button of an empty screen or an overview: large, prominent, with a plus in its text colour.
// The caller gives the text.
void makeBigAdd(QPushButton* button);
// A button drawn as a link: flat, in the link colour, never the dialog's default.
void makeLink(QPushButton* button);
// A frame of checkable tool buttons drawn as one segmented switch: the checked segment in the accent colour.
// The frame needs an object name; the buttons go into it side by side.
void makeSegmented(QFrame* frame);

} // namespace Style
