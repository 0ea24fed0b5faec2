#include "core/csv/ChunkDecoder.h"
#include "core/csv/CSVService.h"

#include <QStringEncoder>

#include <random>

using namespace Qt::StringLiterals;
using CSVService::ChunkDecoder;

namespace {

// The bytes in chunks of one to seven bytes, cut where the generator says.
QList<QByteArrayView> cut(const QByteArray& bytes, std::mt19937& rng) {
    QList<QByteArrayView> chunks;
    for (qsizetype at = 0; at < bytes.size();) {
        const qsizetype size = std::min<qsizetype>(1 + qsizetype(rng() % 7), bytes.size() - at);
        chunks.append(QByteArrayView(bytes).sliced(at, size));
        at += size;
    }
    return chunks;
}

QByteArray encoded(const QString& text, QStringConverter::Encoding encoding) {
    QStringEncoder encoder(encoding);
    return encoder.encode(text);
}

} // namespace

// Cut anywhere, the chunks read as the whole does: whether it is text, the text, and its line ends. The
// texts mix one-, two-, three- and four-byte characters of several scripts with line ends and marks, in
// every encoding the reader knows, and some are spoilt: a byte dropped, a byte out of place, a NUL.
TEST(ChunkDecoder, ChunksReadAsTheWhole) {
    const QStringList parts{u"a"_s, u"Ж"_s,      u"€"_s, u"😀"_s, u"\r"_s, u"\n"_s,     u"\r\n"_s,
                            u";"_s, u"\uFEFF"_s, u"й"_s, u"é"_s, u" "_s,  u"\u0301"_s, u"क"_s};
    const QList<QByteArray> marks{"", "\xEF\xBB\xBF", "\xFF\xFE", "\xFE\xFF"};
    std::mt19937 rng(5);
    for (int round = 0; round < 3000; ++round) {
        QString text;
        for (std::size_t n = rng() % 12; n > 0; --n)
            text += parts[qsizetype(rng() % std::size_t(parts.size()))];
        if (text.startsWith(QChar(0xFEFF)))
            text.prepend(u'a'); // else it would read as a mark
        const QByteArray& mark = marks[qsizetype(rng() % 4)];
        QByteArray bytes = mark + encoded(text, mark.startsWith('\xFF')   ? QStringConverter::Utf16LE
                                                : mark.startsWith('\xFE') ? QStringConverter::Utf16BE
                                                                          : QStringConverter::Utf8);
        const std::size_t spoilt = rng() % 6;
        switch (spoilt) {
        case 0: // Windows-1251 bytes, or any bytes
            bytes = mark + QByteArray::fromRawData("\xC0\xE9\r\n\x98\xFF", 6).repeated(1 + rng() % 3);
            break;
        case 1:
            if (!bytes.isEmpty())
                bytes.remove(qsizetype(rng() % std::size_t(bytes.size())), 1);
            break;
        case 2:
            bytes.insert(qsizetype(rng() % std::size_t(bytes.size() + 1)), char(0x80 + rng() % 0x80));
            break;
        case 3:
            if (rng() % 4 == 0)
                bytes.insert(qsizetype(rng() % std::size_t(bytes.size() + 1)), '\0');
            break;
        default:
            break;
        }
        const std::optional<QString> expected = CSVService::decode(bytes);
        if (spoilt > 3) {
            ASSERT_EQ(expected, text) << bytes.toHex(' ').toStdString();
        }
        ChunkDecoder decoder;
        const QList<QByteArrayView> chunks = cut(bytes, rng);
        for (const QByteArrayView chunk : chunks)
            decoder.scan(chunk);
        ASSERT_EQ(decoder.isText(), expected.has_value()) << bytes.toHex(' ').toStdString();
        if (!expected)
            continue;
        QString read;
        for (const QByteArrayView chunk : chunks)
            read += decoder.decode(chunk);
        ASSERT_EQ(read, *expected) << bytes.toHex(' ').toStdString();
        const qsizetype lineEnds = read.count(u'\n') + read.count(u'\r') - read.count(u"\r\n");
        ASSERT_EQ(decoder.lineEnds(), lineEnds) << bytes.toHex(' ').toStdString();
    }
}
