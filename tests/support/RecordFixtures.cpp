#include "RecordFixtures.h"

namespace testsupport {

namespace {
const QString labelKey = QStringLiteral("label");
}

FieldDef fieldOf(FieldType type, const QString& name) {
    FieldDef f;
    f.id = QUuid::createUuid();
    f.name = name;
    f.type = type;
    return f;
}

StatusDef statusNamed(const QString& name, const QUuid& id) {
    StatusDef s;
    s.id = id;
    s.name = name;
    return s;
}

Record labelled(const QString& label, const QDateTime& created) {
    Record r;
    r.id = QUuid::createUuid();
    r.createdAt = r.updatedAt = created;
    r.values.insert(labelKey, FieldValue::ofText(label));
    return r;
}

void put(Record& record, const FieldDef& field, const FieldValue& value) {
    record.values.insert(idText(field.id), value);
}

QStringList labels(const QList<Record>& records) {
    QStringList out;
    for (const Record& r : records)
        out.append(r.text(labelKey));
    return out;
}

} // namespace testsupport
