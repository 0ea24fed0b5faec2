#include "format/ModelJson.h"

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

using rapidjson::Value;
using namespace Qt::StringLiterals;

namespace ModelJson {

namespace {

const Value* present(const Value& object, std::string_view key) {
    const auto it = object.FindMember(rapidjson::StringRef(key.data(), rapidjson::SizeType(key.size())));
    if (it == object.MemberEnd() || it->value.IsNull())
        return nullptr;
    return &it->value;
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

const QString expectedString = QStringLiteral("ожидалась строка");
const QString expectedBool = QStringLiteral("ожидалось true или false");
const QString expectedArray = QStringLiteral("ожидался массив");
const QString expectedObject = QStringLiteral("ожидался объект");

bool isIdentifier(std::string_view key) {
    return !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
    });
}

QString parseErrorText(rapidjson::ParseErrorCode code) {
    switch (code) {
    case rapidjson::kParseErrorDocumentRootNotSingular:
        return u"после данных есть лишний текст"_s;
    case rapidjson::kParseErrorValueInvalid:
        return u"недопустимое значение"_s;
    case rapidjson::kParseErrorObjectMissName:
        return u"нет имени члена объекта"_s;
    case rapidjson::kParseErrorObjectMissColon:
        return u"нет двоеточия после имени члена объекта"_s;
    case rapidjson::kParseErrorObjectMissCommaOrCurlyBracket:
        return u"нет запятой или «}» после члена объекта"_s;
    case rapidjson::kParseErrorArrayMissCommaOrSquareBracket:
        return u"нет запятой или «]» после элемента массива"_s;
    case rapidjson::kParseErrorStringUnicodeEscapeInvalidHex:
        return u"неверная цифра после \\u в строке"_s;
    case rapidjson::kParseErrorStringUnicodeSurrogateInvalid:
        return u"неверная суррогатная пара в строке"_s;
    case rapidjson::kParseErrorStringEscapeInvalid:
        return u"неверный знак после «\\» в строке"_s;
    case rapidjson::kParseErrorStringMissQuotationMark:
        return u"строка не закрыта кавычкой"_s;
    case rapidjson::kParseErrorStringInvalidEncoding:
        return u"текст не в кодировке UTF-8"_s;
    case rapidjson::kParseErrorNumberTooBig:
        return u"слишком большое число"_s;
    case rapidjson::kParseErrorNumberMissFraction:
        return u"нет цифр после точки в числе"_s;
    case rapidjson::kParseErrorNumberMissExponent:
        return u"нет цифр порядка в числе"_s;
    default:
        return u"ошибка синтаксиса"_s;
    }
}

// Builds the document like RapidJSON's own parse, except that numbers arrive as text and are converted here:
// RapidJSON's exact conversion reads out of bounds on some long numbers, and its fast one is not exact.
class ExactNumbers {
public:
    explicit ExactNumbers(rapidjson::Document& doc) : m_doc(doc) {}

    bool Null() { return m_doc.Null(); }
    bool Bool(bool b) { return m_doc.Bool(b); }
    bool Int(int i) { return m_doc.Int(i); }
    bool Uint(unsigned i) { return m_doc.Uint(i); }
    bool Int64(int64_t i) { return m_doc.Int64(i); }
    bool Uint64(uint64_t i) { return m_doc.Uint64(i); }
    bool Double(double d) { return m_doc.Double(d); }
    bool String(const char* s, rapidjson::SizeType n, bool copy) { return m_doc.String(s, n, copy); }
    bool Key(const char* s, rapidjson::SizeType n, bool copy) { return m_doc.Key(s, n, copy); }
    bool StartObject() { return m_doc.StartObject(); }
    bool EndObject(rapidjson::SizeType n) { return m_doc.EndObject(n); }
    bool StartArray() { return m_doc.StartArray(); }
    bool EndArray(rapidjson::SizeType n) { return m_doc.EndArray(n); }

    // `text` is a number in JSON syntax, already checked by the parser (not NUL-terminated when parsing in
    // place).
    bool RawNumber(const char* text, rapidjson::SizeType length, bool) {
        const char* end = text + length;
        // Integers keep their integer kind, as RapidJSON itself gives them, while they fit 64 bits.
        if (std::find_if(text, end, [](char c) { return c == '.' || c == 'e' || c == 'E'; }) == end) {
            if (*text == '-') {
                std::int64_t i = 0;
                if (std::from_chars(text, end, i).ec == std::errc())
                    return m_doc.Int64(i);
            } else {
                std::uint64_t u = 0;
                if (std::from_chars(text, end, u).ec == std::errc())
                    return m_doc.Uint64(u);
            }
        }
        // from_chars rounds correctly and knows no locale; JSON's number syntax is a subset of its own.
        double d = 0;
        if (std::from_chars(text, end, d).ec == std::errc())
            return m_doc.Double(d);
        // Out of range: too small a number becomes 0 or a subnormal, as glibc's strtod gives it; too large
        // a number fails.
        static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
        d = strtod_l(std::string(text, length).c_str(), nullptr, cLocale);
        if (std::isinf(d)) {
            tooBig = true;
            return false;
        }
        return m_doc.Double(d);
    }

    bool tooBig = false;

private:
    rapidjson::Document& m_doc;
};

// Iterative parsing: a deeply nested hostile text cannot exhaust the stack.
constexpr unsigned parseFlags = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag |
                                rapidjson::kParseNumbersAsStringsFlag;

template <unsigned flags, typename Stream>
bool parseStream(Stream& input, rapidjson::Document& doc, QString* error) {
    rapidjson::Reader reader;
    ExactNumbers handler(doc);
    rapidjson::ParseResult result;
    const auto generate = [&](rapidjson::Document&) {
        return !(result = reader.Parse<flags>(input, handler)).IsError();
    };
    doc.Populate(generate);
    if (!result.IsError())
        return true;
    if (result.Code() == rapidjson::kParseErrorDocumentEmpty) {
        *error = u"файл пуст"_s;
    } else {
        const QString problem = handler.tooBig ? parseErrorText(rapidjson::kParseErrorNumberTooBig)
                                               : parseErrorText(result.Code());
        *error = u"файл не является правильным JSON: "_s + problem + u" (байт "_s +
                 QString::number(result.Offset()) + u')';
    }
    return false;
}

// True when the text ends in the middle of a UTF-8 sequence. RapidJSON's check of a sequence takes its
// continuation bytes without looking, which in place would read past the end of the buffer.
bool endsInsideCharacter(QByteArrayView bytes) {
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto c = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if (c < 0x80)
            return false;
        if (c >= 0xC0) // a lead byte: how many bytes its sequence takes
            return (c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2) > back;
    }
    return false;
}

// A whole UTF-8 byte order mark at the start is skipped; positions in error texts still count it.
template <typename Stream> void skipByteOrderMark(QByteArrayView bytes, Stream& input) {
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        for (int i = 0; i < 3; ++i)
            input.Take();
    }
}

} // namespace

bool parse(QByteArrayView bytes, rapidjson::Document& doc, QString* error) {
    rapidjson::MemoryStream input(bytes.data(), std::size_t(bytes.size()));
    skipByteOrderMark(bytes, input);
    if (!parseStream<parseFlags>(input, doc, error))
        return false;
    // The parser takes a NUL for the end of the text. Inside a string it is an error already; after the
    // value it is text that does not belong there.
    if (const void* nul = std::memchr(bytes.data(), 0, std::size_t(bytes.size()))) {
        doc = rapidjson::Document();
        *error = u"файл не является правильным JSON: "_s +
                 parseErrorText(rapidjson::kParseErrorDocumentRootNotSingular) + u" (байт "_s +
                 QString::number(static_cast<const char*>(nul) - bytes.data()) + u')';
        return false;
    }
    return true;
}

bool parseInPlace(QByteArray& bytes, rapidjson::Document& doc, QString* error) {
    // In-place parsing reads up to the first NUL. JSON text never holds a raw NUL and never ends inside a
    // character, so such a text is broken anyway: the copying parse reports where.
    if (bytes.contains('\0') || endsInsideCharacter(bytes))
        return parse(bytes, doc, error);
    rapidjson::InsituStringStream input(bytes.data());
    skipByteOrderMark(bytes, input);
    return parseStream<parseFlags | rapidjson::kParseInsituFlag>(input, doc, error);
}

bool isIntegral(const rapidjson::Value& v) {
    if (v.IsInt64())
        return true;
    if (!v.IsDouble())
        return false;
    const double d = v.GetDouble();
    return std::trunc(d) == d && d >= -9223372036854775808.0 && d < 9223372036854775808.0;
}

QString Path::text() const {
    std::vector<const Path*> chain;
    for (const Path* p = this; p; p = p->parent)
        chain.push_back(p);
    QString out;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        const Path& p = **it;
        if (p.key.empty()) {
            out += u'[' + QString::number(p.index) + u']';
        } else if (isIdentifier(p.key)) {
            if (!out.isEmpty())
                out += u'.';
            out += QString::fromUtf8(p.key.data(), qsizetype(p.key.size()));
        } else {
            out += u"[\""_s + QString::fromUtf8(p.key.data(), qsizetype(p.key.size())) + u"\"]"_s;
        }
    }
    return out;
}

namespace {

// What JSON needs instead of each ASCII character: 0 for nothing, 'u' for \u00XX, else the letter after "\".
constexpr std::array<char, 128> escapes = [] {
    std::array<char, 128> table{};
    for (int c = 0; c < 0x20; ++c)
        table[c] = 'u';
    table['\b'] = 'b';
    table['\f'] = 'f';
    table['\n'] = 'n';
    table['\r'] = 'r';
    table['\t'] = 't';
    table['"'] = '"';
    table['\\'] = '\\';
    return table;
}();

} // namespace

std::size_t quotedUtf8(QStringView text, std::string& buffer) {
    // At most 6 bytes per UTF-16 unit (\u001F), and the two quotes.
    const std::size_t need = std::size_t(text.size()) * 6 + 2;
    if (buffer.size() < need)
        buffer.resize(std::max(need, buffer.size() * 2));
    static constexpr char hex[] = "0123456789ABCDEF";
    char* p = buffer.data();
    *p++ = '"';
    const char16_t* s = text.utf16();
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        char32_t c = s[i];
        if (c < 0x80) {
            const char escape = escapes[c];
            if (!escape) {
                *p++ = char(c);
            } else if (escape == 'u') {
                *p++ = '\\';
                *p++ = 'u';
                *p++ = '0';
                *p++ = '0';
                *p++ = hex[c >> 4];
                *p++ = hex[c & 0xF];
            } else {
                *p++ = '\\';
                *p++ = escape;
            }
            continue;
        }
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c <= 0xDBFF && i + 1 < n && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
            } else {
                c = 0xFFFD;
            }
        }
        if (c < 0x800) {
            *p++ = char(0xC0 | (c >> 6));
        } else if (c < 0x10000) {
            *p++ = char(0xE0 | (c >> 12));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        } else {
            *p++ = char(0xF0 | (c >> 18));
            *p++ = char(0x80 | ((c >> 12) & 0x3F));
            *p++ = char(0x80 | ((c >> 6) & 0x3F));
        }
        *p++ = char(0x80 | (c & 0x3F));
    }
    *p++ = '"';
    return std::size_t(p - buffer.data());
}

// ---- Reading ----

bool Reader::fail(const Path& at, const QString& problem) {
    m_error = at.text() + u": "_s + problem;
    return false;
}

bool Reader::readText(const Value& object, const Path& at, std::string_view key, QString& out,
                      const QString& fallback) {
    const Value* v = present(object, key);
    if (!v) {
        out = fallback;
        return true;
    }
    if (!v->IsString())
        return fail(at.member(key), expectedString);
    out = utf8(*v);
    return true;
}

bool Reader::readTexts(const Value& object, const Path& at, std::string_view key, QStringList& out) {
    out.clear();
    const Value* v = present(object, key);
    if (!v)
        return true;
    const Path here = at.member(key);
    if (!v->IsArray())
        return fail(here, expectedArray);
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
    const Value* v = present(object, key);
    if (!v) {
        out = fallback;
        return true;
    }
    if (!v->IsBool())
        return fail(at.member(key), expectedBool);
    out = v->GetBool();
    return true;
}

bool Reader::readOptionalId(const Value& object, const Path& at, std::string_view key,
                            std::optional<QUuid>& out) {
    out.reset();
    const Value* v = present(object, key);
    if (!v)
        return true;
    if (!v->IsString())
        return fail(at.member(key), expectedString);
    out = parseIdUtf8(std::string_view(v->GetString(), v->GetStringLength()));
    if (!out)
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
        return fail(at, QStringLiteral("нет обязательного значения"));
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
    const Value* v = present(object, key);
    if (!v) {
        out = fallback;
        return true;
    }
    return readRequiredDate(v, at.member(key), out);
}

template <typename Enum>
bool Reader::readEnum(const Value& object, const Path& at, std::string_view key, Enum& out, Enum fallback,
                      std::optional<Enum> (*parse)(QStringView), const char* what) {
    const Value* v = present(object, key);
    if (!v) {
        out = fallback;
        return true;
    }
    if (!v->IsString())
        return fail(at.member(key), expectedString);
    const std::optional<Enum> value = parse(utf8(*v));
    if (!value)
        return fail(at.member(key), QString::fromUtf8(what) + u' ' + quoted(*v));
    out = *value;
    return true;
}

bool Reader::readNoun(const Value& object, const Path& at, std::string_view key, NounForms& out,
                      const NounForms& fallback) {
    const Value* v = present(object, key);
    if (!v) {
        out = fallback;
        return true;
    }
    return read(*v, at.member(key), out);
}

template <typename T> bool Reader::readList(const Value& json, const Path& at, QList<T>& out) {
    out.clear();
    if (!json.IsArray())
        return fail(at, expectedArray);
    out.resize(json.Size());
    for (rapidjson::SizeType i = 0; i < json.Size(); ++i) {
        if (!read(json[i], at.element(i), out[i]))
            return false;
    }
    return true;
}

bool Reader::read(const Value& json, const Path& at, QList<Journal>& out) {
    return readList(json, at, out);
}

bool Reader::read(const Value& json, const Path& at, NounForms& out) {
    if (!json.IsObject())
        return fail(at, expectedObject);
    // The only object whose keys are all required: a noun is useless without every form.
    for (auto [key, form] :
         {std::pair{std::string_view("one"), &out.one}, std::pair{std::string_view("few"), &out.few},
          std::pair{std::string_view("many"), &out.many}}) {
        const auto it = json.FindMember(rapidjson::StringRef(key.data(), rapidjson::SizeType(key.size())));
        if (it == json.MemberEnd())
            return fail(at.member(key), QStringLiteral("нет обязательного значения"));
        if (!it->value.IsString())
            return fail(at.member(key), expectedString);
        *form = utf8(it->value);
    }
    return true;
}

bool Reader::read(const Value& json, const Path& at, FieldValue& out) {
    out = FieldValue{};
    if (!json.IsObject())
        return fail(at, expectedObject);
    if (const Value* v = present(json, "text")) {
        if (!v->IsString())
            return fail(at.member("text"), expectedString);
        out.text = utf8(*v);
    }
    if (const Value* v = present(json, "number")) {
        if (!v->IsNumber())
            return fail(at.member("number"), QStringLiteral("ожидалось число"));
        out.number = v->GetDouble();
    }
    if (const Value* v = present(json, "date")) {
        QDateTime date;
        if (!readRequiredDate(v, at.member("date"), date))
            return false;
        out.date = date;
    }
    if (const Value* v = present(json, "flag")) {
        if (!v->IsBool())
            return fail(at.member("flag"), expectedBool);
        out.flag = v->GetBool();
    }
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

bool Reader::readValues(const Value& json, const Path& at, QMap<QString, FieldValue>& out) {
    out.clear();
    if (!json.IsObject())
        return fail(at, expectedObject);
    for (auto it = json.MemberBegin(); it != json.MemberEnd(); ++it) {
        const std::string_view name(it->name.GetString(), it->name.GetStringLength());
        FieldValue value;
        if (!read(it->value, at.member(name), value))
            return false;
        const QString& key = valueKey(name);
        if (out.isEmpty() || out.lastKey() < key) {
            out.insert(out.cend(), key, std::move(value)); // the usual case: keys come in ascending order
        } else if (!out.contains(key)) {
            out.insert(key, std::move(value));
        } // a repeated key keeps its first value, as every other look-up of a member does
    }
    return true;
}

bool Reader::read(const Value& json, const Path& at, Record& out) {
    if (!json.IsObject())
        return fail(at, expectedObject);
    if (!readId(json, at, "id", out.id) || !readOptionalId(json, at, "statusID", out.statusID))
        return false;
    if (const Value* v = present(json, "values")) {
        if (!readValues(*v, at.member("values"), out.values))
            return false;
    } else {
        out.values.clear();
    }
    return readDate(json, at, "createdAt", out.createdAt, m_now) &&
           readDate(json, at, "updatedAt", out.updatedAt, out.createdAt);
}

bool Reader::read(const Value& json, const Path& at, FieldDef& out) {
    if (!json.IsObject())
        return fail(at, expectedObject);
    return readId(json, at, "id", out.id) && readText(json, at, "key", out.key, QString()) &&
           readText(json, at, "name", out.name, QStringLiteral("Поле")) &&
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
    if (!json.IsObject())
        return fail(at, expectedObject);
    return readId(json, at, "id", out.id) && readText(json, at, "name", out.name, QStringLiteral("Статус")) &&
           readEnum(json, at, "color", out.color, AppColor::gray, appColorFromRaw, "неизвестный цвет") &&
           readOptionalId(json, at, "dateFieldID", out.dateFieldID) &&
           readBool(json, at, "fillsPreviousDates", out.fillsPreviousDates, true);
}

bool Reader::read(const Value& json, const Path& at, MetricDef& out) {
    if (!json.IsObject())
        return fail(at, expectedObject);
    return readId(json, at, "id", out.id) &&
           readText(json, at, "title", out.title, QStringLiteral("Показатель")) &&
           readEnum(json, at, "kind", out.kind, MetricKind::count, metricKindFromRaw,
                    "неизвестный вид показателя") &&
           readOptionalId(json, at, "dateFieldID", out.dateFieldID) &&
           readOptionalId(json, at, "sumFieldID", out.sumFieldID) &&
           readText(json, at, "subtitle", out.subtitle, QString()) &&
           readEnum(json, at, "color", out.color, AppColor::blue, appColorFromRaw, "неизвестный цвет") &&
           readText(json, at, "symbol", out.symbol, QStringLiteral("number")) &&
           readText(json, at, "unit", out.unit, QString()) &&
           readOptionalId(json, at, "filterFieldID", out.filterFieldID) &&
           readText(json, at, "filterValue", out.filterValue, QString()) &&
           readOptionalId(json, at, "statusFilterID", out.statusFilterID) &&
           readOptionalId(json, at, "operandA", out.operandA) &&
           readOptionalId(json, at, "operandB", out.operandB);
}

bool Reader::read(const Value& json, const Path& at, Journal& out) {
    if (!json.IsObject())
        return fail(at, expectedObject);
    const auto list = [&](std::string_view key, auto& target) {
        const Value* v = present(json, key);
        if (!v) {
            target.clear();
            return true;
        }
        return readList(*v, at.member(key), target);
    };
    if (!readId(json, at, "id", out.id) || !readText(json, at, "name", out.name, QStringLiteral("Журнал")) ||
        !readText(json, at, "icon", out.icon, QStringLiteral("tray.full")) ||
        !readText(json, at, "templateKey", out.templateKey, QString()) || !list("fields", out.fields) ||
        !list("statuses", out.statuses) || !list("metrics", out.metrics) ||
        !readOptionalId(json, at, "titleFieldID", out.titleFieldID) ||
        !readOptionalId(json, at, "defaultStatusID", out.defaultStatusID) ||
        !readNoun(json, at, "itemNoun", out.itemNoun, defaultItemNoun()) ||
        !readNoun(json, at, "groupNoun", out.groupNoun, defaultGroupNoun()) ||
        !readText(json, at, "reportTemplate", out.reportTemplate, QString()) ||
        !readText(json, at, "batchTitle", out.batchTitle, QStringLiteral("Несколько записей")) ||
        !readText(json, at, "hint", out.hint, QString()) ||
        !readOptionalId(json, at, "counterFieldID", out.counterFieldID) ||
        !readText(json, at, "counterTitle", out.counterTitle, QStringLiteral("+1")) ||
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
        m_fieldKeys.emplace_back(bytes, QString::fromLatin1(bytes.data(), 36));
    }
    const bool ok = list("records", out.records) && readDate(json, at, "createdAt", out.createdAt, m_now);
    m_fieldKeys.clear();
    m_otherKeys.clear();
    return ok;
}

// ---- Writing ----

bool Writer::fail(const Path& at, const QString& problem) {
    m_error = at.text() + u": "_s + problem;
    return false;
}

void Writer::key(std::string_view name) {
    m_out.Key(name.data(), rapidjson::SizeType(name.size()));
}

void Writer::text(QStringView value) {
    // One pass from UTF-16 to escaped UTF-8, handed to the writer as it stands.
    const std::size_t size = quotedUtf8(value, m_scratch); // may move the buffer: before taking its address
    m_out.RawValue(m_scratch.data(), size, rapidjson::kStringType);
}

void Writer::textMember(std::string_view name, QStringView value) {
    key(name);
    text(value);
}

void Writer::boolMember(std::string_view name, bool value) {
    key(name);
    m_out.Bool(value);
}

void Writer::idMember(std::string_view name, const QUuid& value) {
    key(name);
    id(value);
}

void Writer::texts(const QStringList& values) {
    m_out.StartArray();
    for (const QString& value : values)
        text(value);
    m_out.EndArray();
}

void Writer::id(const QUuid& value) {
    char buffer[36];
    writeIdText(value, buffer);
    m_out.String(buffer, 36);
}

void Writer::optionalId(std::string_view name, const std::optional<QUuid>& value) {
    if (value)
        idMember(name, *value);
}

bool Writer::date(const QDateTime& value, const Path& at) {
    char buffer[20];
    if (!writeStoredDate(value, buffer))
        return fail(at, QStringLiteral("дату нельзя записать: она пуста или вне 1–9999 годов"));
    m_out.String(buffer, 20);
    return true;
}

template <typename T> bool Writer::writeList(const QList<T>& items, const Path& at) {
    m_out.StartArray();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!write(items[i], at.element(i)))
            return false;
    }
    m_out.EndArray();
    return true;
}

bool Writer::write(const QList<Journal>& journals, const Path& at) {
    return writeList(journals, at);
}

// Every object below writes its keys in ascending byte order.

bool Writer::write(const NounForms& noun, const Path&) {
    m_out.StartObject();
    textMember("few", noun.few);
    textMember("many", noun.many);
    textMember("one", noun.one);
    m_out.EndObject();
    return true;
}

bool Writer::write(const FieldValue& value, const Path& at) {
    m_out.StartObject();
    if (value.date) {
        key("date");
        if (!date(*value.date, at.member("date")))
            return false;
    }
    if (value.flag) {
        boolMember("flag", *value.flag);
    }
    if (value.number) {
        // JSON has no form for infinity or not-a-number; the writer would leave broken output behind.
        if (!std::isfinite(*value.number))
            return fail(at.member("number"), QStringLiteral("число не конечно"));
        key("number");
        m_out.Double(*value.number);
    }
    if (value.text) {
        textMember("text", *value.text);
    }
    m_out.EndObject();
    return true;
}

bool Writer::write(const Record& record, const Path& at) {
    m_out.StartObject();
    key("createdAt");
    if (!date(record.createdAt, at.member("createdAt")))
        return false;
    idMember("id", record.id);
    optionalId("statusID", record.statusID);
    key("updatedAt");
    if (!date(record.updatedAt, at.member("updatedAt")))
        return false;
    key("values");
    m_out.StartObject();
    const Path values = at.member("values");
    // QMap keeps its keys in ascending order already.
    for (auto it = record.values.cbegin(); it != record.values.cend(); ++it) {
        const std::size_t size = quotedUtf8(it.key(), m_keyScratch);
        m_out.RawValue(m_keyScratch.data(), size, rapidjson::kStringType);
        if (!write(it.value(), values.member(std::string_view(m_keyScratch.data() + 1, size - 2))))
            return false;
    }
    m_out.EndObject();
    m_out.EndObject();
    return true;
}

bool Writer::write(const FieldDef& field, const Path&) {
    m_out.StartObject();
    key("aliases");
    texts(field.aliases);
    idMember("id", field.id);
    boolMember("inGroup", field.inGroup);
    boolMember("inIdentity", field.inIdentity);
    boolMember("isPerItem", field.isPerItem);
    boolMember("isUnique", field.isUnique);
    textMember("key", field.key);
    textMember("name", field.name);
    key("options");
    texts(field.options);
    textMember("prompt", field.prompt);
    boolMember("showInTable", field.showInTable);
    textMember("type", rawValue(field.type));
    textMember("unit", field.unit);
    m_out.EndObject();
    return true;
}

bool Writer::write(const StatusDef& status, const Path&) {
    m_out.StartObject();
    textMember("color", rawValue(status.color));
    optionalId("dateFieldID", status.dateFieldID);
    boolMember("fillsPreviousDates", status.fillsPreviousDates);
    idMember("id", status.id);
    textMember("name", status.name);
    m_out.EndObject();
    return true;
}

bool Writer::write(const MetricDef& metric, const Path&) {
    m_out.StartObject();
    textMember("color", rawValue(metric.color));
    optionalId("dateFieldID", metric.dateFieldID);
    optionalId("filterFieldID", metric.filterFieldID);
    textMember("filterValue", metric.filterValue);
    idMember("id", metric.id);
    textMember("kind", rawValue(metric.kind));
    optionalId("operandA", metric.operandA);
    optionalId("operandB", metric.operandB);
    optionalId("statusFilterID", metric.statusFilterID);
    textMember("subtitle", metric.subtitle);
    optionalId("sumFieldID", metric.sumFieldID);
    textMember("symbol", metric.symbol);
    textMember("title", metric.title);
    textMember("unit", metric.unit);
    m_out.EndObject();
    return true;
}

bool Writer::write(const Journal& journal, const Path& at) {
    m_out.StartObject();
    textMember("batchTitle", journal.batchTitle);
    optionalId("breakdownFieldID", journal.breakdownFieldID);
    optionalId("counterFieldID", journal.counterFieldID);
    textMember("counterTitle", journal.counterTitle);
    key("createdAt");
    if (!date(journal.createdAt, at.member("createdAt")))
        return false;
    optionalId("defaultStatusID", journal.defaultStatusID);
    key("fields");
    if (!writeList(journal.fields, at.member("fields")))
        return false;
    optionalId("filterFieldID", journal.filterFieldID);
    key("groupNoun");
    write(journal.groupNoun, at.member("groupNoun"));
    textMember("hint", journal.hint);
    textMember("icon", journal.icon);
    idMember("id", journal.id);
    key("itemNoun");
    write(journal.itemNoun, at.member("itemNoun"));
    key("metrics");
    if (!writeList(journal.metrics, at.member("metrics")))
        return false;
    textMember("name", journal.name);
    key("records");
    if (!writeList(journal.records, at.member("records")))
        return false;
    textMember("reportTemplate", journal.reportTemplate);
    key("statuses");
    if (!writeList(journal.statuses, at.member("statuses")))
        return false;
    textMember("templateKey", journal.templateKey);
    optionalId("titleFieldID", journal.titleFieldID);
    m_out.EndObject();
    return true;
}

} // namespace ModelJson
