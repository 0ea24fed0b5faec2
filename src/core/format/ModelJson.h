#pragma once

#include "model/Model.h"

#include <rapidjson/document.h>
#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// The JSON form of the journal model, as the data file holds it.
//
// Reading is lenient about what is missing and strict about what is present: an absent key or a null
// takes the key's default, while a present value of the wrong kind, an id, date or enum text that does not
// read, or an incomplete noun object fails the whole read. Reading checks nothing else: references between
// the items of a journal are journal logic's business.
//
// Writing goes straight from the model into RapidJSON's streaming writer, with the keys of every object in
// ascending order, optional ids left out when they hold none (never null), and non-finite numbers refused.
namespace ModelJson {

// Parses JSON text into `doc`: strict UTF-8, no nesting limit on the stack, and every number read exactly
// (correctly rounded); a number too large for a double fails. False with `error` set to a Russian description
// of the problem and its byte position.
bool parse(QByteArrayView bytes, rapidjson::Document& doc, QString* error);
// The same, faster and in less memory: the text is parsed where it lies, so `bytes` is overwritten and must
// outlive `doc`, whose strings point into it.
bool parseInPlace(QByteArray& bytes, rapidjson::Document& doc, QString* error);

// A JSON number with an integral value that fits a 64-bit integer: 2, 2.0 and 1e2 are, 2.5 is not.
bool isIntegral(const rapidjson::Value& v);

// A place inside the JSON, kept on the stack while reading or writing descends, so that a failure can say
// where it happened ("journals[0].fields[2].type") without any text being built on the way.
struct Path {
    const Path* parent = nullptr;
    std::string_view key; // a member name; empty for an array element
    qsizetype index = -1; // the position of an array element

    Path member(std::string_view name) const { return Path{this, name, -1}; }
    Path element(qsizetype position) const { return Path{this, {}, position}; }
    QString text() const;
};

class Reader {
public:
    // `now` is the time of reading: the creation time of every journal and record that has none.
    explicit Reader(QDateTime now) : m_now(std::move(now)) {}

    // Each reads the object at `at` into `out`; false on the first failure, which error() then describes.
    bool read(const rapidjson::Value& json, const Path& at, Journal& out);
    bool read(const rapidjson::Value& json, const Path& at, FieldDef& out);
    bool read(const rapidjson::Value& json, const Path& at, StatusDef& out);
    bool read(const rapidjson::Value& json, const Path& at, MetricDef& out);
    bool read(const rapidjson::Value& json, const Path& at, Record& out);
    bool read(const rapidjson::Value& json, const Path& at, FieldValue& out);
    bool read(const rapidjson::Value& json, const Path& at, NounForms& out);
    // An array of journals (the data file's "journals").
    bool read(const rapidjson::Value& json, const Path& at, QList<Journal>& out);

    // A stored date that must be there (the data file's "savedAt").
    bool readRequiredDate(const rapidjson::Value* json, const Path& at, QDateTime& out);
    // Records a failure at `at`; always false.
    bool fail(const Path& at, const QString& problem);

    // "journals[0].fields[2].type: неизвестный тип поля «Text»"
    const QString& error() const { return m_error; }

private:
    template <typename T> bool readList(const rapidjson::Value& json, const Path& at, QList<T>& out);
    bool readText(const rapidjson::Value& object, const Path& at, std::string_view key, QString& out,
                  const QString& fallback);
    bool readTexts(const rapidjson::Value& object, const Path& at, std::string_view key, QStringList& out);
    bool readBool(const rapidjson::Value& object, const Path& at, std::string_view key, bool& out,
                  bool fallback);
    bool readId(const rapidjson::Value& object, const Path& at, std::string_view key, QUuid& out);
    bool readOptionalId(const rapidjson::Value& object, const Path& at, std::string_view key,
                        std::optional<QUuid>& out);
    bool readDate(const rapidjson::Value& object, const Path& at, std::string_view key, QDateTime& out,
                  const QDateTime& fallback);
    template <typename Enum>
    bool readEnum(const rapidjson::Value& object, const Path& at, std::string_view key, Enum& out,
                  Enum fallback, std::optional<Enum> (*parse)(QStringView), const char* what);
    bool readNoun(const rapidjson::Value& object, const Path& at, std::string_view key, NounForms& out,
                  const NounForms& fallback);
    bool readValues(const rapidjson::Value& json, const Path& at, QMap<QString, FieldValue>& out);
    // The shared key text for a "values" member name: the journal's field id texts are reused, so that every
    // record's keys point at one string per field.
    const QString& valueKey(std::string_view name);

    QDateTime m_now;
    QString m_error;
    std::vector<std::pair<std::string, QString>> m_fieldKeys;
    std::unordered_map<std::string, QString> m_otherKeys;
};

class Writer {
public:
    using Output = rapidjson::PrettyWriter<rapidjson::StringBuffer>;

    explicit Writer(Output& out) : m_out(out) {}

    // Each writes one object; false when a value cannot be written (a number that is not finite, a date
    // outside the years the stored form holds), which error() then describes. The output is then unusable.
    bool write(const Journal& journal, const Path& at);
    bool write(const FieldDef& field, const Path& at);
    bool write(const StatusDef& status, const Path& at);
    bool write(const MetricDef& metric, const Path& at);
    bool write(const Record& record, const Path& at);
    bool write(const FieldValue& value, const Path& at);
    bool write(const NounForms& noun, const Path& at);
    // An array of journals (the data file's "journals").
    bool write(const QList<Journal>& journals, const Path& at);

    void key(std::string_view name);
    void text(QStringView value);
    void id(const QUuid& value);
    bool date(const QDateTime& value, const Path& at);
    bool fail(const Path& at, const QString& problem);

    const QString& error() const { return m_error; }

private:
    template <typename T> bool writeList(const QList<T>& items, const Path& at);
    void textMember(std::string_view name, QStringView value);
    void boolMember(std::string_view name, bool value);
    void idMember(std::string_view name, const QUuid& value);
    void texts(const QStringList& values);
    void optionalId(std::string_view name, const std::optional<QUuid>& value);

    Output& m_out;
    QString m_error;
    std::string m_scratch; // the text being written, reused to spare an allocation per text
    std::string m_keyScratch;
};

// Writes the text as a JSON string (quotes, escapes, UTF-8) at the start of `buffer`, which grows as needed;
// the number of bytes written. An unpaired surrogate becomes U+FFFD.
std::size_t quotedUtf8(QStringView text, std::string& buffer);

} // namespace ModelJson
