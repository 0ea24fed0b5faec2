// Feeds arbitrary bytes to the data file reader. Whatever reads must also write, and read back equal:
// otherwise a file the store accepted at start-up could make every later save fail or change the data.
#include "Store.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QDateTime now = QDateTime::fromSecsSinceEpoch(1700000000, Qt::UTC);
    QString error;
    const auto journals = AppStore::decodeFile(QByteArrayView(data, qsizetype(size)), now, &error);
    if (!journals) {
        if (error.isEmpty())
            std::abort();
        return 0;
    }
    rapidjson::StringBuffer out;
    if (!AppStore::encodeFile(*journals, now, out, &error))
        std::abort();
    const auto again =
        AppStore::decodeFile(QByteArrayView(out.GetString(), qsizetype(out.GetSize())), now, &error);
    if (!again || *again != *journals)
        std::abort();
    return 0;
}
