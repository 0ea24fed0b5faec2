#include "core/csv/RowReader.h"

namespace CSVService {

RowReader::RowReader(QStringView text, QChar delimiter)
    : m_text(text), m_delimiter(delimiter.unicode()), m_clusters(text) {}

void RowReader::take(qsizetype from, qsizetype to) {
    if (to <= from)
        return;
    if (!m_cellOwned && m_cellSize == 0) {
        m_cellFrom = from;
        m_cellSize = to - from;
        return;
    }
    moveToOwnBuffer();
    m_unquoted.append(m_text.sliced(from, to - from));
}

void RowReader::takeQuote() {
    moveToOwnBuffer();
    m_unquoted.append(u'"');
}

void RowReader::moveToOwnBuffer() {
    if (m_cellOwned)
        return;
    m_cellOwned = true;
    m_ownedFrom = m_unquoted.size();
    m_unquoted.append(m_text.sliced(m_cellFrom, m_cellSize));
}

bool RowReader::cellIsEmpty() const {
    return m_cellOwned ? m_unquoted.size() == m_ownedFrom : m_cellSize == 0;
}

void RowReader::endCell(qsizetype runEnd) {
    take(m_runStart, runEnd);
    if (m_cellOwned)
        m_spans.append(Span{true, m_ownedFrom, m_unquoted.size() - m_ownedFrom});
    else
        m_spans.append(Span{false, m_cellFrom, m_cellSize});
    m_cellOwned = false;
    m_cellFrom = m_cellSize = 0;
}

bool RowReader::next() {
    // Emptied, not freed: the buffers of one row serve the next.
    m_spans.clear();
    m_cells.clear();
    m_unquoted.truncate(0);
    const qsizetype n = m_text.size();
    bool inQuotes = false;
    bool rowEnded = false;
    qsizetype i = m_pos;
    m_runStart = i;
    while (i < n && !rowEnded) {
        const char16_t u = m_text[i].unicode();
        if (inQuotes) {
            if (u != u'"' || !m_clusters.isWhole(i, 1)) {
                ++i;
                continue;
            }
            take(m_runStart, i);
            if (i + 1 < n && m_text[i + 1] == u'"' && m_clusters.isWhole(i + 1, 1)) {
                takeQuote();
                i += 2;
            } else {
                inQuotes = false;
                ++i;
            }
            m_runStart = i;
            continue;
        }
        if (u == u'"' && m_clusters.isWhole(i, 1)) {
            if (cellIsEmpty() && m_runStart == i) {
                inQuotes = true;
                m_runStart = ++i;
            } else {
                ++i; // a quote after the cell's first character is an ordinary character
            }
            continue;
        }
        if (u == m_delimiter && m_clusters.isWhole(i, 1)) {
            endCell(i);
            m_runStart = ++i;
            continue;
        }
        if (u == u'\n' || u == u'\r') {
            endCell(i);
            i += (u == u'\r' && i + 1 < n && m_text[i + 1] == u'\n') ? 2 : 1;
            rowEnded = true;
            continue;
        }
        ++i;
    }
    if (!rowEnded) {
        // The end of the text ends the last row, unless nothing of it was read.
        take(m_runStart, n);
        m_runStart = n;
        if (cellIsEmpty() && m_spans.isEmpty()) {
            m_pos = n;
            return false;
        }
        endCell(n);
    }
    m_pos = i;
    // The own buffer no longer grows, so views into it stay put.
    m_cells.reserve(m_spans.size());
    for (const Span& s : m_spans)
        m_cells.append((s.unquoted ? QStringView(m_unquoted) : m_text).sliced(s.from, s.size));
    return true;
}

} // namespace CSVService
