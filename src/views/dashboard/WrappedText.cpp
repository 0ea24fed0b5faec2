#include "views/dashboard/WrappedText.h"

#include <QAbstractTextDocumentLayout>
#include <QResizeEvent>

#include <cmath>

using namespace Qt::StringLiterals;

WrappedText::WrappedText(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setAcceptRichText(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setViewportMargins(0, 0, 0, 0);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    setStyleSheet(u"QTextEdit { background: transparent; }"_s);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    connect(document()->documentLayout(), &QAbstractTextDocumentLayout::documentSizeChanged, this,
            &WrappedText::fitHeight);
}

void WrappedText::setText(const QString& text) {
    if (text == m_text && !document()->isEmpty())
        return;
    m_text = text;
    setPlainText(text);
    fitHeight();
}

QSize WrappedText::sizeHint() const {
    return QSize(200, height());
}

QSize WrappedText::minimumSizeHint() const {
    return QSize(0, height());
}

void WrappedText::resizeEvent(QResizeEvent* event) {
    QTextEdit::resizeEvent(event);
    if (event->size().width() != event->oldSize().width())
        fitHeight();
}

void WrappedText::fitHeight() {
    document()->setTextWidth(viewport()->width());
    const int lines = int(std::ceil(document()->size().height()));
    const int wanted = std::max(lines, fontMetrics().height()) + 2 * frameWidth();
    if (wanted != height()) {
        setFixedHeight(wanted);
        updateGeometry();
    }
}
