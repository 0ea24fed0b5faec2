#include "LargeJournals.h"

#include "DataFileGenerator.h"
#include "core/store/DataFile.h"
#include "core/templates/Templates.h"

#include <map>

namespace LargeJournals {

namespace {

QList<Journal> read(const QList<Journal>& journals) {
    rapidjson::StringBuffer bytes;
    QString error;
    DataFile::encode(journals, benchNow, bytes, &error);
    return DataFile::decode(QByteArray(bytes.GetString(), qsizetype(bytes.GetSize())), benchNow, &error)
        .value_or(QList<Journal>{});
}

} // namespace

const Journal& sales(int records) {
    static std::map<int, Journal> made;
    if (const auto it = made.find(records); it != made.end())
        return it->second;
    DataFileGenerator::Timeline timeline;
    timeline.spacingSeconds = 300;
    timeline.first = benchNow.addSecs(-300LL * records);
    const QList<Journal> stored = read({DataFileGenerator::journal(Templates::sales, records, 1, timeline)});
    return made.emplace(records, stored.value(0)).first->second;
}

QByteArray dataFile(int records) {
    return DataFileGenerator::dataFile({sales(records), DataFileGenerator::journal(Templates::crm, 100, 2)});
}

} // namespace LargeJournals
