#include "core/journal/RecordFilters.h"

#include "core/journal/TextNormalizer.h"
#include "core/model/EnumTable.h"

#include <algorithm>

using namespace Qt::StringLiterals;

QString RecordFilters::searchText(const Journal& journal, const Record& record, const Calendar& calendar) {
    QStringList parts;
    parts.reserve(journal.fields.size() + 1);
    for (const FieldDef& f : journal.fields)
        parts.append(journal.displayValue(record, f, calendar));
    const std::optional<StatusDef> status = journal.status(record.statusID);
    parts.append(status ? status->name : QString());
    return TextNormalizer::compare(parts.join(u' '));
}

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
            const QString text = searchText(journal, record, calendar);
            if (!std::all_of(words.cbegin(), words.cend(),
                             [&](const QString& w) { return text.contains(w); }))
                continue;
        }
        result.append(record);
    }
    return result;
}

namespace {

constexpr auto linkFilterRows = std::to_array<EnumRow<RecordFilters::LinkFilter>>({
    {RecordFilters::LinkFilter::any, u"any", u"Любые ссылки"},
    {RecordFilters::LinkFilter::with, u"with", u"Со ссылкой"},
    {RecordFilters::LinkFilter::without, u"without", u"Без ссылки"},
});
static_assert(EnumTable::inCaseOrder(linkFilterRows) && EnumTable::cases(linkFilterRows) == allLinkFilters);

} // namespace

QString rawValue(RecordFilters::LinkFilter filter) {
    return EnumTable::rawValue(linkFilterRows, filter);
}

std::optional<RecordFilters::LinkFilter> linkFilterFromRaw(QStringView text) {
    return EnumTable::fromRaw(linkFilterRows, text);
}

QString title(RecordFilters::LinkFilter filter) {
    return EnumTable::title(linkFilterRows, filter);
}
