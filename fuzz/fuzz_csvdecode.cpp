// Arbitrary bytes as a picked CSV file: decoding either fails cleanly or gives text that survives a
// write as UTF-8 and a second reading unchanged; read in chunks, the bytes give the same.
#include "core/csv/CSVService.h"
#include "core/csv/ChunkDecoder.h"

#include <cstdlib>

namespace {

bool startsWith(const QByteArray& bytes, const char* mark) {
    return bytes.startsWith(QByteArrayView(mark));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<QString> text = CSVService::decode(bytes);

    // Cut into chunks of sizes the bytes themselves give, the bytes read as they do whole.
    QList<QByteArrayView> chunks;
    for (qsizetype at = 0, i = 0; at < bytes.size(); ++i) {
        const qsizetype n = std::min<qsizetype>(1 + uchar(bytes[i]) % 5, bytes.size() - at);
        chunks.append(QByteArrayView(bytes).sliced(at, n));
        at += n;
    }
    CSVService::ChunkDecoder chunkDecoder;
    for (const QByteArrayView chunk : chunks)
        chunkDecoder.scan(chunk);
    if (chunkDecoder.isText() != text.has_value())
        std::abort();
    if (text) {
        QString read;
        for (const QByteArrayView chunk : chunks)
            read += chunkDecoder.decode(chunk);
        if (read != *text)
            std::abort();
    }

    const bool marked =
        startsWith(bytes, "\xEF\xBB\xBF") || startsWith(bytes, "\xFF\xFE") || startsWith(bytes, "\xFE\xFF");
    if (!marked && !text && !bytes.contains('\0'))
        std::abort(); // without a mark, Windows-1251 reads every byte sequence but a binary one
    if (!text)
        return 0;
    if (text->contains(QChar(u'\0')))
        std::abort(); // a text holding a NUL is a binary file

    for (qsizetype i = 0; i < text->size(); ++i) {
        const QChar c = text->at(i);
        if (c.isHighSurrogate() && i + 1 < text->size() && text->at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            std::abort(); // an unpaired surrogate must have failed the decoding
    }

    // The mark and one U+FEFF are removed on reading: the text comes back exactly.
    const QByteArray again = QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF") + text->toUtf8();
    if (CSVService::decode(again) != text)
        std::abort();
    return 0;
}
