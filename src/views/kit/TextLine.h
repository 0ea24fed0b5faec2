#pragma once

#include <QLineEdit>

// The application's one-line text box. It takes text of any length, so a pasted list or value is never cut
// (a plain QLineEdit keeps 32,767 characters and drops the rest without a sign), and it drops the control
// characters no value may hold (TypedText) from what the user types, pastes or drops, before anyone hears
// of the edit, the cursor staying where the user left it. A text set from code is shown as it is.
class TextLine : public QLineEdit {
    Q_OBJECT
public:
    explicit TextLine(QWidget* parent = nullptr);
    TextLine(const QString& text, QWidget* parent);
};

// Shows a text in a box the user may be typing in: left alone while it has the focus (whatever it shows
// then is what the user typed), otherwise set without announcing an edit.
void showText(QLineEdit* box, const QString& text);
