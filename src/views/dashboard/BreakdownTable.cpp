#include "BreakdownTable.h"

#include "Style.h"
#include "cells/CellStyle.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>

#include <cmath>

namespace {

constexpr int columnGap = 28;
constexpr int rowGap = 6;
// Beyond this a row title is cut, so one long value cannot push the figures out of sight.
constexpr int widestTitle = 320;

} // namespace

BreakdownTable::BreakdownTable(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BreakdownTable::setTable(const QStringList& header, const QList<QStringList>& rows) {
    m_header = header;
    m_rows = rows;
    measure();
    update();
}

QFont BreakdownTable::headerFont() const {
    QFont f = Style::font(Style::TextStyle::callout, font());
    f.setWeight(QFont::DemiBold);
    return f;
}

QFont BreakdownTable::valueFont() const {
    return CellStyle::equalWidthDigits(font());
}

int BreakdownTable::rowPitch() const {
    return std::max(QFontMetrics(font()).height(), QFontMetrics(valueFont()).height()) + rowGap;
}

int BreakdownTable::headerHeight() const {
    // The header line, a gap, the divider and a gap.
    return QFontMetrics(headerFont()).height() + rowGap + 1 + rowGap;
}

void BreakdownTable::measure() {
    // Text is laid out in fractions of a pixel: a column rounded down would cut its widest text.
    const QFontMetricsF head(headerFont()), title(font()), value(valueFont());
    const auto widthOf = [](const QFontMetricsF& metrics, const QString& text) {
        return int(std::ceil(metrics.horizontalAdvance(text))) + 1;
    };
    m_widths = QList<int>(m_header.size(), 0);
    for (qsizetype c = 0; c < m_header.size(); ++c)
        m_widths[c] = widthOf(head, m_header[c]);
    for (const QStringList& row : m_rows) {
        if (row.size() > m_widths.size())
            m_widths.resize(row.size(), 0);
        for (qsizetype c = 0; c < row.size(); ++c) {
            const int wanted = widthOf(c == 0 ? title : value, row[c]);
            m_widths[c] = std::max(m_widths[c], c == 0 ? std::min(wanted, widestTitle) : wanted);
        }
    }
    int width = 0;
    for (int w : m_widths)
        width += w + columnGap;
    width = std::max(0, width - columnGap);
    m_size = QSize(width, headerHeight() + int(m_rows.size()) * rowPitch() - (m_rows.isEmpty() ? 0 : rowGap));
    updateGeometry();
}

void BreakdownTable::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(Style::secondary(this));
    painter.setFont(headerFont());
    const QFontMetrics head(headerFont());
    int x = 0;
    for (qsizetype c = 0; c < m_header.size(); ++c) {
        painter.drawText(x, head.ascent(), head.elidedText(m_header[c], Qt::ElideRight, m_widths[c]));
        x += m_widths[c] + columnGap;
    }
    const int dividerY = head.height() + rowGap;
    painter.fillRect(QRect(0, dividerY, width(), 1), Style::separator(this));

    const int top = headerHeight();
    const int pitch = rowPitch();
    const QRect exposed = event->rect();
    const qsizetype first = std::max(0, (exposed.top() - top) / pitch);
    const qsizetype last = std::min<qsizetype>(m_rows.size() - 1, (exposed.bottom() - top) / pitch);
    const QFontMetrics titleMetrics(font()), valueMetrics(valueFont());
    painter.setPen(text);
    for (qsizetype r = first; r <= last; ++r) {
        const QStringList& row = m_rows[r];
        const int baseline = top + int(r) * pitch + titleMetrics.ascent();
        x = 0;
        for (qsizetype c = 0; c < row.size(); ++c) {
            const bool isTitle = c == 0;
            painter.setFont(isTitle ? font() : valueFont());
            const QFontMetrics& metrics = isTitle ? titleMetrics : valueMetrics;
            // Only titles are cut; a figure is always whole.
            painter.drawText(x, baseline,
                             isTitle ? metrics.elidedText(row[c], Qt::ElideRight, m_widths[c]) : row[c]);
            x += m_widths[c] + columnGap;
        }
    }
}

void BreakdownTable::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        measure();
}
