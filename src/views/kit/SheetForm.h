#pragma once

#include <functional>

class QLabel;
class QPushButton;
class QScrollArea;
class QString;
class QVBoxLayout;
class QWidget;

// The frame the sheets share: a heading, a body (for a form, a scrolling column of form sections) and the
// button row, kept `padding` from the sheet's edges.
namespace SheetForm {

inline constexpr int padding = 20;

// The sheet's heading: its title, larger and bold, as plain text.
QLabel* heading(QWidget* sheet, const QString& text);

// What a scroll area of a sheet holds: a form, or a page of the sheet (or the body that holds the pages),
// which shows the sheet behind it.
enum class Scroll { form, page };
// A scroll area of the sheet, without a frame, scrolling only up and down; its content goes in with
// setWidget(). It takes no focus: Tab goes from control to control, never to the frame around them.
QScrollArea* scrollArea(QWidget* parent, const QString& name, Scroll kind = Scroll::form);
// The column of sections inside it. Its least size follows the sections (a list box taking lines, rows
// added), so the scroll area makes room for them instead of squeezing them.
QVBoxLayout* column(QWidget* content);
// Lays out what was just shown, hidden or resized now, level by level up to the window, until `done` says
// so or the levels run out; the event loop would take a pass a level. A scroll area can then scroll to it
// at once.
void layOutNow(const std::function<bool()>& done = {});

// Which of a body's controls the keyboard may start on.
enum class Stop {
    any,
    // A control that takes no typing (a picker, a checkbox, a button): where the cursor may not be put in a
    // box, the focus still shows somewhere.
    noTextBox,
};
// The first control inside `body` that Tab stops at, in Tab order, shown (or to be shown with its window)
// and enabled; of a group of buttons of which one is chosen, the chosen one. Nullptr when there is none.
QWidget* firstStop(const QWidget* body, Stop which = Stop::any);

// A large button of the button row; never the default unless made so.
QPushButton* button(QWidget* sheet, const QString& text, const QString& name);

} // namespace SheetForm
