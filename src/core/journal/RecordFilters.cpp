#include "journal/RecordFilters.h"

#include "journal/RecordMemo.h"
#include "journal/TextNormalizer.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The comparison key of a record's search text: the display values of all fields in field order, then the
// name of its status, joined by one blank.
QString searchKey(const Journal& journal, const Record& record, const Calendar& calendar) {
    QStringList parts;
    parts.reserve(journal.fields.size() + 1);
    for (const FieldDef& f : journal.fields)
        parts.append(journal.displayValue(record, f, calendar));
    const std::optional<StatusDef> status = journal.status(record.statusID);
    parts.append(status ? status->name : QString());
    return TextNormalizer::compare(parts.join(u' '));
}

// The search keys of the last journal searched. They also depend on the journal's fields and statuses and
// on the calendar: when any of those differ, every kept key is dropped.
class SearchKeys {
public:
    RecordMemo<QString>& of(const Journal& journal, const Calendar& calendar) {
        if (m_journalID != journal.id || m_fields != journal.fields || m_statuses != journal.statuses ||
            !(m_calendar == calendar)) {
            m_keys.clear();
            m_journalID = journal.id;
            m_fields = journal.fields;
            m_statuses = journal.statuses;
            m_calendar = calendar;
        }
        m_keys.trim(journal.records, journal.records.size() / 4 + 64);
        return m_keys;
    }

private:
    QUuid m_journalID;
    QList<FieldDef> m_fields;
    QList<StatusDef> m_statuses;
    Calendar m_calendar;
    RecordMemo<QString> m_keys;
};

// The search texts kept for the last journal searched.
SearchKeys& keptSearchKeys() {
    thread_local SearchKeys keys;
    return keys;
}

} // namespace

RecordFilters RecordFilters::defaults(const Clock& clock, const Calendar& calendar) {
    RecordFilters f;
    const QDate today = calendar.day(clock());
    f.from = calendar.startOfDay(QDate(today.year(), today.month(), 1));
    f.to = clock();
    return f;
}

bool RecordFilters::isActive() const {
    // The value counts untrimmed: a value of blanks is a choice the user made.
    return !search.trimmed().isEmpty() || statusID || !value.isEmpty() || dateFieldID ||
           linkFilter != LinkFilter::any;
}

QList<Record> RecordFilters::apply(const Journal& journal, const Calendar& calendar) const {
    // Everything that does not depend on the record is prepared once per call.
    const QStringList words = TextNormalizer::compare(search).split(u' ', Qt::SkipEmptyParts);
    const QString target = TextNormalizer::compare(value);
    // A value field that no longer exists means no value condition: it does not fall back.
    const std::optional<FieldDef> valueField =
        journal.field(valueFieldID ? valueFieldID : journal.filterFieldID);
    const bool byValue = !target.isEmpty() && valueField;
    const auto [earlier, later] = std::minmax(from, to);
    // Half-open, from the start of the earlier day to the start of the day after the later one.
    const QDateTime lower = calendar.startOfDay(earlier);
    const QDateTime upper = calendar.startOfDay(calendar.day(later).addDays(1));
    const QString dateKey = dateFieldID ? fieldKey(*dateFieldID) : QString();
    QStringList linkKeys;
    for (const FieldDef& f : journal.linkFields())
        linkKeys.append(fieldKey(f.id));
    const bool byLink = linkFilter != LinkFilter::any && !linkKeys.isEmpty();

    RecordMemo<QString>* keys = words.isEmpty() ? nullptr : &keptSearchKeys().of(journal, calendar);

    QList<Record> result;
    for (const Record& record : journal.records) {
        if (statusID && record.statusID != statusID)
            continue;
        if (byValue && TextNormalizer::compare(journal.displayValue(record, *valueField, calendar)) != target)
            continue;
        if (dateFieldID) {
            // Read under the id directly: a date left by a deleted field still counts.
            const FieldValue* v = record.value(dateKey);
            if (!v || !v->date || *v->date < lower || !(*v->date < upper))
                continue;
        }
        if (byLink) {
            const bool hasLink = std::any_of(linkKeys.cbegin(), linkKeys.cend(),
                                             [&](const QString& key) { return !record.text(key).isEmpty(); });
            if (hasLink != (linkFilter == LinkFilter::with))
                continue;
        }
        if (!words.isEmpty()) {
            const QString text =
                keys->value(record, [&](const Record& r) { return searchKey(journal, r, calendar); });
            if (!std::all_of(words.cbegin(), words.cend(),
                             [&](const QString& w) { return text.contains(w); }))
                continue;
        }
        result.append(record);
    }
    return result;
}

void RecordFilters::prepareSearch(const Journal& journal, const Calendar& calendar, qsizetype first,
                                  qsizetype count) {
    RecordMemo<QString>& keys = keptSearchKeys().of(journal, calendar);
    const qsizetype end = std::min(journal.records.size(), first + count);
    for (qsizetype i = std::max<qsizetype>(first, 0); i < end; ++i)
        keys.value(journal.records[i], [&](const Record& r) { return searchKey(journal, r, calendar); });
}

QString rawValue(RecordFilters::LinkFilter filter) {
    switch (filter) {
    case RecordFilters::LinkFilter::any:
        return u"any"_s;
    case RecordFilters::LinkFilter::with:
        return u"with"_s;
    case RecordFilters::LinkFilter::without:
        return u"without"_s;
    }
    return {};
}

std::optional<RecordFilters::LinkFilter> linkFilterFromRaw(QStringView text) {
    return caseFromRaw(text, allLinkFilters);
}

QString title(RecordFilters::LinkFilter filter) {
    switch (filter) {
    case RecordFilters::LinkFilter::any:
        return u"Любые ссылки"_s;
    case RecordFilters::LinkFilter::with:
        return u"Со ссылкой"_s;
    case RecordFilters::LinkFilter::without:
        return u"Без ссылки"_s;
    }
    return {};
}
