#include "core/csv/ChunkRows.h"

#include <algorithm>
#include <limits>

namespace CSVService {

ChunkRows::ChunkRows(QList<QByteArray> chunks, qsizetype textAtOnce)
    : m_chunks(std::move(chunks)), m_textAtOnce(std::max<qsizetype>(textAtOnce, 1)) {
    for (const QByteArray& chunk : std::as_const(m_chunks))
        m_decoder.scan(chunk);
    m_text = m_decoder.isText();
    // Where Qt tailors the ends of characters by script, whether a quote or a separator stands alone can
    // depend on text lines before it, which a chunk need not hold: such a text is read whole.
    if (m_decoder.otherScripts()) {
        m_textAtOnce = std::numeric_limits<qsizetype>::max();
        // Room for the whole text at once, at most a character a byte; what it does not fill is never
        // touched.
        qsizetype bytes = 0;
        for (const QByteArray& chunk : std::as_const(m_chunks))
            bytes += chunk.size();
        m_held.reserve(bytes);
    }
}

void ChunkRows::readMore(qsizetype atLeast) {
    for (qsizetype added = 0; added < atLeast && m_nextChunk < m_chunks.size();) {
        const QString text = m_decoder.decode(m_chunks[m_nextChunk]);
        m_chunks[m_nextChunk++] = QByteArray();
        added += text.size();
        m_held += text;
    }
}

bool ChunkRows::next() {
    if (!m_text)
        return false;
    if (!m_reader) {
        // The separator comes from the first line, which is read whole first.
        readMore(m_textAtOnce);
        bool lineEnded = false;
        m_delimiter = detectDelimiter(m_held, &lineEnded);
        while (!lineEnded && m_nextChunk < m_chunks.size()) {
            readMore(std::max(m_textAtOnce, m_held.size()));
            m_delimiter = detectDelimiter(m_held, &lineEnded);
        }
        m_reader.emplace(m_held, m_delimiter);
    }
    for (;;) {
        const qsizetype start = m_reader->end();
        const bool read = m_reader->next();
        if (m_nextChunk == m_chunks.size())
            return read; // the whole text is at hand: its end ends the last row
        // A row with text after it is whole: only a line end ends a row before the end of the text, and the
        // character after it is known (a CR might begin a CR LF; the checks of whole characters look at the
        // character after a quote or a separator).
        if (read && m_reader->end() < m_held.size())
            return true;
        // Read the row again from its start with more text: at least as much as is held, so that a long row
        // is read again only a few times.
        m_held.remove(0, start);
        readMore(std::max(m_textAtOnce, m_held.size()));
        m_reader.emplace(m_held, m_delimiter);
    }
}

} // namespace CSVService
