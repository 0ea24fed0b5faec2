#pragma once

#include "core/format/JsonPath.h"
#include "core/model/Model.h"

#include <rapidjson/prettywriter.h>
#include <rapidjson/stringbuffer.h>

#include <cstddef>
#include <string>
#include <string_view>

namespace ModelJson {

// Writes the JSON form of the journal model straight into RapidJSON's streaming writer, with the keys of
// every object in ascending order, optional ids left out when they hold none (never null), and non-finite
// numbers refused.
class Writer {
public:
    // RapidJSON's pretty writer into a string buffer, which can also leave a value's bytes to its caller.
    class Output : public rapidjson::PrettyWriter<rapidjson::StringBuffer> {
    public:
        explicit Output(rapidjson::StringBuffer& buffer) : PrettyWriter(buffer) {}
        // Writes what goes before the next value (separator, line break, indentation) and counts the value,
        // whose own bytes the caller places after them, outside this output.
        void valuePrefix() { RawValue("", 0, rapidjson::kObjectType); }
        // The bytes in the output buffer.
        std::string_view written() const { return {os_->GetString(), os_->GetSize()}; }
    };

    // Records of an earlier write of a journal list whose bytes its caller keeps: the writer leaves out
    // the records whose kept bytes write the same, and tells the caller where each record stands. Only for
    // a list of journals written as the data file's "journals", where every record has the same depth.
    class EarlierRecords {
    public:
        virtual ~EarlierRecords() = default;
        // The records of the journal at `index` of the list come next.
        virtual void startJournal(qsizetype index, const Journal& journal) = 0;
        // Whether kept bytes stand in for the record at `position` of the journal's records: bytes
        // written for a record that writes as this one (writesAlike). The writer then writes only the
        // prefix before the record and calls reused with the output's size, where the kept bytes belong;
        // otherwise it writes the record and calls written with the place of its object.
        virtual bool reusable(qsizetype position, const Record& record) = 0;
        virtual void reused(qsizetype position, std::size_t at) = 0;
        virtual void written(qsizetype position, std::size_t begin, std::size_t end) = 0;
    };

    explicit Writer(Output& out, EarlierRecords* earlier = nullptr) : m_out(out), m_earlier(earlier) {}

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
    // The records, each left to the earlier records where they stand in for it.
    bool writeRecords(const QList<Record>& records, const Path& at);
    void textMember(std::string_view name, QStringView value);
    void boolMember(std::string_view name, bool value);
    void idMember(std::string_view name, const QUuid& value);
    void texts(const QStringList& values);
    void optionalId(std::string_view name, const std::optional<QUuid>& value);

    Output& m_out;
    EarlierRecords* m_earlier = nullptr;
    QString m_error;
    std::string m_scratch; // the text being written, reused to spare an allocation per text
    std::string m_keyScratch;
};

// True only when Writer::write gives the two records the same bytes: every member the same, numbers to the
// bit (0.0 and -0.0 are equal numbers written apart), dates to the instant.
bool writesAlike(const Record& a, const Record& b);

// Writes the text as a JSON string (quotes, escapes, UTF-8) at the start of `buffer`, which grows as needed;
// the number of bytes written. An unpaired surrogate becomes U+FFFD.
std::size_t quotedUtf8(QStringView text, std::string& buffer);

} // namespace ModelJson
