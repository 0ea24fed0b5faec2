#include "IdKey.h"
#include "Model.h"
#include "TextNormalizer.h"
#include "TextTools.h"

using namespace Qt::StringLiterals;

// ---- Field roles, look-ups, display values and titles ----

namespace {

template <typename Pred> QList<FieldDef> fieldsWhere(const QList<FieldDef>& fields, Pred pred) {
    QList<FieldDef> out;
    for (const FieldDef& f : fields) {
        if (pred(f))
            out.append(f);
    }
    return out;
}

template <typename T> const T* firstWithId(const QList<T>& items, const QUuid& id) {
    for (const T& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
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
    const FieldValue* v = record.value(IdKey(field.id).text());
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

// ---- Typed input and normalisation ----

namespace {

bool ticksCheckbox(const QString& trimmed) {
    if (trimmed == u"\u2713")
        return true;
    const QString word = TextNormalizer::reduced(trimmed);
    static const QStringList words{u"да"_s, u"1"_s, u"yes"_s, u"true"_s, u"есть"_s, u"x"_s, u"v"_s};
    return words.contains(word);
}

bool isOption(const FieldDef& field, const QString& text) {
    const QString key = TextNormalizer::compare(text);
    for (const QString& option : field.options) {
        if (TextNormalizer::compare(option) == key)
            return true;
    }
    return false;
}

} // namespace

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, Record& in) {
    return assign(text, to, in, DateFormat::defaultCalendar(), systemNow);
}

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, Record& in,
                                       const Calendar& calendar, const Clock& clock) {
    const QString x = text.trimmed();
    const QString key = idText(to.id);
    switch (to.type) {
    case FieldType::text:
    case FieldType::longText:
        in.setText(x, to.id);
        return std::nullopt;
    case FieldType::number: {
        const std::optional<double> number = x.isEmpty() ? std::nullopt : NumberFormat::parse(x);
        if (number)
            in.values.insert(key, FieldValue::ofNumber(*number));
        else
            in.values.remove(key);
        if (x.isEmpty() || number)
            return std::nullopt;
        return u"«"_s + x + u"» в поле «"_s + to.name + u"» не число"_s;
    }
    case FieldType::date: {
        const std::optional<QDateTime> day =
            x.isEmpty() ? std::nullopt : DateFormat::parse(x, calendar, clock);
        if (day)
            in.values.insert(key, FieldValue::ofDate(*day));
        else
            in.values.remove(key);
        if (x.isEmpty() || day)
            return std::nullopt;
        return u"не распознана дата «"_s + x + u"» ("_s + to.name.toLower() + u')';
    }
    case FieldType::link:
        in.setText(LinkTools::normalized(x), to.id);
        if (!LinkTools::isInvalid(x))
            return std::nullopt;
        return u"ссылка «"_s + x + u"» не похожа на адрес сайта"_s;
    case FieldType::choice:
        in.setText(x, to.id);
        if (x.isEmpty() || isOption(to, x))
            return std::nullopt;
        return u"«"_s + x + u"» нет в списке значений поля «"_s + to.name + u"»"_s;
    case FieldType::checkbox:
        if (ticksCheckbox(x))
            in.values.insert(key, FieldValue::ofFlag(true));
        else
            in.values.remove(key);
        return std::nullopt;
    }
    return std::nullopt;
}

Record Journal::normalized(const Record& record) const {
    Record out = record;
    for (const FieldDef& f : fields) {
        if (!isTextual(f.type))
            continue;
        const IdKey key(f.id);
        const FieldValue* v = out.value(key.text());
        const QString stored = v && v->text ? *v->text : QString();
        const QString cleaned = f.type == FieldType::link ? LinkTools::normalized(stored) : stored.trimmed();
        if (cleaned.isEmpty()) {
            if (v)
                out.values.remove(key.text());
        } else if (!v || *v != FieldValue::ofText(cleaned)) {
            out.values.insert(idText(f.id), FieldValue::ofText(cleaned));
        }
    }
    return out;
}

bool Journal::isEmptyContent(const Record& record) const {
    for (const FieldDef& f : fields) {
        const FieldValue* v = record.value(IdKey(f.id).text());
        if (!v)
            continue;
        if (isTextual(f.type) && v->text && !v->text->trimmed().isEmpty())
            return false;
        if (f.type == FieldType::number && v->number)
            return false;
    }
    return true;
}
