// Feeds arbitrary bytes to the data file reader. Parsing in place must agree with the copying parse, reading
// the file as the store does (its text handed back page by page behind the records read) must agree with
// reading the bytes, and whatever reads must also write and read back equal: otherwise a file the store
// accepted at start-up could make every later save fail or change the data.
#include "core/format/JsonParse.h"
#include "core/store/DataFile.h"
#include "core/store/DataFileEncoder.h"
#include "core/store/FileBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <rapidjson/writer.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

// Compact JSON text of a document; unlike its operator==, it tells documents with repeated keys apart.
std::string text(const rapidjson::Document& doc) {
    rapidjson::StringBuffer out;
    rapidjson::Writer<rapidjson::StringBuffer> writer(out);
    doc.Accept(writer);
    return std::string(out.GetString(), out.GetSize());
}

// The file an encoder made, its pieces one after another.
std::string joined(const DataFileEncoder& encoder) {
    std::string bytes;
    for (const QByteArrayView piece : encoder.encoded())
        bytes.append(piece.data(), std::size_t(piece.size()));
    return bytes;
}

// The bytes read back from a file as the store reads its data file, every page handed back that can be.
std::optional<QList<Journal>> readFromFile(const QByteArray& bytes, const QDateTime& now, QString* error) {
    static const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.json"));
    {
        QFile file(path);
        check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    QString problem;
    std::optional<FileBytes> read = FileBytes::read(path, &problem, Pages::pageSize());
    check(read.has_value());
    return DataFile::decode(std::move(*read), now, error);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    {
        rapidjson::Document copied, inPlace;
        QString copiedError, inPlaceError;
        QByteArray buffer = bytes;
        const bool ok = ModelJson::parse(bytes, copied, &copiedError);
        check(ModelJson::parseInPlace(buffer, inPlace, &inPlaceError) == ok);
        check(ok ? text(copied) == text(inPlace) : copiedError == inPlaceError && !copiedError.isEmpty());
    }

    const QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    QString error;
    const auto journals = DataFile::decode(bytes, now, &error);
    {
        QString fileError, twiceError;
        const auto fromFile = readFromFile(bytes, now, &fileError);
        check(fromFile.has_value() == journals.has_value() && fileError == error);
        // Items without an id get a new one at each reading; the rest reads the same.
        if (DataFile::decode(bytes, now, &twiceError) == journals)
            check(fromFile == journals);
    }
    if (!journals) {
        check(!error.isEmpty());
        return 0;
    }
    rapidjson::StringBuffer out;
    check(DataFile::encode(*journals, now, out, &error));
    const auto again = DataFile::decode(QByteArray(out.GetString(), qsizetype(out.GetSize())), now, &error);
    check(again && *again == *journals);
    // Written again, the same bytes: the values keep the order they are written in.
    rapidjson::StringBuffer rewritten;
    check(DataFile::encode(*again, now, rewritten, &error));
    check(std::string_view(rewritten.GetString(), rewritten.GetSize()) ==
          std::string_view(out.GetString(), out.GetSize()));

    // An encoding drawing on the bytes kept from the one before writes the same bytes as a whole one, also
    // after the records moved.
    DataFileEncoder encoder;
    QList<Journal> changed = *journals;
    for (int round = 0; round < 3; ++round) {
        check(encoder.encode(changed, now, &error));
        rapidjson::StringBuffer whole;
        check(DataFile::encode(changed, now, whole, &error));
        check(joined(encoder) == std::string_view(whole.GetString(), whole.GetSize()));
        encoder.keep();
        for (Journal& journal : changed)
            std::reverse(journal.records.begin(), journal.records.end());
        if (round == 1 && !changed.isEmpty())
            changed.move(0, changed.size() - 1);
    }
    return 0;
}
