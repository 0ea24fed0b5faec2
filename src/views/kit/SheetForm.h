#pragma once

class QPushButton;
class QScrollArea;
class QString;
class QVBoxLayout;
class QWidget;

// The frame that the record editor and batch entry share: a scrolling column of form sections between the
// sheet's heading and its button row.
namespace SheetForm {

inline constexpr int padding = 20;

// The scroll area of the form, without a frame, scrolling only up and down.
QScrollArea* scrollArea(QWidget* sheet, const QString& name);
// The column of sections inside it. Its least size follows the sections (a list box taking lines, rows
// added), so the scroll area makes room for them instead of squeezing them.
QVBoxLayout* column(QWidget* content);
// A large button of the button row; never the default unless made so.
QPushButton* button(QWidget* sheet, const QString& text, const QString& name);

} // namespace SheetForm
