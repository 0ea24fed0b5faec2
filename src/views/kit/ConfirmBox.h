#pragma once

#include <QMessageBox>

#include <functional>

// A question over a sheet before it does something the user may not mean: the action's button and a way
// back (the reject role: focused, taking Escape). Return presses neither, so the action always takes a
// deliberate click. `onAction` runs when the action's button was clicked; the box deletes itself once
// closed. Window-modal and opened at once.
QMessageBox* openConfirmBox(QWidget* parent, const QString& title, const QString& text, const QString& action,
                            QMessageBox::ButtonRole actionRole, const QString& back,
                            std::function<void()> onAction);
