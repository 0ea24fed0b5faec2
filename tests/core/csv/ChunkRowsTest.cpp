#include "core/csv/ChunkRows.h"

#include <QStringEncoder>

#include <random>

using namespace Qt::StringLiterals;
using CSVService::ChunkRows;
using CSVService::RowSource;
using CSVService::TextRows;

namespace {

QList<QStringList> rowsOf(RowSource& source) {
    QList<QStringList> rows;
    while (source.next()) {
        QStringList& row = rows.emplace_back();
        for (const QStringView cell : source.cells())
            row.append(cell.toString());
    }
    return rows;
}

} // namespace

// A file read in chunks gives the rows its whole text gives, however the chunks and the text taken at a
// time cut it: inside a quoted cell, between CR and LF, before a mark that joins a separator or a quote,
// in the middle of a character. The header line decides the separator, and may run over several chunks.
// Some texts hold letters of scripts whose characters Qt delimits from what stands lines before them.
TEST(ChunkRows, ChunksGiveTheRowsOfTheWholeText) {
    const QStringList parts{u"a"_s,  u"Жё"_s, u";"_s, u","_s,      u"\t"_s,         u"\""_s,   u"\"\""_s,
                            u"\r"_s, u"\n"_s, u" "_s, u"\u0301"_s, u"\U0001F600"_s, u"\r\n"_s, u"№"_s};
    const QStringList others{u"क"_s, u"\u094D"_s, u"\u0E33"_s, u"\u0600"_s, u"\u1100"_s, u"\u200D"_s};
    std::mt19937 rng(3);
    for (int round = 0; round < 3000; ++round) {
        const QStringList from = round % 3 ? parts : parts + others;
        QString text;
        for (std::size_t n = rng() % 40; n > 0; --n)
            text += from[qsizetype(rng() % std::size_t(from.size()))];
        const bool utf16 = rng() % 3 == 0;
        QStringEncoder encoder(utf16 ? QStringConverter::Utf16LE : QStringConverter::Utf8,
                               QStringConverter::Flag::WriteBom);
        const QByteArray bytes = encoder.encode(text);
        QList<QByteArray> chunks;
        for (qsizetype at = 0; at < bytes.size();) {
            const qsizetype size = std::min<qsizetype>(1 + qsizetype(rng() % 9), bytes.size() - at);
            chunks.append(bytes.sliced(at, size));
            at += size;
        }
        ChunkRows read(chunks, 1 + qsizetype(rng() % 6));
        TextRows whole(text);
        ASSERT_TRUE(read.isText()) << bytes.toHex(' ').toStdString();
        EXPECT_EQ(read.rowsAtMost(), whole.rowsAtMost()) << text.toStdString();
        ASSERT_EQ(rowsOf(read), rowsOf(whole)) << text.toStdString();
    }
}
