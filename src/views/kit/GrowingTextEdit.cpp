#include "views/kit/GrowingTextEdit.h"

#include "core/model/TypedText.h"

#include <QAbstractTextDocumentLayout>
#include <QTextCursor>

#include <algorithm>

GrowingTextEdit::GrowingTextEdit(int minLines, int maxLines, QWidget* parent)
    : QPlainTextEdit(parent), m_minLines(minLines), m_maxLines(maxLines) {
    setTabChangesFocus(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        fitHeight();
        if (m_showing)
            return;
        const QString text = typedText(this);
        // Taking the control characters out changes the text again and announces the cleaned one.
        if (!dropControls(text))
            emit textEdited(text);
    });
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &GrowingTextEdit::fitHeight);
    fitHeight();
}

void GrowingTextEdit::showText(const QString& text) {
    if (typedText(this) == text)
        return;
    m_showing = true;
    setPlainText(text);
    m_showing = false;
}

bool GrowingTextEdit::dropControls(const QString& text) {
    if (std::none_of(text.cbegin(), text.cend(), TypedText::isDropped))
        return false;
    // Character by character, from the end, so the positions before stay true and the cursor and the
    // selection move with the text. Joined to the edit that brought them: one undo takes both back.
    QTextCursor cursor(document());
    cursor.joinPreviousEditBlock();
    for (qsizetype i = text.size(); i-- > 0;) {
        if (TypedText::isDropped(text[i])) {
            cursor.setPosition(int(i));
            cursor.deleteChar();
        }
    }
    cursor.endEditBlock();
    return true;
}

QSize GrowingTextEdit::sizeHint() const {
    return {QPlainTextEdit::sizeHint().width(), m_height};
}

QSize GrowingTextEdit::minimumSizeHint() const {
    return {QPlainTextEdit::minimumSizeHint().width(), m_height};
}

void GrowingTextEdit::fitHeight() {
    // The plain text layout counts its size in lines, wrapped lines included, once it has laid them out;
    // before that, each paragraph counts as one line.
    int lines = int(document()->documentLayout()->documentSize().height());
    lines = std::max(lines, document()->blockCount());
    lines = std::clamp(lines, m_minLines, m_maxLines);
    const int height =
        lines * fontMetrics().lineSpacing() + 2 * int(document()->documentMargin()) + 2 * frameWidth() + 2;
    // The height is the size hint of a box whose height policy is fixed, so the layout around it gives it
    // exactly that and moves the rows below. A fixed size instead would keep the layouts from hearing of a
    // new height: Qt does not tell them when a widget of fixed size asks for a new geometry.
    if (height != m_height) {
        m_height = height;
        updateGeometry();
    }
}

QString typedText(const QPlainTextEdit* box) {
    // Raw text separates lines with the paragraph separator.
    return box->document()->toRawText().replace(QChar::ParagraphSeparator, u'\n');
}
