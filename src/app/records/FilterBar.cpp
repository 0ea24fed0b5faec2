#include "app/records/FilterBar.h"

using namespace Qt::StringLiterals;

namespace Records {

QList<FieldDef> FilterBar::valueFields(const Journal& journal) {
    QList<FieldDef> fields;
    for (const FieldDef& field : journal.fields) {
        if (field.type == FieldType::text || field.type == FieldType::choice)
            fields.append(field);
    }
    return fields;
}

std::optional<FieldDef> FilterBar::shownValueField(const Journal& journal, const RecordFilters& filters) {
    if (std::optional<FieldDef> named =
            journal.field(filters.valueFieldID ? filters.valueFieldID : journal.filterFieldID))
        return named;
    const QList<FieldDef> fields = valueFields(journal);
    return fields.isEmpty() ? std::nullopt : std::optional(fields.first());
}

RecordFilters FilterBar::choosingValueField(RecordFilters filters, const QUuid& fieldID) {
    filters.valueFieldID = fieldID;
    filters.value.clear();
    return filters;
}

RecordFilters FilterBar::choosingValue(RecordFilters filters, const Journal& journal, const QString& value) {
    filters.value = value;
    // The filter itself reads the named field without falling back to the first one.
    if (!journal.field(filters.valueFieldID ? filters.valueFieldID : journal.filterFieldID)) {
        if (const std::optional<FieldDef> shown = shownValueField(journal, filters))
            filters.valueFieldID = shown->id;
    }
    return filters;
}

QString FilterBar::dateFieldTitle(const FieldDef& field) {
    return u"По полю «"_s + field.name + u'»';
}

QString FilterBar::shownLine(const Journal& journal, qsizetype shown, std::optional<qsizetype> groups) {
    QString line = u"Показано: "_s + journal.itemNoun.counted(shown);
    if (groups)
        line += u" · "_s + journal.groupNoun.counted(*groups);
    return line;
}

} // namespace Records
