#pragma once

#include "core/format/JsonPath.h"
#include "core/model/Model.h"

#include <rapidjson/document.h>

#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace ModelJson {

// What a present member must be, and the failure's words when it is not; no test (`is` null) leaves the
// check to the member's own reader.
struct ValueKind {
    bool (rapidjson::Value::*is)() const;
    const QString* expected;
};

// Reads the JSON form of the journal model, as the data file holds it. Lenient about what is missing and
// strict about what is present: an absent key or a null takes the key's default, while a present value of
// the wrong kind, an id, date or enum text that does not read, or an incomplete noun object fails the whole
// read. Reading checks nothing else: references between the items of a journal are journal logic's
// business.
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
    // False, with the failure recorded, when the object holds a name twice: a repeated value would be
    // read once and the rest of it written away at the next save. `at` is the object's place, none for the
    // file's top-level object.
    bool checkNames(const rapidjson::Value& object, const Path* at);

    // "journals[0].fields[2].type: неизвестный тип поля «Text»"
    const QString& error() const { return m_error; }

    // Told, as reading a journal's records gets past each one, the stretch of the JSON text that holds the
    // records read so far: from where the first begins to where the next begins. Nothing reads that text
    // again, so text parsed in place may be let go there.
    using ReadPast = std::function<void(const char* from, const char* to)>;
    void setReadPast(ReadPast readPast) { m_readPast = std::move(readPast); }

private:
    // True when the value is an object that holds no name twice; else records the failure.
    bool isObject(const rapidjson::Value& json, const Path& at);
    // The member `key` of the object, an absent one and a null alike giving a null `out` (the key's
    // default). False, with the failure recorded at the member, when it is present and not of `kind`.
    bool optionalMember(const rapidjson::Value& object, const Path& at, std::string_view key,
                        const ValueKind& kind, const rapidjson::Value*& out);
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
    bool readValues(const rapidjson::Value& json, const Path& at, FieldValues& out);
    // The shared key text for a "values" member name: the journal's fields' keys (fieldKey), so that every
    // record's keys point at one string per field.
    const QString& valueKey(std::string_view name);

    QDateTime m_now;
    QString m_error;
    ReadPast m_readPast;
    std::vector<std::pair<std::string, QString>> m_fieldKeys;
    std::unordered_map<std::string, QString> m_otherKeys;
};

} // namespace ModelJson
