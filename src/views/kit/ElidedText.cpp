#include "views/kit/ElidedText.h"

#include <QEvent>
#include <QPainter>
#include <QTextLayout>

ElidedText::ElidedText(int maxLines, QWidget* parent) : QWidget(parent), m_maxLines(std::max(1, maxLines)) {
    // Wrapped text takes the height its width gives it (a fixed policy would pin it to the hint's).
    QSizePolicy policy(QSizePolicy::Preferred, m_maxLines > 1 ? QSizePolicy::Preferred : QSizePolicy::Fixed);
    policy.setHeightForWidth(m_maxLines > 1);
    setSizePolicy(policy);
}

void ElidedText::setText(const QString& text) {
    if (text == m_text)
        return;
    m_text = text;
    updateGeometry();
    update();
}

QSize ElidedText::sizeHint() const {
    const QFontMetrics metrics(font());
    // A single line as wide as the text wants; wrapped texts take whatever width the layout gives.
    const int width = m_maxLines == 1 ? metrics.horizontalAdvance(m_text) + 1 : 200;
    return QSize(width, m_maxLines == 1 ? metrics.height() : heightForWidth(width));
}

QSize ElidedText::minimumSizeHint() const {
    return QSize(0, QFontMetrics(font()).height());
}

int ElidedText::heightForWidth(int width) const {
    const QFontMetrics metrics(font());
    const qsizetype count = std::max<qsizetype>(1, lines(width).size());
    return int(count) * metrics.lineSpacing() - metrics.leading();
}

QStringList ElidedText::lines(int width) const {
    const QFontMetrics metrics(font());
    if (m_maxLines == 1 || width <= 0)
        return {metrics.elidedText(m_text, Qt::ElideRight, std::max(width, 0))};
    // Line breaks in the text count as blanks: the lines here are the widget's, not the text's. A count
    // stays on the line of what it counts ("3 клиента", "15 ₽"), as Russian typesetting keeps them.
    QString flat = m_text;
    flat.replace(u'\n', u' ');
    for (qsizetype i = 1; i + 1 < flat.size(); ++i) {
        const QChar next = flat[i + 1];
        if (flat[i] == u' ' && flat[i - 1].isDigit() &&
            (next.isLetter() || next.category() == QChar::Symbol_Currency))
            flat[i] = QChar::Nbsp;
    }
    QTextLayout layout(flat, font());
    // A word longer than a line breaks where the line ends rather than running out of the widget.
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    QStringList result;
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (result.size() == m_maxLines - 1) {
            result.append(metrics.elidedText(flat.mid(line.textStart()), Qt::ElideRight, width));
            break;
        }
        result.append(flat.mid(line.textStart(), line.textLength()).trimmed());
    }
    layout.endLayout();
    return result;
}

void ElidedText::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QFontMetrics metrics(font());
    const QStringList shown = lines(width());
    int y = metrics.ascent();
    for (const QString& line : shown) {
        painter.drawText(0, y, line);
        y += metrics.lineSpacing();
    }
}

void ElidedText::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        updateGeometry();
}
