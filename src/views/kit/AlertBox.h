#pragma once

#include <QMessageBox>

// A message box in the window's one style: the title as a bold heading (and as the window title), the
// text below it as plain text with a comfortable line length. Buttons are added by the caller.
QMessageBox* makeAlertBox(QWidget* parent, const QString& title, const QString& text);

// Shows a new title and text in a box made by makeAlertBox, both as plain text.
void setAlertText(QMessageBox* box, const QString& title, const QString& text);
