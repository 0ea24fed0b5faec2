#include "core/store/LegacyMigration.h"
#include "TestSupport.h"

#include <QSet>

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

const QDateTime now = utc(2026, 3, 10, 9, 30, 15);

Journal converted(const QByteArray& json) {
    QString error;
    const std::optional<Journal> journal = LegacyMigration::migrate(
        json, [] { return now; }, &error);
    EXPECT_TRUE(journal.has_value()) << error.toStdString();
    return journal.value_or(Journal{});
}

// The record's values keyed by the field keys of the journal.
QMap<QString, FieldValue> valuesByKey(const Journal& journal, const Record& record) {
    QMap<QString, FieldValue> out;
    for (auto it = record.values.begin(); it != record.values.end(); ++it) {
        for (const FieldDef& f : journal.fields)
            if (idText(f.id) == it.key())
                out.insert(f.key, it.value());
    }
    return out;
}

QString statusName(const Journal& journal, const Record& record) {
    const auto status = journal.status(record.statusID);
    return status ? status->name : u"-"_s;
}

TEST(LegacyMigration, EveryCardKeyGoesToItsPlace) {
    const Journal j = converted(R"({"records": [{
        "id": "1b4e28ba-2fa1-11d2-883f-0016d3cca427",
        "brand": "Северный ветер", "productName": "Куртка", "modelArticle": "M-100", "sku": "SKU-46",
        "sizeRU": "46", "sizeUS": "S", "color": "синий", "link": "example.com/card/1", "note": " с пробелами ",
        "status": "Передана",
        "fixedDate": "2025-01-15T14:30:00+03:00", "transferredDate": "2025-01-16T08:00:00Z",
        "createdAt": "2024-12-01T10:00:00Z", "updatedAt": "2025-01-16T09:00:00Z",
        "minorEdits": 3, "unknownKey": [1, 2]}], "version": "ignored"})");
    EXPECT_EQ(j.templateKey, u"cards"_s);
    ASSERT_EQ(j.records.size(), 1);
    const Record& r = j.records[0];
    EXPECT_EQ(idText(r.id), u"1B4E28BA-2FA1-11D2-883F-0016D3CCA427"_s);
    EXPECT_EQ(r.createdAt, utc(2024, 12, 1, 10));
    EXPECT_EQ(r.updatedAt, utc(2025, 1, 16, 9));
    EXPECT_EQ(statusName(j, r), u"Передана"_s);
    const QMap<QString, FieldValue> expected{
        {u"brand"_s, FieldValue::ofText(u"Северный ветер"_s)},
        {u"productName"_s, FieldValue::ofText(u"Куртка"_s)},
        {u"modelArticle"_s, FieldValue::ofText(u"M-100"_s)},
        {u"sku"_s, FieldValue::ofText(u"SKU-46"_s)},
        {u"sizeRU"_s, FieldValue::ofText(u"46"_s)},
        {u"sizeUS"_s, FieldValue::ofText(u"S"_s)},
        {u"color"_s, FieldValue::ofText(u"синий"_s)},
        // Neither normalised nor trimmed: the file's own text.
        {u"link"_s, FieldValue::ofText(u"example.com/card/1"_s)},
        {u"note"_s, FieldValue::ofText(u" с пробелами "_s)},
        // The moment itself, not the start of its day.
        {u"fixedDate"_s, FieldValue::ofDate(utc(2025, 1, 15, 11, 30))},
        {u"transferredDate"_s, FieldValue::ofDate(utc(2025, 1, 16, 8))},
        {u"minorEdits"_s, FieldValue::ofNumber(3)},
    };
    // Keyed by the canonical text of each field's id: a key of any other form would be missing here.
    EXPECT_EQ(valuesByKey(j, r), expected);
}

// Nothing is stored for an absent, null or empty value; a status is matched by its exact name, else the
// first status (not the default one), and stamps no date.
TEST(LegacyMigration, AbsentNullAndEmptyValuesStoreNothing) {
    const Journal j = converted(R"({"records": [
        {},
        {"id": null, "brand": null, "createdAt": null, "minorEdits": null, "status": null},
        {"brand": "", "productName": "  ", "minorEdits": 0, "sku": "", "status": "Опубликована"},
        {"minorEdits": -2, "createdAt": "2024-05-01T00:00:00Z", "status": "исправлена"},
        {"minorEdits": 2.0, "status": "Исправлена "}]})");
    ASSERT_EQ(j.records.size(), 5);
    QStringList names;
    for (const Record& r : j.records)
        names << statusName(j, r);
    EXPECT_EQ(names,
              (QStringList{u"В работе"_s, u"В работе"_s, u"Опубликована"_s, u"В работе"_s, u"В работе"_s}));
    for (int i : {0, 1}) {
        EXPECT_TRUE(j.records[i].values.isEmpty()) << i;
        EXPECT_EQ(j.records[i].createdAt, now) << i;
        EXPECT_EQ(j.records[i].updatedAt, now) << i;
    }
    EXPECT_EQ(valuesByKey(j, j.records[2]),
              (QMap<QString, FieldValue>{{u"productName"_s, FieldValue::ofText(u"  "_s)}}));
    EXPECT_TRUE(j.records[3].values.isEmpty());
    EXPECT_EQ(j.records[3].updatedAt, utc(2024, 5, 1));
    EXPECT_EQ(valuesByKey(j, j.records[4]),
              (QMap<QString, FieldValue>{{u"minorEdits"_s, FieldValue::ofNumber(2)}}));
}

TEST(LegacyMigration, RepeatedIdsGetNewOnes) {
    const Journal j = converted(R"({"records": [
        {"id": "1B4E28BA-2FA1-11D2-883F-0016D3CCA427", "brand": "A"},
        {"id": "1b4e28ba-2fa1-11d2-883f-0016d3cca427", "brand": "B"},
        {"brand": "C"},
        {"id": "00000000-0000-0000-0000-000000000000", "brand": "D"},
        {"id": "1B4E28BA-2FA1-11D2-883F-0016D3CCA427", "brand": "E"}]})");
    ASSERT_EQ(j.records.size(), 5);
    EXPECT_EQ(idText(j.records[0].id), u"1B4E28BA-2FA1-11D2-883F-0016D3CCA427"_s);
    EXPECT_EQ(j.records[3].id, QUuid()); // the nil id is a valid one
    QSet<QUuid> ids;
    QStringList order;
    for (const Record& r : j.records) {
        ids.insert(r.id);
        order << j.displayValue(r, j.fields[0]);
    }
    EXPECT_EQ(ids.size(), 5);
    EXPECT_EQ(order, (QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, u"E"_s}));
}

TEST(LegacyMigration, AnyBadValueFailsTheWholeFile) {
    const struct {
        QByteArray json;
        const char* where; // a part of the Russian description
    } cases[] = {
        {QByteArray(200000, '['), "не является правильным JSON"}, // no stack is deep enough to recurse this
        {"[]", "объект"},
        {R"({"records": null})", "records: нет обязательного значения"},
        {R"({"records": [{"brand": 5}]})", "records[0].brand: ожидалась строка"},
        {R"({"records": [{"id": "1B4E28BA2FA111D2883F0016D3CCA427"}]})", "records[0].id: неверный"},
        {R"({"records": [{"minorEdits": 2.5}]})", "records[0].minorEdits: ожидалось целое число"},
        {R"({"records": [{"minorEdits": 18446744073709551615}]})", "records[0].minorEdits: ожидалось целое"},
        {R"({"records": [{"minorEdits": 1e400}]})", "слишком большое число"},
        {R"({"records": [{}, {"fixedDate": "2025-01-15T14:30:00.5Z"}]})",
         "records[1].fixedDate: неверная дата"},
        {R"({"records": [], "records": [{"brand": "Nike"}]})", "records: ключ повторяется в объекте"},
        {R"({"records": [{}, {"brand": "A", "sku": "1", "brand": "B"}]})",
         "records[1].brand: ключ повторяется в объекте"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json.toStdString());
        QString error;
        EXPECT_FALSE(LegacyMigration::migrate(
                         c.json, [] { return now; }, &error)
                         .has_value());
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.where))) << error.toStdString();
    }
}

} // namespace
