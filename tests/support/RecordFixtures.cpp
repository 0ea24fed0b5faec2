#include "RecordFixtures.h"

namespace TestSupport {

namespace {
const QString labelKey = QStringLiteral("label");
}

FieldDef fieldOf(FieldType type, const QString& name, QStringView roles) {
    FieldDef f;
    f.id = QUuid::createUuid();
    f.name = name;
    f.type = type;
    f.inGroup = roles.contains(u'g');
    f.inIdentity = roles.contains(u'i');
    f.isUnique = roles.contains(u'u');
    f.isPerItem = roles.contains(u'p');
    return f;
}

StatusDef statusNamed(const QString& name, const QUuid& id) {
    StatusDef s;
    s.id = id;
    s.name = name;
    return s;
}

Journal journalOf(const QList<FieldDef>& fields, const QList<StatusDef>& statuses) {
    Journal j;
    j.fields = fields;
    j.statuses = statuses;
    return j;
}

Record labelled(const QString& label, const QDateTime& created) {
    Record r;
    r.id = QUuid::createUuid();
    r.createdAt = r.updatedAt = created;
    r.values.insert(labelKey, FieldValue::ofText(label));
    return r;
}

Record labelled(const QString& label, std::initializer_list<std::pair<const FieldDef&, FieldValue>> values) {
    Record r = labelled(label);
    for (const auto& [field, value] : values)
        put(r, field, value);
    return r;
}

Record typed(std::initializer_list<std::pair<const FieldDef*, QString>> texts) {
    Record r;
    r.id = QUuid::createUuid();
    for (const auto& [field, text] : texts)
        Journal::assign(text, *field, r);
    return r;
}

void put(Record& record, const FieldDef& field, const FieldValue& value) {
    record.values.insert(idText(field.id), value);
}

std::optional<FieldValue> valueOf(const Record& record, const FieldDef& field) {
    const FieldValue* v = record.value(idText(field.id));
    return v ? std::optional(*v) : std::nullopt;
}

QStringList labels(const QList<Record>& records) {
    QStringList out;
    for (const Record& r : records)
        out.append(r.text(labelKey));
    return out;
}

} // namespace TestSupport
