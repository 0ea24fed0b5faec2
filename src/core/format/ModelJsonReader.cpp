#include "core/format/ModelJsonReader.h"

#include "core/format/JsonParse.h"

#include <type_traits>

using rapidjson::Value;
using namespace Qt::StringLiterals;

namespace ModelJson {

namespace {

// Where an object's text begins, as far as its parse tells: its first member's name; null for an empty
// object or another value.
const char* textOf(const Value& value) {
    return value.IsObject() && value.MemberCount() > 0 ? value.MemberBegin()->name.GetString() : nullptr;
}

QString utf8(const Value& string) {
    return QString::fromUtf8(string.GetString(), string.GetStringLength());
}

// A stored text quoted inside a message, cut short so that a hostile file cannot make the message huge.
QString quoted(const Value& string) {
    constexpr qsizetype limit = 60;
    QString text = utf8(string);
    if (text.size() > limit)
        text = text.left(limit) + u'…';
    return u'«' + text + u'»';
}

const QString expectedString = u"ожидалась строка"_s;
const QString expectedBool = u"ожидалось true или false"_s;
const QString expectedArray = u"ожидался массив"_s;
const QString expectedObject = u"ожидался объект"_s;
const QString repeatedName = u"ключ повторяется в объекте"_s;
const QString expectedNumber = u"ожидалось число"_s;

const ValueKind anyKind{nullptr, nullptr};
const ValueKind stringKind{&Value::IsString, &expectedString};
const ValueKind boolKind{&Value::IsBool, &expectedBool};
const ValueKind numberKind{&Value::IsNumber, &expectedNumber};
const ValueKind arrayKind{&Value::IsArray, &expectedArray};

} // namespace

bool Reader::fail(const Path& at, const QString& problem) {
    m_error = at.text() + u": "_s + problem;
    return false;
}

bool Reader::checkNames(const Value& object, const Path* at) {
    if (object.MemberCount() < 2)
        return true;
    const Value::Member* repeat = repeatedMember(object);
    if (!repeat)
        return true;
    const std::string_view name(repeat->name.GetString(), repeat->name.GetStringLength());
    return fail(at ? at->member(name) : Path{nullptr, name}, repeatedName);
}

bool Reader::isObject(const Value& json, const Path& at) {
    if (!json.IsObject())
        return fail(at, expectedObject);
    return checkNames(json, &at);
}

bool Reader::optionalMember(const Value& object, const Path& at, std::string_view key, const ValueKind& kind,
                            const Value*& out) {
    const auto it = object.FindMember(rapidjson::StringRef(key.data(), rapidjson::SizeType(key.size())));
    out = it == object.MemberEnd() || it->value.IsNull() ? nullptr : &it->value;
    return !out || !kind.is || (out->*kind.is)() || fail(at.member(key), *kind.expected);
}

bool Reader::readText(const Value& object, const Path& at, std::string_view key, QString& out,
                      const QString& fallback) {
    const Value* v;
    if (!optionalMember(object, at, key, stringKind, v))
        return false;
    out = v ? utf8(*v) : fallback;
    return true;
}

bool Reader::readTexts(const Value& object, const Path& at, std::string_view key, QStringList& out) {
    out.clear();
    const Value* v;
    if (!optionalMember(object, at, key, arrayKind, v))
        return false;
    if (!v)
        return true;
    const Path here = at.member(key);
    out.reserve(v->Size());
    for (rapidjson::SizeType i = 0; i < v->Size(); ++i) {
        const Value& item = (*v)[i];
        if (!item.IsString())
            return fail(here.element(i), expectedString);
        out.append(utf8(item));
    }
    return true;
}

bool Reader::readBool(const Value& object, const Path& at, std::string_view key, bool& out, bool fallback) {
    const Value* v;
    if (!optionalMember(object, at, key, boolKind, v))
        return false;
    out = v ? v->GetBool() : fallback;
    return true;
}

bool Reader::readOptionalId(const Value& object, const Path& at, std::string_view key,
                            std::optional<QUuid>& out) {
    out.reset();
    const Value* v;
    if (!optionalMember(object, at, key, stringKind, v))
        return false;
    if (v && !(out = parseIdUtf8(std::string_view(v->GetString(), v->GetStringLength()))))
        return fail(at.member(key), u"неверный идентификатор "_s + quoted(*v));
    return true;
}

bool Reader::readId(const Value& object, const Path& at, std::string_view key, QUuid& out) {
    std::optional<QUuid> id;
    if (!readOptionalId(object, at, key, id))
        return false;
    // Made at the moment of reading, separately for every object without one.
    out = id ? *id : QUuid::createUuid();
    return true;
}

bool Reader::readRequiredDate(const Value* v, const Path& at, QDateTime& out) {
    if (!v)
        return fail(at, u"нет обязательного значения"_s);
    if (!v->IsString())
        return fail(at, expectedString);
    const std::optional<QDateTime> date =
        parseStoredDateUtf8(std::string_view(v->GetString(), v->GetStringLength()));
    if (!date)
        return fail(at, u"неверная дата "_s + quoted(*v));
    out = *date;
    return true;
}

bool Reader::readDate(const Value& object, const Path& at, std::string_view key, QDateTime& out,
                      const QDateTime& fallback) {
    const Value* v;
    if (!optionalMember(object, at, key, stringKind, v))
        return false;
    if (v)
        return readRequiredDate(v, at.member(key), out);
    out = fallback;
    return true;
}

template <typename Enum>
bool Reader::readEnum(const Value& object, const Path& at, std::string_view key, Enum& out, Enum fallback,
                      std::optional<Enum> (*parse)(QStringView), const char* what) {
    const Value* v;
    if (!optionalMember(object, at, key, stringKind, v))
        return false;
    const std::optional<Enum> value = v ? parse(utf8(*v)) : fallback;
    if (!value)
        return fail(at.member(key), QString::fromUtf8(what) + u' ' + quoted(*v));
    out = *value;
    return true;
}

bool Reader::readNoun(const Value& object, const Path& at, std::string_view key, NounForms& out,
                      const NounForms& fallback) {
    const Value* v;
    if (!optionalMember(object, at, key, anyKind, v))
        return false;
    if (v)
        return read(*v, at.member(key), out);
    out = fallback;
    return true;
}

template <typename T> bool Reader::readList(const Value& json, const Path& at, QList<T>& out) {
    out.clear();
    if (!json.IsArray())
        return fail(at, expectedArray);
    out.resize(json.Size());
    const char* first = nullptr;
    for (rapidjson::SizeType i = 0; i < json.Size(); ++i) {
        if (!read(json[i], at.element(i), out[i]))
            return false;
        if constexpr (std::is_same_v<T, Record>) {
            if (m_readPast && i + 1 < json.Size()) {
                // A record's text begins with its first member's name; an empty record names no place.
                if (!first)
                    first = textOf(json[i]);
                const char* next = textOf(json[i + 1]);
                if (first && next)
                    m_readPast(first, next);
            }
        }
    }
    return true;
}

bool Reader::read(const Value& json, const Path& at, QList<Journal>& out) {
    return readList(json, at, out);
}

bool Reader::read(const Value& json, const Path& at, NounForms& out) {
    if (!isObject(json, at))
        return false;
    // The only object whose keys are all required: a noun is useless without every form.
    for (auto [key, form] :
         {std::pair{std::string_view("one"), &out.one}, std::pair{std::string_view("few"), &out.few},
          std::pair{std::string_view("many"), &out.many}}) {
        const auto it = json.FindMember(rapidjson::StringRef(key.data(), rapidjson::SizeType(key.size())));
        if (it == json.MemberEnd())
            return fail(at.member(key), u"нет обязательного значения"_s);
        if (!it->value.IsString())
            return fail(at.member(key), expectedString);
        *form = utf8(it->value);
    }
    return true;
}

bool Reader::read(const Value& json, const Path& at, FieldValue& out) {
    out = FieldValue{};
    if (!isObject(json, at))
        return false;
    const Value *text, *number, *date, *flag;
    if (!optionalMember(json, at, "text", stringKind, text) ||
        !optionalMember(json, at, "number", numberKind, number) ||
        !optionalMember(json, at, "date", stringKind, date) ||
        (date && !readRequiredDate(date, at.member("date"), out.date.emplace())) ||
        !optionalMember(json, at, "flag", boolKind, flag))
        return false;
    if (text)
        out.text = utf8(*text);
    if (number)
        out.number = number->GetDouble();
    if (flag)
        out.flag = flag->GetBool();
    return true;
}

const QString& Reader::valueKey(std::string_view name) {
    for (const auto& [bytes, text] : m_fieldKeys) {
        if (bytes == name)
            return text;
    }
    // A key that names no field (a hand-edited file): still shared between the records that repeat it.
    auto it = m_otherKeys.find(std::string(name));
    if (it == m_otherKeys.end())
        it = m_otherKeys.emplace(std::string(name), QString::fromUtf8(name.data(), qsizetype(name.size())))
                 .first;
    return it->second;
}

bool Reader::readValues(const Value& json, const Path& at, FieldValues& out) {
    out.clear();
    if (!json.IsObject())
        return fail(at, expectedObject);
    out.reserve(qsizetype(json.MemberCount()));
    for (auto it = json.MemberBegin(); it != json.MemberEnd(); ++it) {
        const std::string_view name(it->name.GetString(), it->name.GetStringLength());
        FieldValue value;
        if (!read(it->value, at.member(name), value))
            return false;
        const QString& key = valueKey(name);
        // Repeated names are found on the way: an entry already there under the name is one.
        const qsizetype before = out.size();
        FieldValue& slot = out[key];
        if (out.size() == before)
            return fail(at.member(name), repeatedName);
        slot = std::move(value);
    }
    return true;
}

bool Reader::read(const Value& json, const Path& at, Record& out) {
    if (!isObject(json, at))
        return false;
    if (!readId(json, at, "id", out.id) || !readOptionalId(json, at, "statusID", out.statusID))
        return false;
    const Value* values;
    if (!optionalMember(json, at, "values", anyKind, values))
        return false;
    if (!values)
        out.values.clear();
    else if (!readValues(*values, at.member("values"), out.values))
        return false;
    return readDate(json, at, "createdAt", out.createdAt, m_now) &&
           readDate(json, at, "updatedAt", out.updatedAt, out.createdAt);
}

bool Reader::read(const Value& json, const Path& at, FieldDef& out) {
    if (!isObject(json, at))
        return false;
    return readId(json, at, "id", out.id) && readText(json, at, "key", out.key, QString()) &&
           readText(json, at, "name", out.name, u"Поле"_s) &&
           readEnum(json, at, "type", out.type, FieldType::text, fieldTypeFromRaw, "неизвестный тип поля") &&
           readTexts(json, at, "options", out.options) && readTexts(json, at, "aliases", out.aliases) &&
           readText(json, at, "prompt", out.prompt, QString()) &&
           readBool(json, at, "isUnique", out.isUnique, false) &&
           readBool(json, at, "inGroup", out.inGroup, false) &&
           readBool(json, at, "inIdentity", out.inIdentity, false) &&
           readBool(json, at, "isPerItem", out.isPerItem, false) &&
           readBool(json, at, "showInTable", out.showInTable, true) &&
           readText(json, at, "unit", out.unit, QString());
}

bool Reader::read(const Value& json, const Path& at, StatusDef& out) {
    if (!isObject(json, at))
        return false;
    return readId(json, at, "id", out.id) && readText(json, at, "name", out.name, u"Статус"_s) &&
           readEnum(json, at, "color", out.color, AppColor::gray, appColorFromRaw, "неизвестный цвет") &&
           readOptionalId(json, at, "dateFieldID", out.dateFieldID) &&
           readBool(json, at, "fillsPreviousDates", out.fillsPreviousDates, true);
}

bool Reader::read(const Value& json, const Path& at, MetricDef& out) {
    if (!isObject(json, at))
        return false;
    return readId(json, at, "id", out.id) && readText(json, at, "title", out.title, u"Показатель"_s) &&
           readEnum(json, at, "kind", out.kind, MetricKind::count, metricKindFromRaw,
                    "неизвестный вид показателя") &&
           readOptionalId(json, at, "dateFieldID", out.dateFieldID) &&
           readOptionalId(json, at, "sumFieldID", out.sumFieldID) &&
           readText(json, at, "subtitle", out.subtitle, QString()) &&
           readEnum(json, at, "color", out.color, AppColor::blue, appColorFromRaw, "неизвестный цвет") &&
           readText(json, at, "symbol", out.symbol, u"number"_s) &&
           readText(json, at, "unit", out.unit, QString()) &&
           readOptionalId(json, at, "filterFieldID", out.filterFieldID) &&
           readText(json, at, "filterValue", out.filterValue, QString()) &&
           readOptionalId(json, at, "statusFilterID", out.statusFilterID) &&
           readOptionalId(json, at, "operandA", out.operandA) &&
           readOptionalId(json, at, "operandB", out.operandB);
}

bool Reader::read(const Value& json, const Path& at, Journal& out) {
    if (!isObject(json, at))
        return false;
    const auto list = [&](std::string_view key, auto& target) {
        const Value* v;
        if (!optionalMember(json, at, key, anyKind, v))
            return false;
        if (v)
            return readList(*v, at.member(key), target);
        target.clear();
        return true;
    };
    if (!readId(json, at, "id", out.id) || !readText(json, at, "name", out.name, u"Журнал"_s) ||
        !readText(json, at, "icon", out.icon, u"tray.full"_s) ||
        !readText(json, at, "templateKey", out.templateKey, QString()) || !list("fields", out.fields) ||
        !list("statuses", out.statuses) || !list("metrics", out.metrics) ||
        !readOptionalId(json, at, "titleFieldID", out.titleFieldID) ||
        !readOptionalId(json, at, "defaultStatusID", out.defaultStatusID) ||
        !readNoun(json, at, "itemNoun", out.itemNoun, defaultItemNoun()) ||
        !readNoun(json, at, "groupNoun", out.groupNoun, defaultGroupNoun()) ||
        !readText(json, at, "reportTemplate", out.reportTemplate, QString()) ||
        !readText(json, at, "batchTitle", out.batchTitle, u"Несколько записей"_s) ||
        !readText(json, at, "hint", out.hint, QString()) ||
        !readOptionalId(json, at, "counterFieldID", out.counterFieldID) ||
        !readText(json, at, "counterTitle", out.counterTitle, u"+1"_s) ||
        !readOptionalId(json, at, "filterFieldID", out.filterFieldID) ||
        !readOptionalId(json, at, "breakdownFieldID", out.breakdownFieldID))
        return false;

    // The records' value keys are the field ids' texts: one shared string per field.
    m_fieldKeys.clear();
    m_otherKeys.clear();
    m_fieldKeys.reserve(std::size_t(out.fields.size()));
    for (const FieldDef& field : out.fields) {
        std::string bytes(36, '\0');
        writeIdText(field.id, bytes.data());
        m_fieldKeys.emplace_back(bytes, fieldKey(field.id));
    }
    const bool ok = list("records", out.records) && readDate(json, at, "createdAt", out.createdAt, m_now);
    m_fieldKeys.clear();
    m_otherKeys.clear();
    return ok;
}

} // namespace ModelJson
