#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

namespace Settings {

// What the settings sheet's pickers and multi-part boxes offer, computed from the current draft each time.
namespace SettingsChoices {

// One entry of a picker of an optional reference: its title and the id it stands for, none for the
// entry that clears the reference. The entry for none always comes first.
struct Choice {
    QString title;
    std::optional<QUuid> id;

    bool operator==(const Choice&) const = default;
};

// General page.
QList<Choice> titleFields(const Journal& draft);     // "—", then text-like fields
QList<Choice> defaultStatuses(const Journal& draft); // "Первый в списке", then every status
QList<Choice> counterFields(const Journal& draft);   // "Нет", then number fields
QList<Choice> listFilterFields(const Journal& draft); // "Первое подходящее", then text and choice fields
// Status editor: "Не ставить", then date fields.
QList<Choice> stampedDateFields(const Journal& draft);
// Metric editor.
QList<Choice> sumFields(const Journal& draft); // "—", then number fields
QList<Choice> periodDateFields(const Journal& draft); // "Дата добавления записи", then date fields
QList<Choice> statusFilters(const Journal& draft);   // "Любой статус", then every status
QList<Choice> conditionFields(const Journal& draft); // "Без условия", then text, choice, checkbox
// "—", then every other metric of the draft, earlier and later alike: a metric is never its own operand.
QList<Choice> operands(const Journal& draft, const QUuid& metricID);
// Report editor: "Первое подходящее", then text and choice fields.
QList<Choice> breakdownFields(const Journal& draft);

// The value row "равно" of a metric's field condition: a picker of fixed values for a checkbox or choice
// field, else a text box.
struct ValueChoice {
    QString title;
    QString value; // stored as the condition's text
    bool operator==(const ValueChoice&) const = default;
};
// The picker's values, or nothing where a text box stands: "да" and "—" for a checkbox, "—" and the
// non-empty options for a choice.
std::optional<QList<ValueChoice>> conditionValues(const FieldDef& field);

// A choice field's options as one text, one per line; editing splits at every line feed and keeps empty
// lines and blanks as typed (an empty text is one empty option). The save trims and drops.
QString joinedOptions(const QStringList& options);
QStringList splitOptions(const QString& text);
// CSV aliases likewise, separated by "," alone.
QString joinedAliases(const QStringList& aliases);
QStringList splitAliases(const QString& text);

// The symbols offered as journal icons, and as metric symbols, in the order shown.
const QStringList& journalIcons();
const QStringList& metricSymbols();

} // namespace SettingsChoices

} // namespace Settings
