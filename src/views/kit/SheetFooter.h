#pragma once

class QDialog;
class QHBoxLayout;
class QPushButton;
class QString;

// The last row of a sheet: a flexible space, "Отмена", which closes the sheet and takes Escape, and the
// sheet's primary button, large and prominent. The caller connects the primary button, may put its own
// items before the space, and adds the row to the sheet's layout.
struct SheetFooter {
    QHBoxLayout* row;
    QPushButton* cancel;
    QPushButton* primary;
};

// Whether Return presses the primary button. Sheets whose boxes take Return themselves (batch entry's
// lists) save by a key of their own instead.
enum class FooterReturn { pressesPrimary, pressesNothing };

SheetFooter makeSheetFooter(QDialog* sheet, const QString& primaryTitle, const QString& primaryName,
                            FooterReturn returnKey = FooterReturn::pressesPrimary);
