#pragma once

// Shared by the template builders only: a template is written as tables in which fields are named by key,
// statuses by name and metrics by their position from 1; building turns every such name into the id of the
// item made in the same call.

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

namespace Templates {

// The Boolean members of a field, combined with "|".
enum FieldFlag : unsigned {
    noFlags = 0,
    unique = 1u << 0,   // isUnique
    group = 1u << 1,    // inGroup
    identity = 1u << 2, // inIdentity
    perItem = 1u << 3,  // isPerItem
    inTable = 1u << 4,  // showInTable
};

struct FieldRow {
    QString key;
    QString name;
    FieldType type;
    QStringList options;
    QString prompt;
    QString unit;
    unsigned flags;
    QStringList aliases;
};

struct StatusRow {
    QString name;
    AppColor color;
    QString dateField; // a field key; empty for none
    bool fillsPreviousDates;
};

struct MetricRow {
    QString title;
    MetricKind kind;
    QString dateField; // field keys; empty for none
    QString sumField;
    int operandA; // metric positions from 1; 0 for none
    int operandB;
    QString statusFilter; // a status name; empty for none
    QString filterField;  // a field key; empty for none
    QString filterValue;
    QString unit;
    AppColor color;
    QString symbol;
    QString subtitle;
};

struct JournalRow {
    QString key;
    QString name;
    QString icon;
    NounForms itemNoun;
    NounForms groupNoun;
    QString batchTitle;
    QString hint;
    QString titleField; // field keys and a status name; empty for none
    QString defaultStatus;
    QString counterField;
    QString counterTitle;
    QString filterField;
    QString breakdownField;
    QString reportTemplate;
};

class TemplateBuilder {
public:
    // Makes the fields, statuses and metrics in table order, then the journal, all with new ids.
    static Journal build(const JournalRow& journal, const QList<FieldRow>& fields,
                         const QList<StatusRow>& statuses, const QList<MetricRow>& metrics,
                         const Clock& clock);

    // The id of the first field made so far whose key equals the text exactly. The tables name only
    // fields of their own template, so a miss is a defect of the table, never of the user's data.
    QUuid id(const QString& key) const;

private:
    std::optional<QUuid> fieldRef(const QString& key) const;

    QList<FieldDef> m_fields;
};

} // namespace Templates
