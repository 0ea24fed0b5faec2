#pragma once

#include "core/csv/ChunkDecoder.h"
#include "core/csv/RowSource.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace CSVService {

// The rows of a file's bytes, given in chunks, read as decode() reads the whole: exactly the rows TextRows
// gives for the decoded text. Only a little of the text is held at a time, from the start of the row being
// read; each chunk of bytes is let go once its text is taken. A large file thus never stands in memory as
// text beside the rows made of it, unless it holds letters of scripts whose characters Qt delimits from
// context (ChunkDecoder::otherScripts), which is read whole.
class ChunkRows : public RowSource {
public:
    // `textAtOnce` is how many characters are taken at least each time more text is needed.
    explicit ChunkRows(QList<QByteArray> chunks, qsizetype textAtOnce = 1 << 20);

    // Whether the bytes are text at all (decode() gives them one); there are no rows otherwise.
    bool isText() const { return m_text; }

    bool next() override;
    const QList<QStringView>& cells() const override { return m_reader->cells(); }
    qsizetype rowsAtMost() const override { return m_decoder.lineEnds() + 1; }

private:
    // Adds the text of further chunks to m_held until at least `atLeast` characters came or every chunk is
    // read.
    void readMore(qsizetype atLeast);

    QList<QByteArray> m_chunks;
    qsizetype m_nextChunk = 0;
    qsizetype m_textAtOnce;
    ChunkDecoder m_decoder;
    bool m_text = false;

    QString m_held; // the text read and not yet given out as rows, from the start of a row
    QChar m_delimiter;
    std::optional<RowReader> m_reader; // over m_held
};

} // namespace CSVService
