#pragma once

#include <QSize>

class QDialog;
class QWidget;

// How large a sheet opens. A wide table's sheet may be larger than the window it covers, a form's never;
// and no sheet is larger than its screen: bounded to the room it has, its body scrolls and its footer,
// with the default button, stays in view. A laptop's screen is lower than some sheets' least size.
namespace SheetSize {

enum class Fit {
    // Resizable; opens no larger than the window it covers, even where that is below its least size
    // (a form, whose body scrolls).
    withinWindow,
    // Resizable; opens at its ideal size wherever the screen has room for it (a wide table).
    withinScreen,
    // Exactly the size it gets.
    fixed,
};

// The room for a sheet over `parent`: the available area of the parent's screen less the frame the
// window manager draws around a window.
QSize room(const QWidget* parent);

// Gives the sheet its least and ideal size as `fit` says, both kept within the room of the screen.
void apply(QDialog* sheet, QSize minimum, QSize ideal, Fit fit);

} // namespace SheetSize
