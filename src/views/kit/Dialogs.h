#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>

// Every alert and question of the application. Each box is window-modal over its parent's window and
// opened with open(), never exec(): no nested event loop, so nothing waits on the answer and tests drive
// it. The title is the box's bold heading and its window title, the text stands below it; both are plain
// text, so a file name or header quoted in them never reads as markup. The box deletes itself once
// closed; keep it in a QPointer to know whether it is still open.
namespace Dialogs {

// A notice with one "OK" button, which Return and Escape press too.
QMessageBox* alert(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon);

// Shows a new title and text in an open box, both as plain text.
void setText(QMessageBox* box, const QString& title, const QString& text);

struct Question {
    QString title;
    QString text;
    // The button that acts. A destructive one looks it.
    QString action;
    QMessageBox::ButtonRole actionRole = QMessageBox::AcceptRole;
    // The way back: the reject role, focused, taking Escape.
    QString back = QStringLiteral("Отмена");
    // Every question here is a caution unless it says otherwise; a box without an icon would leave its
    // icon column empty.
    QMessageBox::Icon icon = QMessageBox::Warning;
    // The window's title when it is not the title.
    QString windowTitle;
};

// A question before something the user may not mean. Neither button takes Return and "back" has the
// focus, where Space presses it: the action always takes a deliberate click. `onAction` runs once the
// box has closed by a click on the action, never on any other way out.
QMessageBox* question(QWidget* parent, const Question& question, std::function<void()> onAction);

} // namespace Dialogs
