#include "StoreSupport.h"

#include "TestSupport.h"
#include "store/DataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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
    Journal j;
    j.id = QUuid::createUuid();
    j.name = name;
    j.icon = QStringLiteral("tray.full");
    for (const auto& [fieldName, type] :
         {std::pair{"Название", FieldType::text}, std::pair{"Сумма", FieldType::number}}) {
        FieldDef field;
        field.id = QUuid::createUuid();
        field.name = QString::fromUtf8(fieldName);
        field.type = type;
        j.fields.append(field);
    }
    StatusDef status;
    status.id = QUuid::createUuid();
    status.name = QStringLiteral("Новый");
    j.statuses = {status};
    j.itemNoun = defaultItemNoun();
    j.groupNoun = defaultGroupNoun();
    j.batchTitle = QStringLiteral("Несколько записей");
    j.counterTitle = QStringLiteral("+1");
    j.createdAt = utc(2023, 1, 1);
    for (int i = 0; i < records; ++i) {
        Record r;
        r.id = QUuid::createUuid();
        r.setText(QStringLiteral("Запись %1").arg(i), j.fields[0].id);
        r.values.insert(idText(j.fields[1].id), FieldValue::ofNumber(i * 1.5));
        r.createdAt = r.updatedAt = utc(2023, 2, 1).addSecs(i);
        j.records.append(r);
    }
    return j;
}

std::optional<QList<Journal>> readDataFile(const QByteArray& bytes) {
    QString error;
    return DataFile::decode(bytes, utc(2000, 1, 1), &error);
}

} // namespace testsupport
