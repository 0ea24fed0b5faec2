#pragma once

#include "core/journal/KeyIds.h"
#include "core/journal/RecordChanges.h"
#include "core/journal/RecordColumns.h"
#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// What the records list derives from one journal's records, kept while the journal is shown: per field,
// the texts, numbers and dates of every record as compact columns, the ranks of texts in natural order,
// comparison keys, group ids and distinct values. Each is built the first time something asks for it,
// and kept in step with the journal: given the next copy of the journal, the index reads again only the
// records that were added or changed. A change of the journal's fields or statuses starts it afresh.
//
// Records are named by their position in the journal's records.
class JournalIndex {
public:
    // `calendar` is the one the records tab filters by.
    explicit JournalIndex(const Calendar& calendar);
    ~JournalIndex();
    JournalIndex(const JournalIndex&) = delete;
    JournalIndex& operator=(const JournalIndex&) = delete;

    // Brings the index to the journal and tells which records changed since the copy it had. The first
    // journal, another journal, or other fields or statuses make every record fresh.
    RecordChanges update(const Journal& journal);
    const Journal& journal() const { return m_journal; }
    // Counts the updates that changed anything: a user of the index that worked from its records knows
    // whether the changes the next update tells are the ones since then.
    quint64 version() const { return m_version; }
    const Calendar& calendar() const { return m_calendar; }
    int count() const { return int(m_journal.records.size()); }

    // Record::text of the field, for every record. A column asked for `keyed` gives each text its
    // comparison key as the text is first met.
    TextColumn& storedTexts(const QUuid& fieldID, bool keyed = false);
    // The column of Record::text of the field when something built it already; nothing otherwise.
    TextColumn* builtStoredTexts(const QUuid& fieldID);
    // Journal::displayValue of the field as it is now, read in the calendar's zone for a date.
    TextColumn& shownTexts(const FieldDef& field, const Calendar& calendar, bool keyed = false);
    const NumberColumn& numbers(const QUuid& fieldID);
    const DateColumn& dates(const QUuid& fieldID);
    const FlagColumn& flags(const QUuid& fieldID);
    const StatusColumn& statuses();
    const CreatedColumn& created();
    KeyIds& keys() { return m_keys; }

    // Builds in one pass over the records what the group count and the value picker's values read, and
    // the numbers of `numberFields` that sorting by them reads: each record's values are then fetched once
    // for all of them. Fetching a record's values is most of what reading one column of a large journal
    // costs, so a first sort by such a column would otherwise wait on memory for every record again.
    void prepare(const std::optional<FieldDef>& valueField, const QList<QUuid>& numberFields = {});
    // The number of different group keys (Journal::groupKey) among the records at the positions.
    qsizetype groupCount(const std::vector<int>& positions);
    // Journal::distinctValues of the field.
    QStringList distinctValues(const FieldDef& field);

private:
    struct Columns;
    struct Groups;

    void startAfresh();
    // Builds the new column now, or with the others of a pass when one is being gathered.
    void buildOrDefer(TextColumn& column);
    void buildGroups();
    int groupOf(int position);

    Calendar m_calendar;
    Journal m_journal;
    bool m_started = false;
    quint64 m_version = 0;
    KeyIds m_keys;
    std::unique_ptr<Columns> m_columns;
    std::vector<TextColumn*>* m_deferred = nullptr;
    std::unique_ptr<Groups> m_groups;
    // Distinct values by field, worked out again after any change of the records.
    std::vector<std::pair<FieldDef, QStringList>> m_distinct;
};
