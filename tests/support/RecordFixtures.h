#pragma once

#include "core/model/Model.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <initializer_list>
#include <optional>
#include <utility>

// Small journals for list tests: fields and statuses with new ids, and records that carry a label under a
// key no field has, so that assertions can name records by their label.
namespace TestSupport {

// A field with a new id; `roles` names its role flags by letters: g in group, i in identity, u unique,
// p per item.
FieldDef fieldOf(FieldType type, const QString& name = QStringLiteral("Поле"), QStringView roles = {});
StatusDef statusNamed(const QString& name, const QUuid& id = QUuid::createUuid());
Journal journalOf(const QList<FieldDef>& fields, const QList<StatusDef>& statuses = {});

// A record with a new id, created and updated at `created`, holding only its label.
Record labelled(const QString& label,
                const QDateTime& created = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));
// A labelled record holding the values under their fields' ids.
Record labelled(const QString& label, std::initializer_list<std::pair<const FieldDef&, FieldValue>> values);
// A record with a new id whose values are typed in as a user would, through Journal::assign.
Record typed(std::initializer_list<std::pair<const FieldDef*, QString>> texts);
// Stores the value under the field's id.
void put(Record& record, const FieldDef& field, const FieldValue& value);
// The record's entry for the field, if any.
std::optional<FieldValue> valueOf(const Record& record, const FieldDef& field);
// The labels of the records, in order.
QStringList labels(const QList<Record>& records);

} // namespace TestSupport
