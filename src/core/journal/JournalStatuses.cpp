// Journal: new records and status changes.
#include "core/journal/ItemLookup.h"
#include "core/model/Model.h"

namespace {

// The status a new record starts in; a default that names no status reads as none.
std::optional<QUuid> startingStatusID(const Journal& journal) {
    if (journal.defaultStatusID && firstWithId(journal.statuses, *journal.defaultStatusID))
        return journal.defaultStatusID;
    if (!journal.statuses.isEmpty())
        return journal.statuses.first().id;
    return std::nullopt;
}

Record withStatus(const Journal& journal, const std::optional<QUuid>& statusID, const Record& record,
                  const QDateTime& date, const Calendar& calendar, const QDateTime& now) {
    Record out = record;
    out.statusID = statusID;
    out.updatedAt = now;
    const std::optional<qsizetype> position = journal.statusIndex(statusID);
    if (!position)
        return out;
    const QDateTime day = calendar.startOfDay(date);
    for (const StatusDef& s : journal.statusesFillingDates(*position)) {
        if (!s.dateFieldID)
            continue;
        // A hand-edited file may point a status at a field of another type: only date fields are stamped.
        const FieldDef* f = firstWithId(journal.fields, *s.dateFieldID);
        if (!f || f->type != FieldType::date)
            continue;
        const QString key = fieldKey(f->id);
        const FieldValue* v = out.value(key);
        if (v && v->date)
            continue;
        out.values.insert(key, FieldValue::ofDate(day));
    }
    return out;
}

} // namespace

Record Journal::newRecord(const QDateTime& date, const Calendar& calendar, const Clock& clock) const {
    const QDateTime now = clock();
    Record blank;
    blank.id = QUuid::createUuid();
    blank.createdAt = now;
    blank.updatedAt = now;
    return withStatus(*this, startingStatusID(*this), blank, date, calendar, now);
}

Record Journal::settingStatus(const std::optional<QUuid>& statusID, const Record& on, const QDateTime& date,
                              const Calendar& calendar, const Clock& clock) const {
    return withStatus(*this, statusID, on, date, calendar, clock());
}

QList<StatusDef> Journal::statusesFillingDates(qsizetype through) const {
    if (through < 0 || through >= statuses.size())
        return {};
    if (statuses[through].fillsPreviousDates)
        return statuses.first(through + 1);
    return {statuses[through]};
}

std::optional<QUuid> Journal::primaryStatusID() const {
    if (!metrics.isEmpty() && metrics.first().dateFieldID) {
        for (const StatusDef& s : statuses) {
            if (s.dateFieldID == metrics.first().dateFieldID)
                return s.id;
        }
    }
    return startingStatusID(*this);
}
