#pragma once

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

// What a scroll area of a sheet holds. A form's own scroll area takes the focus where no box may take it
// first. A page of the sheet (or the body that holds the pages) leaves the focus to the boxes and shows the
// sheet behind it.
enum class Scroll { form, page };
// A scroll area of the sheet, without a frame, scrolling only up and down; its content goes in with
// setWidget().
QScrollArea* scrollArea(QWidget* parent, const QString& name, Scroll kind = Scroll::form);
// The column of sections inside it. Its least size follows the sections (a list box taking lines, rows
// added), so the scroll area makes room for them instead of squeezing them.
QVBoxLayout* column(QWidget* content);
// A large button of the button row; never the default unless made so.
QPushButton* button(QWidget* sheet, const QString& text, const QString& name);

} // namespace SheetForm
