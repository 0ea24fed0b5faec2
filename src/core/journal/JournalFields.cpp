// Journal: field roles, look-ups, display values and titles.
#include "core/journal/ItemLookup.h"
#include "core/model/DateFormat.h"
#include "core/model/Model.h"
#include "core/model/NumberFormat.h"

using namespace Qt::StringLiterals;

namespace {

template <typename Pred> QList<FieldDef> fieldsWhere(const QList<FieldDef>& fields, Pred pred) {
    QList<FieldDef> out;
    for (const FieldDef& f : fields) {
        if (pred(f))
            out.append(f);
    }
    return out;
}

template <typename T> std::optional<T> copyOf(const T* item) {
    return item ? std::optional<T>(*item) : std::nullopt;
}

// The field that names records, without copying it.
const FieldDef* titleFieldOf(const Journal& journal) {
    if (journal.titleFieldID) {
        if (const FieldDef* f = firstWithId(journal.fields, *journal.titleFieldID))
            return f;
    }
    for (const FieldDef& f : journal.fields) {
        if (f.type == FieldType::text)
            return &f;
    }
    return nullptr;
}

QString displayOf(const Record& record, const FieldDef& field, const Calendar* calendar) {
    const FieldValue* v = record.value(fieldKey(field.id));
    if (!v)
        return QString();
    switch (field.type) {
    case FieldType::text:
    case FieldType::longText:
    case FieldType::link:
    case FieldType::choice:
        return v->text.value_or(QString());
    case FieldType::number:
        return v->number ? NumberFormat::string(*v->number) : QString();
    case FieldType::date:
        if (!v->date)
            return QString();
        return calendar ? DateFormat::shortText(*v->date, *calendar) : DateFormat::shortText(*v->date);
    case FieldType::checkbox:
        return v->flag.value_or(false) ? u"да"_s : QString();
    }
    return QString();
}

} // namespace

QList<FieldDef> Journal::perItemFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.isPerItem; });
}
QList<FieldDef> Journal::dateFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.type == FieldType::date; });
}
QList<FieldDef> Journal::uniqueFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.isUnique; });
}
QList<FieldDef> Journal::tableFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.showInTable; });
}
QList<FieldDef> Journal::groupFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.inGroup; });
}
QList<FieldDef> Journal::numberFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.type == FieldType::number; });
}
QList<FieldDef> Journal::linkFields() const {
    return fieldsWhere(fields, [](const FieldDef& f) { return f.type == FieldType::link; });
}

std::optional<FieldDef> Journal::field(const std::optional<QUuid>& id) const {
    return id ? copyOf(firstWithId(fields, *id)) : std::nullopt;
}

std::optional<StatusDef> Journal::status(const std::optional<QUuid>& id) const {
    return id ? copyOf(firstWithId(statuses, *id)) : std::nullopt;
}

std::optional<Record> Journal::record(const QUuid& id) const {
    return copyOf(firstWithId(records, id));
}

std::optional<qsizetype> Journal::statusIndex(const std::optional<QUuid>& id) const {
    if (!id)
        return std::nullopt;
    for (qsizetype i = 0; i < statuses.size(); ++i) {
        if (statuses[i].id == *id)
            return i;
    }
    return std::nullopt;
}

QString Journal::displayValue(const Record& record, const FieldDef& field) const {
    return displayOf(record, field, nullptr);
}

QString Journal::displayValue(const Record& record, const FieldDef& field, const Calendar& calendar) const {
    return displayOf(record, field, &calendar);
}

std::optional<FieldDef> Journal::titleField() const {
    return copyOf(titleFieldOf(*this));
}

QString Journal::title(const Record& of) const {
    const FieldDef* named = titleFieldOf(*this);
    if (named) {
        QString text = displayOf(of, *named, nullptr);
        if (!text.isEmpty())
            return text;
    }
    for (const FieldDef& f : fields) {
        QString text = displayOf(of, f, nullptr);
        if (!text.isEmpty())
            return text;
    }
    return u"Без названия"_s;
}
