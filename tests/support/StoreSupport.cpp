#include "StoreSupport.h"

#include "RecordFixtures.h"
#include "TestSupport.h"
#include "store/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace testsupport {

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

std::optional<QList<Journal>> readDataFile(const QByteArray& bytes) {
    QString error;
    return DataFile::decode(bytes, utc(2000, 1, 1), &error);
}

} // namespace testsupport
