#include "TestSupport.h"
#include "core/format/JsonParse.h"
#include "core/format/ModelJsonReader.h"
#include "core/format/ModelJsonWriter.h"

#include <cmath>
#include <functional>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

const QDateTime readingTime = utc(2025, 3, 1, 12, 0, 0);

template <typename T> struct Decoded {
    std::optional<T> value;
    QString error;
};

template <typename T> Decoded<T> decode(const char* json) {
    rapidjson::Document doc;
    QString parseError;
    EXPECT_TRUE(ModelJson::parse(QByteArrayView(json), doc, &parseError)) << json;
    ModelJson::Reader reader(readingTime);
    T value;
    if (!reader.read(doc, ModelJson::Path{nullptr, "journal"}, value))
        return {std::nullopt, reader.error()};
    return {std::move(value), {}};
}

template <typename T> std::optional<std::string> encode(const T& value, QString* error = nullptr) {
    rapidjson::StringBuffer buffer;
    ModelJson::Writer::Output out(buffer);
    ModelJson::Writer writer(out);
    if (!writer.write(value, ModelJson::Path{nullptr, "journal"})) {
        if (error)
            *error = writer.error();
        return std::nullopt;
    }
    return std::string(buffer.GetString(), buffer.GetSize());
}

template <typename T> T roundTrip(const T& value) {
    const auto json = encode(value);
    EXPECT_TRUE(json);
    auto back = decode<T>(json->c_str());
    EXPECT_TRUE(back.value) << back.error.toStdString();
    return back.value.value_or(T{});
}

QStringList keysOf(const rapidjson::Value& object) {
    QStringList keys;
    for (auto it = object.MemberBegin(); it != object.MemberEnd(); ++it)
        keys << QString::fromUtf8(it->name.GetString());
    return keys;
}

const QUuid f1 = QUuid("{11111111-1111-1111-1111-111111111111}");
const QUuid f2 = QUuid("{22222222-2222-2222-2222-222222222222}");
const QUuid s1 = QUuid("{33333333-3333-3333-3333-333333333333}");
const QUuid m1 = QUuid("{44444444-4444-4444-4444-444444444444}");

// A journal that sets every member, with texts that need escaping and values of every kind.
Journal fullJournal() {
    Journal j{QUuid::createUuid(), u"Продажи / опт"_s, u"cart"_s, u"sales"_s};
    // clang-format off
    j.fields = {FieldDef{.id = f1, .key = u"title"_s, .name = u"Товар"_s, .aliases = {u"Наименование"_s},
                         .prompt = u"Например"_s, .isUnique = true, .inGroup = true, .isPerItem = true,
                         .showInTable = false},
                FieldDef{.id = f2, .name = u"Сумма"_s, .type = FieldType::number, .options = {u"a"_s, u"b"_s},
                         .inIdentity = true, .unit = u"₽"_s}};
    // clang-format on
    j.statuses = {StatusDef{s1, u"Оплачен"_s, AppColor::green, f2, false}};
    j.metrics = {MetricDef{m1, u"Выручка"_s, MetricKind::sum, f2, f2, u"за период"_s, AppColor::teal,
                           u"rublesign"_s, u"₽"_s, f1, u"x"_s, s1, m1, std::nullopt}};
    j.titleFieldID = j.breakdownFieldID = f1;
    j.counterFieldID = f2;
    j.itemNoun = NounForms{u"продажа"_s, u"продажи"_s, u"продаж"_s};
    j.groupNoun = defaultGroupNoun();
    j.reportTemplate = u"{1}"_s;
    j.batchTitle = u"Пакет"_s;
    j.hint = u"строка\nвторая \"в кавычках\" \\ / \u0001"_s;
    j.counterTitle = u"+1"_s;
    Record r{QUuid::createUuid(), s1, {}, utc(2024, 1, 2, 3, 4, 5), utc(2024, 1, 3)};
    r.values.insert(idText(f1), FieldValue::ofText(u"нулевой \u0000 символ 😀"_s));
    r.values.insert(idText(f2), FieldValue::ofNumber(0.1 + 0.2));
    r.values.insert(u"lower-case-or-foreign"_s, FieldValue::ofDate(utc(1999, 12, 31, 23, 59, 59)));
    r.values.insert(u"flag"_s, FieldValue::ofFlag(true));
    r.values.insert(u"empty"_s, FieldValue{});
    Record plain{QUuid::createUuid(), std::nullopt, {}, utc(2024, 2, 1), utc(2024, 2, 1)};
    plain.values.insert(idText(f2), FieldValue::ofNumber(1500));
    j.records = {r, plain};
    j.createdAt = utc(2023, 6, 7, 8, 9, 10);
    return j;
}

} // namespace

TEST(ModelJsonRead, EmptyObjectsTakeDefaults) {
    const Journal j = decode<Journal>("{}").value.value();
    Journal expected{j.id, u"Журнал"_s, u"tray.full"_s};
    expected.itemNoun = defaultItemNoun();
    expected.groupNoun = defaultGroupNoun();
    expected.batchTitle = u"Несколько записей"_s;
    expected.counterTitle = u"+1"_s;
    expected.createdAt = readingTime;
    EXPECT_EQ(j, expected);
    const FieldDef f = decode<FieldDef>("{}").value.value();
    EXPECT_EQ(f, (FieldDef{.id = f.id, .name = u"Поле"_s}));
    const StatusDef s = decode<StatusDef>("{}").value.value();
    EXPECT_EQ(s, (StatusDef{s.id, u"Статус"_s, AppColor::gray, std::nullopt, true}));
    const MetricDef m = decode<MetricDef>("{}").value.value();
    EXPECT_EQ(m, (MetricDef{.id = m.id, .title = u"Показатель"_s}));
    const Record r = decode<Record>("{}").value.value();
    EXPECT_EQ(r, (Record{r.id, std::nullopt, {}, readingTime, readingTime}));

    // Every object without an id gets its own new one at every reading.
    const Journal twice = decode<Journal>(R"({"fields":[{},{}]})").value.value();
    EXPECT_NE(twice.fields[0].id, twice.fields[1].id);
    EXPECT_NE(twice.id, j.id);
}

// Every key of an object set to null reads as that object without the key.
template <typename T> void expectNullIsAbsent(const char* keys) {
    const char* fixedId = R"({"id":"11111111-1111-1111-1111-111111111111")";
    const T base = decode<T>((std::string(fixedId) + "}").c_str()).value.value();
    for (const QString& key : QString::fromLatin1(keys).split(u' ')) {
        const std::string json = std::string(fixedId) + ",\"" + key.toStdString() + "\":null}";
        EXPECT_EQ(decode<T>(json.c_str()).value.value(), base) << json;
    }
}

TEST(ModelJsonRead, NullReadsAsAbsent) {
    expectNullIsAbsent<Journal>(
        "name icon templateKey fields statuses metrics titleFieldID defaultStatusID "
        "itemNoun groupNoun reportTemplate batchTitle hint counterFieldID counterTitle "
        "filterFieldID breakdownFieldID records createdAt");
    expectNullIsAbsent<FieldDef>("key name type options aliases prompt isUnique inGroup inIdentity isPerItem "
                                 "showInTable unit");
    expectNullIsAbsent<StatusDef>("name color dateFieldID fillsPreviousDates");
    expectNullIsAbsent<MetricDef>(
        "title kind dateFieldID sumFieldID subtitle color symbol unit filterFieldID "
        "filterValue statusFilterID operandA operandB");
    EXPECT_EQ(decode<FieldValue>(R"({"text":null,"number":null,"date":null,"flag":null})").value.value(),
              FieldValue{});
    const Record r =
        decode<Record>(R"({"statusID":null,"values":null,"createdAt":"2024-05-01T10:00:00+03:00",)"
                       R"("updatedAt":null})")
            .value.value();
    EXPECT_FALSE(r.statusID);
    EXPECT_EQ(r.createdAt, utc(2024, 5, 1, 7));
    EXPECT_EQ(r.updatedAt, r.createdAt); // a missing update time is the creation time
}

TEST(ModelJsonRead, WrongValuesFailNamingWhere) {
    const struct {
        const char* json;
        const char* error;
    } cases[] = {
        {R"([])", "journal: ожидался объект"},
        {R"({"name":1})", "journal.name: ожидалась строка"},
        {R"({"titleFieldID":"{0f8fad5b-d9cb-469f-a165-70867728950e}"})",
         "journal.titleFieldID: неверный идентификатор «{0f8fad5b-d9cb-469f-a165-70867728950e}»"},
        {R"({"createdAt":"2024-05-01T10:00:00.5Z"})",
         "journal.createdAt: неверная дата «2024-05-01T10:00:00.5Z»"},
        {R"({"fields":[{},{},{"type":"Text"}]})", "journal.fields[2].type: неизвестный тип поля «Text»"},
        {R"({"fields":[{"isUnique":"true"}]})", "journal.fields[0].isUnique: ожидалось true или false"},
        {R"({"statuses":[{"color":"grey"}]})", "journal.statuses[0].color: неизвестный цвет «grey»"},
        {R"({"metrics":[{"kind":"Count"}]})", "journal.metrics[0].kind: неизвестный вид показателя «Count»"},
        {R"({"itemNoun":{}})", "journal.itemNoun.one: нет обязательного значения"},
        {R"({"records":[{"values":[]}]})", "journal.records[0].values: ожидался объект"},
        {R"({"records":[{"values":{"1-2":{"number":"5"}}}]})",
         R"(journal.records[0].values["1-2"].number: ожидалось число)"},
        {R"({"records":[{"values":{"":{"flag":1}}}]})",
         R"(journal.records[0].values[""].flag: ожидалось true или false)"},
        {R"({"records":[{"values":{"X":{"date":"2024-02-30T00:00:00Z"}}}]})",
         "journal.records[0].values.X.date: неверная дата «2024-02-30T00:00:00Z»"},
    };
    for (const auto& c : cases) {
        const Decoded<Journal> d = decode<Journal>(c.json);
        EXPECT_FALSE(d.value) << c.json;
        EXPECT_EQ(d.error, QString::fromUtf8(c.error)) << c.json;
    }
    // A long hostile text or name is cut short inside the message.
    const std::string longName = R"({"fields":[{"type":")" + std::string(5000, 'x') + R"("}]})";
    EXPECT_LT(decode<Journal>(longName.c_str()).error.size(), 120);
    const std::string longKey =
        R"({"records":[{"values":{")" + std::string(5000, 'x') + R"(":{"flag":1}}}]})";
    EXPECT_LT(decode<Journal>(longKey.c_str()).error.size(), 150);
}

TEST(ModelJsonRead, LenientAboutWhatItDoesNotCheck) {
    // Unknown keys and references that name nothing: read without complaint.
    const Journal j =
        decode<Journal>(
            R"({"future":{"x":[1,2]},"name":"A","metrics":[{"operandA":"0f8fad5b-d9cb-)"
            R"(469f-a165-70867728950e"}],"records":[{"values":{"K":{"text":"first"},"k":{},"Z":{"number":1e2}}}]})")
            .value.value();
    EXPECT_EQ(j.name, u"A");
    EXPECT_EQ(j.metrics[0].operandA, QUuid("{0f8fad5b-d9cb-469f-a165-70867728950e}"));
    const Record& r = j.records[0];
    EXPECT_EQ(r.values.size(), 3);
    EXPECT_EQ(r.values.value(u"K"_s).text, u"first"_s);
    EXPECT_EQ(r.values.value(u"k"_s), FieldValue{});
    EXPECT_EQ(r.values.value(u"Z"_s).number, 100.0);
}

TEST(ModelJsonWrite, RoundTripGivesAnEqualJournal) {
    const Journal j = fullJournal();
    EXPECT_EQ(roundTrip(j), j);
    Journal bare;
    bare.id = QUuid::createUuid();
    bare.createdAt = utc(2020, 1, 1);
    EXPECT_EQ(roundTrip(bare), bare);
    // Written to the whole second.
    bare.createdAt = utc(2020, 1, 1).addMSecs(750);
    EXPECT_EQ(roundTrip(bare).createdAt, utc(2020, 1, 1));
    // Every double comes back exactly.
    for (double x : {0.1, -0.0, 1e21, 1500.0, 5e-324, 1.7976931348623157e308, -123456.789}) {
        const FieldValue back = roundTrip(FieldValue::ofNumber(x));
        EXPECT_EQ(back.number, x);
        EXPECT_EQ(std::signbit(*back.number), std::signbit(x));
    }
}

TEST(ModelJsonWrite, WrittenFormHasSortedKeysAndNoNulls) {
    Journal j = fullJournal();
    j.titleFieldID.reset();
    j.records[0].statusID.reset();
    const std::string json = *encode(j);
    EXPECT_EQ(json.find("null"), std::string::npos);
    rapidjson::Document doc;
    doc.Parse(json.c_str(), json.size());
    ASSERT_FALSE(doc.HasParseError());
    const QStringList journalKeys = keysOf(doc);
    EXPECT_EQ(journalKeys, (QStringList{u"batchTitle"_s, u"breakdownFieldID"_s, u"counterFieldID"_s,
                                        u"counterTitle"_s, u"createdAt"_s, u"fields"_s, u"groupNoun"_s,
                                        u"hint"_s, u"icon"_s, u"id"_s, u"itemNoun"_s, u"metrics"_s, u"name"_s,
                                        u"records"_s, u"reportTemplate"_s, u"statuses"_s, u"templateKey"_s}));
    for (const rapidjson::Value* object :
         {&doc["fields"][0], &doc["statuses"][0], &doc["metrics"][0], &doc["records"][0],
          &doc["records"][0]["values"], &doc["itemNoun"]}) {
        QStringList keys = keysOf(*object);
        QStringList sorted = keys;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(keys, sorted);
    }
    EXPECT_EQ(keysOf(doc["records"][0]),
              (QStringList{u"createdAt"_s, u"id"_s, u"updatedAt"_s, u"values"_s})); // no statusID
    EXPECT_EQ(keysOf(doc["metrics"][0]).size(), 13);                                // operandB left out
    EXPECT_TRUE(doc["records"][0]["values"]["empty"].IsObject());
    EXPECT_EQ(doc["records"][0]["values"]["empty"].MemberCount(), 0u);
    EXPECT_STREQ(doc["records"][1]["createdAt"].GetString(), "2024-02-01T00:00:00Z");
    EXPECT_STREQ(doc["id"].GetString(), idText(j.id).toUtf8().constData());
}

TEST(ModelJsonWrite, RefusesWhatCannotBeReadBack) {
    const char* numberAt = "journal.records[1].values[\"22222222-2222-2222-2222-222222222222\"].number";
    const struct {
        double number;
        QDateTime createdAt;
        const char* error;
    } cases[] = {
        {std::nan(""), utc(2024, 1, 1), numberAt},
        {-INFINITY, utc(2024, 1, 1), numberAt},
        {1, utc(10000, 1, 1), "journal.records[1].createdAt"},
    };
    for (const auto& c : cases) {
        Journal j = fullJournal();
        j.records[1].values[idText(f2)].number = c.number;
        j.records[1].createdAt = c.createdAt;
        QString error;
        EXPECT_FALSE(encode(j, &error));
        EXPECT_TRUE(error.startsWith(QString::fromUtf8(c.error) + u": "_s)) << error.toStdString();
    }
}

TEST(ModelJsonParse, NumbersAreReadExactlyAndKeepTheirKind) {
    const struct {
        std::string json;
        double value;
        bool isInt64;
    } cases[] = {
        {"[0.1]", 0.1, false},
        {"[-0]", 0, true},
        {"[2.0]", 2, false},
        {"[-9223372036854775808]", -9223372036854775808.0, true},
        {"[18446744073709551616]", 18446744073709551616.0, false},
        {"[1e-400]", 0, false},
        // Once read out of bounds inside RapidJSON's exact conversion.
        {"[0." + std::string(400, '0') + "41003300333]", 0, false},
        {"[0." + std::string(300, '0') + "41003300333]", 4.1003300333e-301, false},
        {"[9007199254740993.0]", 9007199254740992.0, false}, // rounds to even, exactly
    };
    for (const auto& c : cases) {
        rapidjson::Document doc;
        QString error;
        ASSERT_TRUE(ModelJson::parse(QByteArrayView(c.json.data(), qsizetype(c.json.size())), doc, &error))
            << c.json << error.toStdString();
        ASSERT_TRUE(doc[0].IsNumber());
        EXPECT_EQ(doc[0].IsInt64(), c.isInt64) << c.json;
        EXPECT_EQ(doc[0].GetDouble(), c.value) << c.json;
    }
    for (const char* tooBig :
         {"[1e309]", "[-1000000000000000000000000000000000000000000000000000000000000e300]"}) {
        rapidjson::Document doc;
        QString error;
        EXPECT_FALSE(ModelJson::parse(QByteArrayView(tooBig), doc, &error));
        EXPECT_EQ(error, u"файл не является правильным JSON: слишком большое число (байт 1)"_s) << tooBig;
    }
}

// Bytes kept for one record stand in for another only when the two write alike: any member the written
// form shows tells them apart, a zero's sign too, while a copy or equal values held apart do not.
TEST(ModelJsonWrite, RecordsWriteAlikeOnlyWhenEveryWrittenMemberIsTheSame) {
    Record kept = fullJournal().records[0];
    kept.values[idText(f2)].number = 0.0;
    const struct {
        const char* change;
        std::function<void(Record&)> apply;
        bool alike;
    } cases[] = {
        {"none", [](Record&) {}, true},
        {"values held apart",
         [](Record& r) {
             decltype(r.values) apart;
             for (auto it = r.values.cbegin(); it != r.values.cend(); ++it)
                 apart.insert(QString(it.key().data(), it.key().size()), it.value());
             r.values = apart;
         },
         true},
        {"id", [](Record& r) { r.id = QUuid::createUuid(); }, false},
        {"status", [](Record& r) { r.statusID.reset(); }, false},
        {"created", [](Record& r) { r.createdAt = r.createdAt.addSecs(1); }, false},
        {"updated", [](Record& r) { r.updatedAt = r.updatedAt.addSecs(-1); }, false},
        {"negative zero", [](Record& r) { r.values[idText(f2)].number = -0.0; }, false},
        {"text", [](Record& r) { r.values[idText(f1)].text = u"другой"_s; }, false},
        {"date", [](Record& r) { r.values[u"lower-case-or-foreign"_s].date = utc(2000, 1, 1); }, false},
        {"flag", [](Record& r) { r.values[u"flag"_s].flag = false; }, false},
        {"key",
         [](Record& r) {
             r.values.insert(u"fla"_s, r.values.value(u"flag"_s));
             r.values.remove(u"flag"_s);
         },
         false},
        {"one value more", [](Record& r) { r.values.insert(u"more"_s, FieldValue{}); }, false},
    };
    for (const auto& c : cases) {
        Record other = kept;
        c.apply(other);
        EXPECT_EQ(ModelJson::writesAlike(other, kept), c.alike) << c.change;
        EXPECT_EQ(ModelJson::writesAlike(kept, other), c.alike) << c.change;
    }
}
