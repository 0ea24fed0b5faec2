#include "views/dashboard/BreakdownTable.h"

#include "app/cells/CellContent.h"
#include "app/kit/PlainToolTip.h"
#include "views/kit/Style.h"

#include <QEvent>
#include <QHash>
#include <QHelpEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <vector>

namespace {

constexpr int columnGap = 28;
constexpr int rowGap = 6;
// Beyond this a row title is cut, so one long value cannot push the figures out of sight.
constexpr int widestTitle = 320;
// Short of room, row titles are cut down to this before any figure's header wraps.
constexpr int narrowestTitle = 120;
// More lines than any header wraps onto; only a bound for measuring.
constexpr int tallHeader = 1000;

} // namespace

BreakdownTable::BreakdownTable(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void BreakdownTable::setRows(const QStringList& header, Rows rows) {
    // Titles of the same field come back with every other period.
    if (header.value(0) != m_header.value(0))
        m_titleWidths.clear();
    m_header = header;
    m_rows = std::move(rows);
    measure();
    update();
}

QList<QStringList> BreakdownTable::rows() const {
    QList<QStringList> rows;
    rows.reserve(m_rows.titles.size());
    for (qsizetype r = 0; r < m_rows.titles.size(); ++r)
        rows.append(QStringList{m_rows.titles[r]} + m_rows.figures(r));
    return rows;
}

void BreakdownTable::setRoom(int width) {
    if (width == m_room)
        return;
    m_room = width;
    layOut();
    update();
}

QFont BreakdownTable::headerFont() const {
    QFont f = Style::font(Style::TextStyle::callout, font());
    f.setWeight(QFont::DemiBold);
    return f;
}

QFont BreakdownTable::valueFont() const {
    return Style::tabularFont(font());
}

int BreakdownTable::rowPitch() const {
    return std::max(QFontMetrics(font()).height(), QFontMetrics(valueFont()).height()) + rowGap;
}

int BreakdownTable::headerHeight() const {
    // The header's lines, a gap, the divider and a gap.
    return m_headerTextHeight + rowGap + 1 + rowGap;
}

void BreakdownTable::measure() {
    // Text is laid out in fractions of a pixel: a column rounded down would cut its widest text.
    const QFontMetricsF head(headerFont()), value(valueFont());
    const auto widthOf = [](const QFontMetricsF& metrics, const QString& text) {
        return int(std::ceil(metrics.horizontalAdvance(text))) + 1;
    };
    qsizetype count = std::max(m_header.size(), m_rows.titles.isEmpty() ? 0 : 1 + m_rows.shapes.size());
    // Figures are drawn with digits of equal width, so a figure is as wide as its text with every digit
    // made a 0: the few such shapes are measured once each.
    QHash<QString, int> shapes;
    QList<int> widest(count, 0);
    for (qsizetype c = 1; c <= m_rows.shapes.size(); ++c) {
        for (QString shape : std::as_const(m_rows.shapes[c - 1])) {
            for (QChar& ch : shape) {
                if (ch >= u'1' && ch <= u'9')
                    ch = u'0';
            }
            const auto known = shapes.constFind(shape);
            const int width = known != shapes.cend() ? *known : *shapes.insert(shape, widthOf(value, shape));
            widest[c] = std::max(widest[c], width);
        }
    }
    m_columns.clear();
    for (qsizetype c = 0; c < count; ++c) {
        const QString text = m_header.value(c);
        const int header = widthOf(head, text);
        if (c == 0) {
            const int ideal = std::min(measureTitles(header), widestTitle);
            m_columns.append({std::min(ideal, narrowestTitle), ideal});
            continue;
        }
        // A figure's header may wrap between its words, never inside one.
        int longestWord = 0;
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            longestWord = std::max(longestWord, widthOf(head, word));
        m_columns.append({std::max(widest[c], longestWord), std::max(widest[c], header)});
    }
    // A header wrapped once may narrow to its longest word at no further cost: the columns give up their
    // room one at a time, the one with the most to give first, so as few headers as may be wrap.
    QList<int> figures;
    for (int c = 1; c < m_columns.size(); ++c)
        figures.append(c);
    const auto room = [this](int c) { return m_columns[c].ideal - m_columns[c].minimum; };
    std::stable_sort(figures.begin(), figures.end(), [&](int a, int b) { return room(a) > room(b); });
    for (int i = 0; i < figures.size(); ++i)
        m_columns[figures[i]].round = i + 1;
    layOut();
}

int BreakdownTable::measureTitles(int atLeast) {
    // Laying out tens of thousands of titles is what costs most. A title's width is close to the sum of its
    // characters' own advances: kerning moves a pair of letters by a fraction of a pixel, and mostly
    // closer. Titles are laid out from the longest sum down, and once even a generous allowance on a sum
    // cannot reach the widest measured, no shorter title can be the widest and none is laid out. A
    // title of other scripts (marks, joined letters, right to left) is always laid out, as are all titles
    // in a font that spaces its letters or words.
    const QFontMetricsF metrics(font());
    const auto widthOf = [&](const QString& text) {
        return int(std::ceil(metrics.horizontalAdvance(text))) + 1;
    };
    const bool spaced = font().letterSpacing() != 0 || font().wordSpacing() != 0;
    // Latin and Cyrillic letters, digits, punctuation, dashes, quotes and "№".
    std::vector<qreal> advances(0x2117, -1);
    const auto advanceOf = [&](char16_t c) -> qreal {
        const bool plain = (c >= 0x20 && c < 0x7F) || (c >= 0xA0 && c < 0x300) || (c >= 0x400 && c < 0x483) ||
                           (c >= 0x48A && c < 0x530) || (c >= 0x2010 && c < 0x2028) || c == 0x2116;
        if (spaced || !plain)
            return -1;
        qreal& advance = advances[c];
        if (advance < 0)
            advance = metrics.horizontalAdvance(QChar(c));
        return advance;
    };
    constexpr qreal unbounded = std::numeric_limits<qreal>::max();
    std::vector<std::pair<qreal, qsizetype>> sums;
    int widest = atLeast;
    for (qsizetype r = 0; r < m_rows.titles.size(); ++r) {
        qreal sum = 0;
        for (const QChar c : m_rows.titles[r]) {
            const qreal advance = advanceOf(c.unicode());
            if (advance < 0) {
                sum = unbounded;
                break;
            }
            sum += advance;
        }
        sums.emplace_back(sum, r);
    }
    const auto measured = [&](qsizetype r) {
        const QString& title = m_rows.titles[r];
        auto known = m_titleWidths.constFind(title);
        if (known == m_titleWidths.cend())
            known = m_titleWidths.insert(title, widthOf(title));
        return *known;
    };
    const auto mayBeWider = [&](qreal sum) {
        return sum == unbounded || int(std::ceil(sum * 1.05 + 2)) + 1 > widest;
    };
    const auto bySum = [](const auto& a, const auto& b) { return a.first > b.first; };
    // The longest sum first: it leaves few titles that may still be wider, sorted then.
    if (const auto longest = std::min_element(sums.begin(), sums.end(), bySum); longest != sums.end())
        widest = std::max(widest, measured(longest->second));
    sums.erase(std::remove_if(sums.begin(), sums.end(), [&](const auto& s) { return !mayBeWider(s.first); }),
               sums.end());
    std::sort(sums.begin(), sums.end(), bySum);
    for (const auto& [sum, r] : sums) {
        if (!mayBeWider(sum) || widest >= widestTitle) // past the limit the column is cut anyway
            break;
        widest = std::max(widest, measured(r));
    }
    return widest;
}

void BreakdownTable::layOut() {
    const int gaps = std::max<int>(0, int(m_columns.size()) - 1) * columnGap;
    QList<int> natural;
    for (const ColumnWidths::Column& column : std::as_const(m_columns))
        natural.append(column.ideal);
    m_widths = ColumnWidths::fit(m_columns, natural, {}, m_room - gaps);
    const QFontMetrics head(headerFont());
    m_headerTextHeight = head.height();
    for (qsizetype c = 1; c < m_widths.size(); ++c) {
        const QRect wrapped = head.boundingRect(QRect(0, 0, m_widths[c], tallHeader),
                                                Qt::AlignLeft | Qt::TextWordWrap, m_header.value(c));
        m_headerTextHeight = std::max(m_headerTextHeight, wrapped.height());
    }
    const int width = std::accumulate(m_widths.cbegin(), m_widths.cend(), 0) + gaps;
    const auto count = int(m_rows.titles.size());
    m_size = QSize(width, headerHeight() + count * rowPitch() - (count == 0 ? 0 : rowGap));
    updateGeometry();
}

QString BreakdownTable::cutTextAt(const QPoint& point) const {
    // Only the titles' column is ever cut: figures stay whole and their headers wrap.
    if (m_widths.isEmpty() || point.x() < 0 || point.x() >= m_widths[0] || point.y() < 0)
        return {};
    const bool inHeader = point.y() < headerHeight();
    const qsizetype row = inHeader ? -1 : (point.y() - headerHeight()) / rowPitch();
    if (!inHeader && row >= m_rows.titles.size())
        return {};
    const QString text = inHeader ? m_header.value(0) : m_rows.titles[row];
    const QFontMetrics metrics(inHeader ? headerFont() : font());
    return metrics.elidedText(text, Qt::ElideRight, m_widths[0]) == text ? QString() : text;
}

bool BreakdownTable::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString whole = cutTextAt(help->pos());
    if (whole.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(help->globalPos(), plainToolTip(whole), this);
    }
    return true;
}

void BreakdownTable::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor text = palette().color(QPalette::WindowText);
    painter.setPen(Style::secondary(this));
    painter.setFont(headerFont());
    const QFontMetrics head(headerFont());
    int x = 0;
    // Headers stand on the divider; a figure's header wraps where its column is narrower than it.
    for (qsizetype c = 0; c < m_header.size() && c < m_widths.size(); ++c) {
        const QRect area(x, 0, m_widths[c], m_headerTextHeight);
        if (c == 0)
            painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                             head.elidedText(m_header[c], Qt::ElideRight, m_widths[c]));
        else
            painter.drawText(area, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, m_header[c]);
        x += m_widths[c] + columnGap;
    }
    const int dividerY = m_headerTextHeight + rowGap;
    painter.fillRect(QRect(0, dividerY, width(), 1), Style::separator(this));

    const int top = headerHeight();
    const int pitch = rowPitch();
    const QRect exposed = event->rect();
    const qsizetype first = std::max(0, (exposed.top() - top) / pitch);
    const qsizetype last = std::min<qsizetype>(m_rows.titles.size() - 1, (exposed.bottom() - top) / pitch);
    const QFontMetrics titleMetrics(font()), valueMetrics(valueFont());
    painter.setPen(text);
    for (qsizetype r = first; r <= last; ++r) {
        const QStringList row = QStringList{m_rows.titles[r]} + m_rows.figures(r);
        const int baseline = top + int(r) * pitch + titleMetrics.ascent();
        x = 0;
        for (qsizetype c = 0; c < row.size() && c < m_widths.size(); ++c) {
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
    if (event->type() == QEvent::FontChange) {
        m_titleWidths.clear();
        measure();
    }
}
