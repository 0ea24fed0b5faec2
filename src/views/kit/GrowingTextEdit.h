#pragma once

#include <QPlainTextEdit>

// A multi-line text box whose height follows its lines between a least and a most number of lines, then
// scrolls. Return inserts a line break; Tab moves on to the next control. The control characters no value
// may hold (TypedText) are taken out of what the user types, pastes or drops before textEdited tells of it;
// a text shown from outside stays as it is.
class GrowingTextEdit : public QPlainTextEdit {
    Q_OBJECT
public:
    GrowingTextEdit(int minLines, int maxLines, QWidget* parent = nullptr);

    // Shows a text set from outside, keeping the cursor when the text is already there; emits no textEdited.
    void showText(const QString& text);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    // The user changed the text (typing, pasting, deleting); not emitted for showText().
    void textEdited(const QString& text);

private:
    void fitHeight();
    // Takes the control characters out of the document; false when the text holds none.
    bool dropControls(const QString& text);

    int m_minLines;
    int m_maxLines;
    int m_height = 0; // the height the lines ask for
    bool m_showing = false;
};

// The text of a multi-line box as typed. QPlainTextEdit::toPlainText turns non-breaking spaces into plain
// blanks, which would change a stored text the user did not touch.
QString typedText(const QPlainTextEdit* box);
