#pragma once

#include <QMessageBox>

// A message box in the window's one style: the title as a bold heading (and as the window title), the
// text below it as plain text with a comfortable line length. Buttons are added by the caller.
QMessageBox* makeAlertBox(QWidget* parent, const QString& title, const QString& text);
