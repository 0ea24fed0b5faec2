#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;

// The last row of a sheet: a flexible space, "Отмена", which closes the sheet and takes Escape, and the
// sheet's primary button, large and prominent, the one button Return presses. The caller connects the
// primary button and adds the row to the sheet's layout.
struct SheetFooter {
    QHBoxLayout* row;
    QPushButton* cancel;
    QPushButton* primary;
};
SheetFooter makeSheetFooter(QDialog* sheet, const QString& primaryTitle, const QString& primaryName);
