// Feeds arbitrary quick lists to batch building and checks what batch entry relies on.
#include "core/journal/Batch.h"

#include <QString>

#include <algorithm>
#include <cstdint>

// Last: Qt's headers use the name of the macro.
#include "FuzzCheck.h"

namespace {

// One per-item field of every type.
const Journal& journal() {
    static const Journal j = [] {
        Journal made;
        made.id = QUuid::createUuid();
        for (FieldType type : allFieldTypes) {
            FieldDef f;
            f.id = QUuid::createUuid();
            f.name = rawValue(type);
            f.type = type;
            f.isPerItem = true;
            f.options = {QStringLiteral("Да"), QStringLiteral("Нет")};
            made.fields.append(f);
        }
        return made;
    }();
    return j;
}

bool isTrimmedItem(const QString& item) {
    return !item.isEmpty() && item.trimmed() == item;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    for (const QString& item : BatchBuilder::parseSizes(text))
        check(isTrimmedItem(item));
    for (const QString& item : BatchBuilder::parseLines(text))
        check(isTrimmedItem(item));
    for (const QString& item : BatchBuilder::parseLinks(text)) {
        check(!item.isEmpty() && !item.startsWith(u',') && !item.startsWith(u';') && !item.endsWith(u',') &&
              !item.endsWith(u';'));
        check(std::none_of(item.begin(), item.end(), [](QChar c) { return c.isSpace(); }));
    }

    // The input holds one quick list per field, separated by U+0001.
    const Journal& j = journal();
    const QStringList parts = text.split(QChar(1));
    QHash<QUuid, QString> lists;
    for (qsizetype i = 0; i < parts.size() && i < j.fields.size(); ++i)
        lists.insert(j.fields[i].id, parts[i]);
    const QList<BatchRow> rows = BatchBuilder::makeRows(lists, j.fields);
    check(rows.size() <= text.size());
    for (const BatchRow& row : rows)
        check(!row.values.isEmpty());

    const QDateTime now(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC);
    Record templateRecord;
    templateRecord.id = QUuid::createUuid();
    const BatchBuilder::Records built = BatchBuilder::makeRecords(j, templateRecord, rows, now);
    const auto kept = std::count_if(rows.begin(), rows.end(), [](const BatchRow& r) { return !r.isEmpty(); });
    check(built.records.size() == kept);
    for (const Record& r : built.records) {
        check(r.id != templateRecord.id && r.createdAt == now && r.updatedAt == now);
        check(j.normalized(r) == r);
    }
    return 0;
}
