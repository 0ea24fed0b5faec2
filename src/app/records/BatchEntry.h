#pragma once

#include "app/records/BatchRows.h"
#include "app/records/FieldSection.h"
#include "core/journal/Batch.h"
#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QUuid>

#include <optional>

class DuplicateIndex;

namespace Records {

// What batch entry shows and decides, kept apart from its widgets.
namespace BatchEntry {

// The sheet's heading: the journal's batch title, or the title of a batch made like a chosen record.
QString title(const Journal& journal, bool fromRecord);
// The line under the heading, with the journal's hint when it has one.
QString subtitle(const Journal& journal);

// The values every new record starts from. A fresh batch starts as a new record of the journal (its
// starting status, that status's dates stamped); a batch like a chosen record keeps that record's status
// and shared values, under a new id and without its per-item values.
Record startingTemplate(const Journal& journal, const std::optional<Record>& from, const QDateTime& now,
                        const Calendar& calendar, const Clock& clock);

// The inputs of the shared section, in journal order: every field that is not per item, and every link
// field (a per-item link typed there serves the rows that leave theirs blank).
QList<FieldDef> sharedFields(const Journal& journal);
// The shared fields split into the form's sections: first "Общие поля" with all but the dates (there even
// when empty); then, when the journal has statuses or shared dates, "Статус и даты для всех" with the
// status picker (when there are statuses) and the shared dates.
QList<FieldSection> sharedSections(const Journal& journal);
// The label of a shared field's row: a per-item field typed here is marked as the common value.
QString sharedTitle(const FieldDef& field);

// ---- Quick lists and rows ----

// True when some quick list holds more than white space and line breaks.
bool hasQuickInput(const QHash<QUuid, QString>& quick);
// The rows that will be saved: the filled rows; while no row is filled, the rows the quick lists would
// make.
QList<BatchRow> pendingRows(const Journal& journal, const QList<BatchRow>& rows,
                            const QHash<QUuid, QString>& quick);
// A quick list takes several lines for names (the title field when it is a text field), long texts and
// links; the others are one line in which Return makes the rows.
bool quickIsMultiline(const Journal& journal, const FieldDef& field);
QString quickPlaceholder(const Journal& journal, const FieldDef& field);
// The placeholder of a row's cell; a link cell says when the shared link will fill it.
QString rowPrompt(const FieldDef& field, const Record& templateRecord);
// The width of a row's column for the field, and whether it may grow into the free width (links and the
// title field).
int columnWidth(FieldType type);
bool isWide(const Journal& journal, const FieldDef& field);

// ---- Counts and saving ----

// "Строки (n)" for the pending rows.
QString rowsHeader(qsizetype pendingRows);
// The counts of a batch's records, and whether it saves.
BatchTotals totals(const Journal& journal, const QList<Record>& records);
// What the batch will create: its records and, in a journal with groups, how many groups they make.
QString summary(const Journal& journal, const BatchTotals& totals);
QString summary(const Journal& journal, const QList<Record>& records);
// The save button: the number of records and the save key.
QString saveTitle(const Journal& journal, qsizetype records);
// A batch saves when it has records and each holds some text or number, shared values included.
bool canSave(const Journal& journal, const QList<Record>& records);

// What shows under one row: the warnings of its values (unreadable numbers, dates, links, choices outside
// the list), and its possible duplicates: up to two stored records, then a line for each unique per-item
// value that an earlier row of the form already holds (compared by comparison key, as typed).
struct RowReview {
    QStringList warnings;
    QStringList duplicates;
    QStringList lines() const { return warnings + duplicates; }
};
// The review of every row, in order; an empty row has nothing to show.
QList<RowReview> review(const Journal& journal, const DuplicateIndex& index, const Record& templateRecord,
                        const QList<BatchRow>& rows, const QDateTime& now);
// The duplicate lines of the whole batch, row by row: of the rows when there are any, else of the rows the
// quick lists would make.
QStringList allDuplicateMessages(const Journal& journal, const DuplicateIndex& index,
                                 const Record& templateRecord, const QList<BatchRow>& rows,
                                 const QHash<QUuid, QString>& quick, const QDateTime& now);
// The confirmation before saving possible duplicates: a "• " line for each of the first eight, then why
// saving is still allowed.
QString duplicateAlertText(const QStringList& lines);

} // namespace BatchEntry

} // namespace Records
