#include "core/store/LegacyMigration.h"

#include "core/format/JsonParse.h"
#include "core/format/ModelJsonReader.h"
#include "core/templates/Templates.h"

#include <QHash>
#include <QSet>

#include <rapidjson/document.h>

#include <string_view>

using ModelJson::Path;
using rapidjson::Value;
using namespace Qt::StringLiterals;

namespace {

// One card of the earlier file, as it stands there; every member is absent when the file leaves it out.
struct LegacyCard {
    std::optional<QUuid> id;
    std::optional<QString> brand, productName, modelArticle, sku, sizeRU, sizeUS, color, link, note, status;
    std::optional<QDateTime> fixedDate, transferredDate, createdAt, updatedAt;
    std::optional<qint64> minorEdits;
};

struct LegacyFile {
    QList<LegacyCard> records;
};

template <typename T> struct Member {
    std::string_view key;
    std::optional<T> LegacyCard::*member;
};

// The texts that go into the product-card field of the same key, in this order.
constexpr Member<QString> fieldTexts[] = {
    {"brand", &LegacyCard::brand},
    {"productName", &LegacyCard::productName},
    {"modelArticle", &LegacyCard::modelArticle},
    {"sku", &LegacyCard::sku},
    {"sizeRU", &LegacyCard::sizeRU},
    {"sizeUS", &LegacyCard::sizeUS},
    {"color", &LegacyCard::color},
    {"link", &LegacyCard::link},
    {"note", &LegacyCard::note},
};
// The dates that go into the product-card field of the same key.
constexpr Member<QDateTime> fieldDates[] = {
    {"fixedDate", &LegacyCard::fixedDate},
    {"transferredDate", &LegacyCard::transferredDate},
};
constexpr std::string_view minorEditsKey = "minorEdits";

const Value* present(const Value& object, std::string_view key) {
    const auto it = object.FindMember(rapidjson::StringRef(key.data(), rapidjson::SizeType(key.size())));
    return it == object.MemberEnd() || it->value.IsNull() ? nullptr : &it->value;
}

// Reads the card file's JSON into its cards; fails on the first value that does not fit.
class Decoder {
public:
    explicit Decoder(const QDateTime& now) : m_reader(now) {}

    bool file(const Value& json, LegacyFile& out) {
        if (!json.IsObject()) {
            m_error = u"в файле ожидался объект JSON"_s;
            return false;
        }
        if (!m_reader.checkNames(json, nullptr))
            return false;
        const Path at{nullptr, "records"};
        const Value* records = present(json, "records");
        if (!records)
            return fail(at, u"нет обязательного значения"_s);
        if (!records->IsArray())
            return fail(at, u"ожидался массив"_s);
        out.records.resize(records->Size());
        for (rapidjson::SizeType i = 0; i < records->Size(); ++i) {
            if (!card((*records)[i], at.element(i), out.records[i]))
                return false;
        }
        return true;
    }

    const QString& error() const { return m_error.isEmpty() ? m_reader.error() : m_error; }

private:
    bool card(const Value& json, const Path& at, LegacyCard& out) {
        if (!json.IsObject())
            return fail(at, u"ожидался объект"_s);
        if (!m_reader.checkNames(json, &at))
            return false;
        for (const auto& [key, member] : fieldTexts) {
            if (!text(json, at.member(key), out.*member))
                return false;
        }
        for (const auto& [key, member] : fieldDates) {
            if (!date(json, at.member(key), out.*member))
                return false;
        }
        return id(json, at.member("id"), out.id) && text(json, at.member("status"), out.status) &&
               date(json, at.member("createdAt"), out.createdAt) &&
               date(json, at.member("updatedAt"), out.updatedAt) &&
               count(json, at.member(minorEditsKey), out.minorEdits);
    }

    bool text(const Value& card, const Path& at, std::optional<QString>& out) {
        const Value* v = present(card, at.key);
        if (!v)
            return true;
        if (!v->IsString())
            return fail(at, u"ожидалась строка"_s);
        out = QString::fromUtf8(v->GetString(), v->GetStringLength());
        return true;
    }

    bool date(const Value& card, const Path& at, std::optional<QDateTime>& out) {
        const Value* v = present(card, at.key);
        if (!v)
            return true;
        QDateTime date;
        if (!m_reader.readRequiredDate(v, at, date))
            return false;
        out = date;
        return true;
    }

    bool id(const Value& card, const Path& at, std::optional<QUuid>& out) {
        std::optional<QString> text;
        if (!this->text(card, at, text))
            return false;
        if (!text)
            return true;
        out = parseId(*text);
        if (out)
            return true;
        // Quoted short: a hostile file must not make the message huge.
        constexpr qsizetype limit = 60;
        const QString shown = text->size() > limit ? text->left(limit) + u'…' : *text;
        return fail(at, u"неверный идентификатор «"_s + shown + u'»');
    }

    bool count(const Value& card, const Path& at, std::optional<qint64>& out) {
        const Value* v = present(card, at.key);
        if (!v)
            return true;
        if (!ModelJson::isIntegral(*v))
            return fail(at, u"ожидалось целое число"_s);
        out = v->IsInt64() ? v->GetInt64() : qint64(v->GetDouble());
        return true;
    }

    bool fail(const Path& at, const QString& problem) { return m_reader.fail(at, problem); }

    ModelJson::Reader m_reader; // words the failures as the data file's reader does
    QString m_error;
};

// A new id that no record of the conversion has taken yet.
QUuid freshId(const QSet<QUuid>& taken) {
    QUuid id = QUuid::createUuid();
    while (taken.contains(id))
        id = QUuid::createUuid();
    return id;
}

Journal convert(const LegacyFile& file, const QDateTime& now, const Clock& clock) {
    Journal journal = Templates::cards(clock);
    QHash<QString, QString> valueKeys; // field key -> the field's id text, shared by every record's values
    for (const FieldDef& field : std::as_const(journal.fields)) {
        if (!valueKeys.contains(field.key))
            valueKeys.insert(field.key, fieldKey(field.id));
    }
    const auto valueKey = [&valueKeys](std::string_view key) {
        return valueKeys.value(QString::fromLatin1(key.data(), qsizetype(key.size())));
    };
    const std::optional<QUuid> firstStatus =
        journal.statuses.isEmpty() ? std::nullopt : std::optional(journal.statuses.first().id);

    // Records are told apart by their ids alone, so a repeated id would make two cards one.
    QSet<QUuid> taken;
    taken.reserve(file.records.size());
    journal.records.reserve(file.records.size());
    for (const LegacyCard& card : file.records) {
        Record record;
        record.id = card.id && !taken.contains(*card.id) ? *card.id : freshId(taken);
        taken.insert(record.id);
        record.createdAt = card.createdAt.value_or(now);
        record.updatedAt = card.updatedAt.value_or(record.createdAt);
        // Values as the card holds them: texts untrimmed, links as typed, dates at their own moment.
        for (const auto& [key, member] : fieldTexts) {
            const std::optional<QString>& text = card.*member;
            const QString keyText = valueKey(key);
            if (text && !text->isEmpty() && !keyText.isEmpty())
                record.values.insert(keyText, FieldValue::ofText(*text));
        }
        for (const auto& [key, member] : fieldDates) {
            const QString keyText = valueKey(key);
            if (card.*member && !keyText.isEmpty())
                record.values.insert(keyText, FieldValue::ofDate(*(card.*member)));
        }
        if (const QString keyText = valueKey(minorEditsKey);
            card.minorEdits && *card.minorEdits > 0 && !keyText.isEmpty())
            record.values.insert(keyText, FieldValue::ofNumber(double(*card.minorEdits)));
        // The status whose name is exactly the card's; else the first one (not the journal's default).
        record.statusID = firstStatus;
        if (card.status) {
            for (const StatusDef& status : std::as_const(journal.statuses)) {
                if (status.name == *card.status) {
                    record.statusID = status.id;
                    break;
                }
            }
        }
        journal.records.append(std::move(record));
    }
    return journal;
}

} // namespace

namespace LegacyMigration {

std::optional<Journal> migrate(QByteArrayView bytes, const Clock& clock, QString* error) {
    rapidjson::Document doc;
    if (!ModelJson::parse(bytes, doc, error))
        return std::nullopt;
    const QDateTime now = clock();
    Decoder decoder(now);
    LegacyFile file;
    if (!decoder.file(doc, file)) {
        *error = decoder.error();
        return std::nullopt;
    }
    return convert(file, now, clock);
}

} // namespace LegacyMigration
