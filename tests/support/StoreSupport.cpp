#include "StoreSupport.h"

#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/store/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace TestSupport {

TempDataFolder::TempDataFolder() : now(utc(2023, 11, 14, 22, 13, 20)) {}

QByteArray TempDataFolder::read(const QString& name) const {
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempDataFolder::write(const QString& name, const QByteArray& bytes) const {
    QDir().mkpath(folder());
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

bool TempDataFolder::exists(const QString& name) const {
    return QFileInfo::exists(path(name));
}

Journal sampleJournal(const QString& name, int records) {
    Journal j = journalOf({fieldOf(FieldType::text, u"Название"_s), fieldOf(FieldType::number, u"Сумма"_s)},
                          {statusNamed(u"Новый"_s)});
    j.id = QUuid::createUuid();
    j.name = name;
    j.icon = u"tray.full"_s;
    j.itemNoun = defaultItemNoun();
    j.groupNoun = defaultGroupNoun();
    j.batchTitle = u"Несколько записей"_s;
    j.counterTitle = u"+1"_s;
    j.createdAt = utc(2023, 1, 1);
    for (int i = 0; i < records; ++i) {
        Record& r =
            j.records.emplace_back(Record{QUuid::createUuid(), {}, {}, utc(2023, 2, 1).addSecs(i), {}});
        r.updatedAt = r.createdAt;
        r.setText(u"Запись %1"_s.arg(i), j.fields[0].id);
        r.values.insert(idText(j.fields[1].id), FieldValue::ofNumber(i * 1.5));
    }
    return j;
}

Journal withRecords(Journal journal, int records) {
    const qsizetype first = journal.records.size();
    for (qsizetype i = first; i < first + records; ++i) {
        Record& r = journal.records.emplace_back(
            Record{QUuid::createUuid(), std::nullopt, {}, utc(2024, 1, 1).addSecs(i * 3600), {}});
        r.updatedAt = r.createdAt.addSecs(i % 7 * 60);
        if (!journal.statuses.isEmpty())
            r.statusID = journal.statuses[i % journal.statuses.size()].id;
        for (qsizetype f = 0; f < journal.fields.size(); ++f) {
            const FieldDef& field = journal.fields[f];
            if ((i + f) % 5 == 0)
                continue;
            const QString key = fieldKey(field.id);
            switch (field.type) {
            case FieldType::number:
                r.values.insert(key, FieldValue::ofNumber(i % 4 == 0 ? 0.0 : double(i) * 1.25 - 3));
                break;
            case FieldType::date:
                r.values.insert(key, FieldValue::ofDate(utc(2024, 2, 1).addDays(i)));
                break;
            case FieldType::checkbox:
                if (i % 2)
                    r.values.insert(key, FieldValue::ofFlag(true));
                break;
            default:
                r.values.insert(key,
                                FieldValue::ofText(i % 2 ? field.options.value(0, u"https://example.com/"_s)
                                                         : u"«%1» \"№\" \\ \u0001 😀\nстрока"_s.arg(i)));
            }
        }
    }
    return journal;
}

QByteArray wholeEncoding(const QList<Journal>& journals, const QDateTime& savedAt) {
    rapidjson::StringBuffer buffer;
    QString error;
    if (!DataFile::encode(journals, savedAt, buffer, &error))
        return {};
    return QByteArray(buffer.GetString(), qsizetype(buffer.GetSize()));
}

std::optional<QList<Journal>> readDataFile(const QByteArray& bytes) {
    QString error;
    return DataFile::decode(bytes, utc(2000, 1, 1), &error);
}

} // namespace TestSupport
