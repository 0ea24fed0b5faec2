#pragma once

#include "core/csv/CSVService.h"
#include "core/csv/RowReader.h"

#include <QList>
#include <QStringView>

namespace CSVService {

// Where an import reads its rows from, one at a time, by the rules of parseRows: a text held whole, or a
// file's bytes read as text a chunk at a time (ChunkRows).
class RowSource {
public:
    virtual ~RowSource() = default;
    // Moves to the next row; false when there is none.
    virtual bool next() = 0;
    // The cells of the current row, untrimmed; valid until the next call of next().
    virtual const QList<QStringView>& cells() const = 0;
    // At least as many as the rows: one more than the text's line ends (CR LF counted once).
    virtual qsizetype rowsAtMost() const = 0;
};

// The rows of a text held whole, split at the separator its first line shows. The text must outlive it.
class TextRows : public RowSource {
public:
    explicit TextRows(QStringView text) : m_text(text), m_reader(text, detectDelimiter(text)) {}

    bool next() override { return m_reader.next(); }
    const QList<QStringView>& cells() const override { return m_reader.cells(); }
    qsizetype rowsAtMost() const override {
        qsizetype ends = 0;
        const char16_t* p = m_text.utf16();
        const char16_t* const end = p + m_text.size();
        for (; p != end; ++p)
            ends += *p == u'\n' || (*p == u'\r' && (p + 1 == end || p[1] != u'\n'));
        return ends + 1;
    }

private:
    QStringView m_text;
    RowReader m_reader;
};

} // namespace CSVService
