#include "core/format/JsonParse.h"

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <locale.h>
#include <string>
#include <string_view>
#include <unordered_set>

using namespace Qt::StringLiterals;

namespace ModelJson {

namespace {

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

// `size` is the length of the whole text, so that an error can tell an empty text from a bad first character.
template <unsigned flags, typename Stream>
bool parseStream(Stream& input, std::size_t size, rapidjson::Document& doc, QString* error) {
    rapidjson::Reader reader;
    ExactNumbers handler(doc);
    rapidjson::ParseResult result;
    const auto generate = [&](rapidjson::Document&) {
        return !(result = reader.Parse<flags>(input, handler)).IsError();
    };
    doc.Populate(generate);
    if (!result.IsError())
        return true;
    // The parser reports any character that cannot start a value (":", ",", "]", "}") as an empty
    // text; only a text that ends where the parser stopped is empty.
    rapidjson::ParseErrorCode code = result.Code();
    if (code == rapidjson::kParseErrorDocumentEmpty) {
        if (result.Offset() >= size) {
            *error = u"файл пуст"_s;
            return false;
        }
        code = rapidjson::kParseErrorValueInvalid;
    }
    if (handler.tooBig)
        code = rapidjson::kParseErrorNumberTooBig;
    *error = u"файл не является правильным JSON: "_s + parseErrorText(code) + u" (байт "_s +
             QString::number(result.Offset()) + u')';
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
    if (!parseStream<parseFlags>(input, std::size_t(bytes.size()), doc, error))
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
    return parseInPlace(bytes.data(), std::size_t(bytes.size()), doc, error);
}

bool parseInPlace(char* text, std::size_t size, rapidjson::Document& doc, QString* error) {
    const QByteArrayView bytes(text, qsizetype(size));
    // In-place parsing reads up to the first NUL. JSON text never holds a raw NUL and never ends inside a
    // character, so such a text is broken anyway: the copying parse reports where.
    if (bytes.contains('\0') || endsInsideCharacter(bytes))
        return parse(bytes, doc, error);
    rapidjson::InsituStringStream input(text);
    skipByteOrderMark(bytes, input);
    return parseStream<parseFlags | rapidjson::kParseInsituFlag>(input, size, doc, error);
}

bool isIntegral(const rapidjson::Value& v) {
    if (v.IsInt64())
        return true;
    if (!v.IsDouble())
        return false;
    const double d = v.GetDouble();
    return std::trunc(d) == d && d >= -9223372036854775808.0 && d < 9223372036854775808.0;
}

const rapidjson::Value::Member* repeatedMember(const rapidjson::Value& object) {
    const auto begin = object.MemberBegin(), end = object.MemberEnd();
    const auto nameOf = [](const rapidjson::Value::Member& member) {
        return std::string_view(member.name.GetString(), member.name.GetStringLength());
    };
    // The application writes every object's names in ascending order, which rules a repeat out at once.
    if (std::adjacent_find(begin, end,
                           [&](const auto& a, const auto& b) { return nameOf(a) >= nameOf(b); }) == end)
        return nullptr;
    if (object.MemberCount() <= 16) {
        for (auto later = begin; later != end; ++later) {
            for (auto earlier = begin; earlier != later; ++earlier) {
                if (nameOf(*earlier) == nameOf(*later))
                    return &*later;
            }
        }
        return nullptr;
    }
    std::unordered_set<std::string_view> seen;
    seen.reserve(object.MemberCount());
    for (auto it = begin; it != end; ++it) {
        if (!seen.insert(nameOf(*it)).second)
            return &*it;
    }
    return nullptr;
}

} // namespace ModelJson
