#pragma once

#include "format/JsonPath.h"
#include "model/Model.h"

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <string>
#include <string_view>

namespace ModelJson {

// Writes the JSON form of the journal model straight into RapidJSON's streaming writer, with the keys of
// every object in ascending order, optional ids left out when they hold none (never null), and non-finite
// numbers refused.
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
