#pragma once

#include "Model.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QUuid>

// Small journals for list tests: fields and statuses with new ids, and records that carry a label under a
// key no field has, so that assertions can name records by their label.
namespace testsupport {

FieldDef fieldOf(FieldType type, const QString& name = QStringLiteral("Поле"));
StatusDef statusNamed(const QString& name, const QUuid& id = QUuid::createUuid());

// A record with a new id, created and updated at `created`, holding only its label.
Record labelled(const QString& label,
                const QDateTime& created = QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC));
// Stores the value under the field's id.
void put(Record& record, const FieldDef& field, const FieldValue& value);
// The labels of the records, in order.
QStringList labels(const QList<Record>& records);

} // namespace testsupport
