// Feeds arbitrary bytes to the earlier card file's reader and checks what the store relies on.
#include "core/store/LegacyMigration.h"

#include <QSet>

#include <cstdint>

// Last: Qt's headers use the name of the macro.
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QDateTime now = QDateTime(QDate(2026, 6, 15), QTime(12, 0), Qt::UTC);
    QString error;
    const std::optional<Journal> journal = LegacyMigration::migrate(
        QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)), [] { return now; }, &error);
    if (!journal) {
        check(!error.isEmpty());
        return 0;
    }
    check(journal->templateKey == QStringLiteral("cards"));
    QSet<QUuid> ids;
    for (const Record& record : journal->records) {
        // Records are told apart by id alone.
        check(!ids.contains(record.id));
        ids.insert(record.id);
        check(record.createdAt.isValid() && record.updatedAt.isValid());
        check(journal->status(record.statusID).has_value());
        // Every value sits under a field of the journal and carries the one member its field's type uses.
        for (auto it = record.values.begin(); it != record.values.end(); ++it) {
            const std::optional<QUuid> fieldID = parseId(it.key());
            check(fieldID && idText(*fieldID) == it.key());
            const std::optional<FieldDef> field = journal->field(fieldID);
            check(field.has_value());
            const FieldValue& v = it.value();
            check(!v.flag);
            switch (field->type) {
            case FieldType::date:
                check(v.date && !v.text && !v.number);
                break;
            case FieldType::number:
                check(v.number && *v.number > 0 && !v.text && !v.date);
                break;
            default:
                check(v.text && !v.text->isEmpty() && !v.number && !v.date);
                break;
            }
        }
    }
    return 0;
}
