// Journal: typed input and normalisation.
#include "core/journal/TextNormalizer.h"
#include "core/model/DateFormat.h"
#include "core/model/LinkTools.h"
#include "core/model/Model.h"
#include "core/model/NumberFormat.h"

using namespace Qt::StringLiterals;

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

// Record::setText by the entry's key: the empty text removes the entry.
void putText(Record& record, const QString& key, const QString& text) {
    if (text.isEmpty())
        record.values.remove(key);
    else
        record.values.insert(key, FieldValue::ofText(text));
}

} // namespace

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, Record& in) {
    return assign(text, to, in, DateFormat::defaultCalendar(), systemNow);
}

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, Record& in,
                                       const Calendar& calendar, const Clock& clock) {
    return assign(text, to, fieldKey(to.id), in, calendar, clock);
}

std::optional<QString> Journal::assign(const QString& text, const FieldDef& to, const QString& key,
                                       Record& in, const Calendar& calendar, const Clock& clock) {
    const QString x = text.trimmed();
    switch (to.type) {
    case FieldType::text:
    case FieldType::longText:
        putText(in, key, x);
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
        putText(in, key, LinkTools::normalized(x));
        if (!LinkTools::isInvalid(x))
            return std::nullopt;
        return u"ссылка «"_s + x + u"» не похожа на адрес сайта"_s;
    case FieldType::choice:
        putText(in, key, x);
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
        const QString key = fieldKey(f.id);
        const FieldValue* v = out.value(key);
        const QString stored = v && v->text ? *v->text : QString();
        const QString cleaned = f.type == FieldType::link ? LinkTools::normalized(stored) : stored.trimmed();
        if (cleaned.isEmpty()) {
            if (v)
                out.values.remove(key);
        } else if (!v || *v != FieldValue::ofText(cleaned)) {
            out.values.insert(key, FieldValue::ofText(cleaned));
        }
    }
    return out;
}

bool Journal::isEmptyContent(const Record& record) const {
    for (const FieldDef& f : fields) {
        const FieldValue* v = record.value(fieldKey(f.id));
        if (!v)
            continue;
        if (isTextual(f.type) && v->text && !v->text->trimmed().isEmpty())
            return false;
        if (f.type == FieldType::number && v->number)
            return false;
    }
    return true;
}
