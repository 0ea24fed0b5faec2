#include "core/format/ModelJsonWriter.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

using namespace Qt::StringLiterals;

namespace ModelJson {

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

bool sameInstant(const QDateTime& a, const QDateTime& b) {
    return a.isValid() == b.isValid() && (!a.isValid() || a.toMSecsSinceEpoch() == b.toMSecsSinceEpoch());
}

bool sameNumber(const std::optional<double>& a, const std::optional<double>& b) {
    return a.has_value() == b.has_value() &&
           (!a || std::bit_cast<std::uint64_t>(*a) == std::bit_cast<std::uint64_t>(*b));
}

bool writesAlike(const FieldValue& a, const FieldValue& b) {
    // Naming every member: one added to FieldValue stops the build here until it is compared.
    const auto& [text, number, date, flag] = a;
    return text == b.text && sameNumber(number, b.number) && date.has_value() == b.date.has_value() &&
           (!date || sameInstant(*date, *b.date)) && flag == b.flag;
}

} // namespace

bool writesAlike(const Record& a, const Record& b) {
    // Naming every member: one added to Record stops the build here until it is compared.
    const auto& [id, statusID, values, createdAt, updatedAt] = a;
    if (id != b.id || statusID != b.statusID || !sameInstant(createdAt, b.createdAt) ||
        !sameInstant(updatedAt, b.updatedAt))
        return false;
    // Records copied from one another share their values until one of them changes; asked first, since it
    // needs no look at the values themselves, which lie apart from the record.
    if (values.isSharedWith(b.values))
        return true;
    if (values.size() != b.values.size())
        return false;
    for (auto i = values.cbegin(), j = b.values.cbegin(); i != values.cend(); ++i, ++j) {
        if (i.key() != j.key() || !writesAlike(i.value(), j.value()))
            return false;
    }
    return true;
}

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
        return fail(at, u"дату нельзя записать: она пуста или вне 1–9999 годов"_s);
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
    m_out.StartArray();
    for (qsizetype i = 0; i < journals.size(); ++i) {
        if (m_earlier)
            m_earlier->startJournal(i, journals[i]);
        if (!write(journals[i], at.element(i)))
            return false;
    }
    m_out.EndArray();
    return true;
}

bool Writer::writeRecords(const QList<Record>& records, const Path& at) {
    if (!m_earlier)
        return writeList(records, at);
    m_out.StartArray();
    for (qsizetype i = 0; i < records.size(); ++i) {
        if (m_earlier->reusable(i, records[i])) {
            m_out.valuePrefix();
            m_earlier->reused(i, m_out.written().size());
            continue;
        }
        const std::size_t before = m_out.written().size();
        if (!write(records[i], at.element(i)))
            return false;
        const std::string_view out = m_out.written();
        // The object starts after the prefix that goes before it.
        m_earlier->written(i, out.find('{', before), out.size());
    }
    m_out.EndArray();
    return true;
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
            return fail(at.member("number"), u"число не конечно"_s);
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
    // The values keep their keys in ascending order already.
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
    if (!writeRecords(journal.records, at.member("records")))
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
