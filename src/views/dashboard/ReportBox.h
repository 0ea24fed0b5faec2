#pragma once

#include "views/dashboard/Card.h"

class QAction;
class QToolButton;
class WrappedText;

// The short report of the period, selectable, with its copy command. A copy shows "Скопировано" on the
// button for two seconds after it; each copy schedules its own return of the label and none is cancelled,
// so the label comes back two seconds after the first of several quick copies.
class ReportBox : public Card {
    Q_OBJECT
public:
    explicit ReportBox(QWidget* parent = nullptr);

    void setReport(const QString& text);

private:
    void copy();
    void showCopied(bool copied);

    WrappedText* m_text;
    // The copy command: the button's action, and Ctrl+Shift+C anywhere in the window while it is shown.
    QAction* m_copy;
    QToolButton* m_button;
};
