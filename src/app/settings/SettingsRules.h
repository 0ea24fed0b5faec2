#pragma once

#include "app/settings/SettingsState.h"

#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace Settings {

// What the settings sheet decides when it saves and when it asks before removing or converting.
namespace SettingsRules {

// The draft as it is saved: the journal's, fields' and statuses' names trimmed, and the options and CSV
// aliases of every field trimmed with the empty ones dropped. The sheet keeps showing what was typed.
Journal trimmed(const Journal& draft);

// The key that tells field names apart: the one the CSV import recognises columns by, so "Дата продажи"
// and "дата-продажи" are the same name.
QString nameKey(const QString& name);

// Why a save is refused, and the page that shows the problem.
struct SaveFailure {
    QString message;
    SettingsTab tab;

    bool operator==(const SaveFailure&) const = default;
};

// The first problem of a trimmed draft, in this order: no journal name, a field without a name key, two
// fields with one name key, a status without a name. Repeated status names, metrics, the report template
// and every reference between items are saved as they are.
std::optional<SaveFailure> check(const Journal& trimmedDraft);

// The confirmation of a field's removal. The count is of the draft's records in which the field is
// filled, named with the draft's item noun as edited so far.
QString deleteFieldTitle(const Journal& draft, const std::optional<FieldDef>& field);
QString deleteFieldMessage();
// The confirmation of a status's removal, counting the draft's records that have it.
QString deleteStatusTitle(const std::optional<StatusDef>& status);
QString deleteStatusMessage(const Journal& draft, const StatusDef& status);

// The stored values a save would drop because their field's new type cannot read them.
struct TypeChangeLoss {
    QStringList fieldNames; // the fields that would lose values, in the draft's order
    qsizetype records = 0;  // the records that would lose at least one value

    bool operator==(const TypeChangeLoss&) const = default;
};
// Converts the draft's records as the store converts its own when the settings are saved (fields matched
// by id between the stored definitions and the edited draft) and counts what is lost.
TypeChangeLoss typeChangeLoss(const QList<FieldDef>& storedFields, const Journal& edited,
                              const Calendar& calendar, const Clock& clock);
// The question asked before such a save.
QString typeChangeTitle(const TypeChangeLoss& loss);
QString typeChangeMessage(const TypeChangeLoss& loss, const NounForms& itemNoun);

} // namespace SettingsRules

} // namespace Settings
