#pragma once

#include "app/records/FieldSection.h"
#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class DuplicateIndex;

namespace Records {

// What the record editor shows and decides, kept apart from its widgets.
namespace RecordEditor {

// The sheet's heading: "Новая запись · " and the journal's name for a new record; "Изменить: " and the
// working record's title while editing, so it follows the user's edits.
QString title(const Journal& journal, const Record& record, bool isNew);

// The form's sections in order: "Поля" with every field but the long texts (there even when empty);
// "Статус" with the status picker alone, when the journal has statuses; "Дополнительно" with the long
// texts, when there are any.
QList<FieldSection> sections(const Journal& journal);

// The warning under a number box: only for a typed draft that is not empty and does not read as a number.
// A box the user has not typed in has no draft and never warns.
std::optional<QString> numberWarning(const std::optional<QString>& draft);

// The number after a step of the stepper: a missing number counts as 0, and the result never goes below 0,
// so a stored negative number steps to 0 either way.
double stepped(std::optional<double> number, double delta);

// The values a choice picker offers, in order: the empty text (shown as "—"), the field's options as
// written, then the current text when it is not empty and is none of them, so a value from outside the
// list stays visible and selected.
QStringList choiceEntries(const FieldDef& field, const QString& current);
// How an entry reads in the picker.
QString choiceEntryText(const QString& value);

// The field whose box takes the cursor when the sheet opens: for a new record, the first field that takes
// typing (text, long text, number, link or choice) when it is a text or number field; nothing otherwise.
std::optional<QUuid> initialFocus(const Journal& journal, bool isNew);

// Up to this many statuses are offered as a row of buttons, more as a drop-down list.
inline constexpr qsizetype segmentedStatusLimit = 5;

// The stored records the working record may repeat: the search runs on the record as it will be stored
// (normalised) and passes over the record itself. The index, made from the same journal, finds the same.
QList<Journal::DuplicateFinding> duplicates(const Journal& journal, const Record& record,
                                            const DuplicateIndex& index);

// One finding as a form lists it: the reason, ": ", the found record's short description, " — " and its
// status's name, or "без статуса" when it has none the journal knows.
QString duplicateLine(const Journal& journal, const Journal::DuplicateFinding& finding);
// The form's section: the first three findings.
QStringList duplicateSection(const Journal& journal, const QList<Journal::DuplicateFinding>& findings);
// The confirmation before saving a possible duplicate: a "• " line for each of the first five findings
// (without status), then why saving is still allowed.
QString duplicateAlertText(const Journal& journal, const QList<Journal::DuplicateFinding>& findings);

} // namespace RecordEditor

} // namespace Records
