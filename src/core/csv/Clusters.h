#pragma once

#include <QStringView>
#include <QTextBoundaryFinder>

#include <optional>

namespace CSVService {

// Answers whether a run of code units is one whole grapheme cluster, for the few characters that carry
// meaning in CSV. An ASCII punctuation mark can only be joined by a prepended mark before it or by an
// extending or spacing mark (or ZWJ) after it; neighbours from the common Latin and Cyrillic ranges are
// never such marks, so the full boundary analysis runs only when a rarer neighbour shows up.
class Clusters {
public:
    explicit Clusters(QStringView text) : m_text(text) {}

    bool isWhole(qsizetype pos, qsizetype length) {
        const qsizetype end = pos + length;
        if (length == 1 && isPlainAscii(m_text[pos]) && (pos == 0 || isInert(m_text[pos - 1])) &&
            (end >= m_text.size() || isInert(m_text[end])))
            return true;
        if (!m_finder)
            m_finder.emplace(QTextBoundaryFinder::Grapheme, m_text.data(), m_text.size());
        m_finder->setPosition(pos);
        if (!m_finder->isAtBoundary())
            return false;
        m_finder->setPosition(end);
        return m_finder->isAtBoundary();
    }

private:
    static bool isPlainAscii(QChar c) { return c == u'\t' || (c >= u' ' && c <= u'~'); }

    // Characters that never join an ASCII neighbour into one cluster: everything below the combining
    // diacritics and the Cyrillic letters (the Cyrillic combining marks U+0483-U+0489 excluded).
    static bool isInert(QChar c) {
        const char16_t u = c.unicode();
        return u < 0x0300 || (u >= 0x0400 && u <= 0x0482) || (u >= 0x048A && u <= 0x052F);
    }

    QStringView m_text;
    std::optional<QTextBoundaryFinder> m_finder;
};

} // namespace CSVService
