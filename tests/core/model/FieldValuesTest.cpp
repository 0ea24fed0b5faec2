#include "TestSupport.h"
#include "core/model/Model.h"
#include "core/store/DataFile.h"
#include "core/store/LegacyMigration.h"
#include "core/templates/Templates.h"

#include <algorithm>
#include <random>
#include <vector>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

const QString keyA = u"0A000000-0000-0000-0000-000000000000"_s;
const QString keyB = u"0B000000-0000-0000-0000-000000000000"_s;
const QString keyC = u"0C000000-0000-0000-0000-000000000000"_s;
const QString lowerA = u"0a000000-0000-0000-0000-000000000000"_s;

// The same characters in a string of their own, so that only a comparison of text can find them.
QString unshared(const QString& text) {
    return QString(text.constData(), text.size());
}

TEST(FieldValues, ContractWhetherKeysAreSharedOrNot) {
    struct Step {
        enum { insert, remove } op;
        const QString* key;
        bool shared;
        double number = 0;
    };
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<std::pair<const QString*, double>> expected; // in iteration order
    } cases[] = {
        {"out of order, iterated by key text",
         {{Step::insert, &keyC, true, 3}, {Step::insert, &keyA, false, 1}, {Step::insert, &keyB, true, 2}},
         {{&keyA, 1}, {&keyB, 2}, {&keyC, 3}}},
        {"the same text through another string replaces the value",
         {{Step::insert, &keyA, true, 1}, {Step::insert, &keyA, false, 2}, {Step::insert, &keyA, true, 3}},
         {{&keyA, 3}}},
        {"removed by another string with the same text",
         {{Step::insert, &keyA, true, 1}, {Step::insert, &keyB, true, 2}, {Step::remove, &keyB, false}},
         {{&keyA, 1}}},
        {"removing what is not there changes nothing",
         {{Step::insert, &keyB, false, 2}, {Step::remove, &keyC, true}, {Step::remove, &lowerA, true}},
         {{&keyB, 2}}},
        {"another letter case is another key",
         {{Step::insert, &lowerA, true, 9}, {Step::insert, &keyA, true, 1}},
         {{&keyA, 1}, {&lowerA, 9}}},
    };
    const QList<const QString*> everyKey{&keyA, &keyB, &keyC, &lowerA};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        FieldValues values;
        for (const Step& s : c.steps) {
            const QString key = s.shared ? *s.key : unshared(*s.key);
            if (s.op == Step::insert)
                values.insert(key, FieldValue::ofNumber(s.number));
            else
                values.remove(key);
        }

        std::vector<std::pair<QString, double>> walked;
        for (auto it = values.cbegin(); it != values.cend(); ++it)
            walked.emplace_back(it.key(), it.value().number.value_or(-1));
        std::vector<std::pair<QString, double>> expected;
        for (const auto& [key, number] : c.expected)
            expected.emplace_back(*key, number);
        EXPECT_EQ(walked, expected);
        EXPECT_EQ(values.size(), qsizetype(expected.size()));

        for (const QString* key : everyKey) {
            const auto want = std::find_if(c.expected.cbegin(), c.expected.cend(),
                                           [&](const auto& e) { return e.first == key; });
            const std::optional<double> found =
                want == c.expected.cend() ? std::nullopt : std::optional(want->second);
            for (const QString& asked : {*key, unshared(*key)}) {
                const FieldValue* v = values.valueFor(asked);
                EXPECT_EQ(v ? v->number : std::nullopt, found) << key->toStdString();
                EXPECT_EQ(values.contains(asked), found.has_value());
            }
            // The first characters of a stored key, at the very same address, are not that key.
            EXPECT_FALSE(values.contains(QString::fromRawData(key->constData(), 8)));
        }

        // Equal to the same entries put in backwards through strings of their own, and to nothing less.
        FieldValues other;
        for (auto it = expected.crbegin(); it != expected.crend(); ++it)
            other.insert(unshared(it->first), FieldValue::ofNumber(it->second));
        EXPECT_TRUE(values == other && other == values);
        other.insert(keyC, FieldValue::ofText(u"другое"_s));
        EXPECT_FALSE(values == other);
    }
}

TEST(FieldValues, ACopySharesItsEntriesUntilOneOfThemChanges) {
    Record original;
    original.values = {{keyB, FieldValue::ofText(u"b"_s)}, {keyA, FieldValue::ofNumber(1)}};
    const Record before = original;
    Record copy = original;
    EXPECT_EQ(copy.values.cbegin(), original.values.cbegin());
    copy.values.insert(keyA, FieldValue::ofNumber(2));
    copy.values.remove(keyB);
    copy.values.removeIf([](const FieldValues::const_iterator& it) { return it.value().number == 2; });
    EXPECT_TRUE(copy.values.isEmpty());
    EXPECT_EQ(original, before);
    EXPECT_EQ(original.values.keys(), (QList<QString>{keyA, keyB}));
}

// Each road that creates values keys them by the field's shared string, so that a journal holds one key
// string per field and look-ups by that string find their entry without comparing text.
TEST(FieldValues, EveryRoadKeysValuesByTheFieldsSharedString) {
    const Clock clock = [] { return utc(2025, 3, 1, 12); };
    const Calendar moscow{zone("Europe/Moscow")};
    Journal j = Templates::sales(clock);
    const auto allShared = [&](const Record& r) {
        bool shared = !r.values.isEmpty();
        for (auto it = r.values.cbegin(); it != r.values.cend(); ++it)
            shared = shared && it.key().isSharedWith(fieldKey(*parseId(it.key())));
        return shared;
    };

    Record typed = j.newRecord(clock(), moscow, clock);
    for (const FieldDef& f : j.fields) {
        const QString text = f.type == FieldType::number     ? u"12,5"_s
                             : f.type == FieldType::date     ? u"05.03.2025"_s
                             : f.type == FieldType::checkbox ? u"да"_s
                             : f.type == FieldType::link     ? u"example.com"_s
                                                             : u" текст "_s;
        Journal::assign(text, f, typed, moscow, clock);
    }
    EXPECT_EQ(typed.values.size(), j.fields.size());
    EXPECT_TRUE(allShared(typed)) << "typed";
    EXPECT_TRUE(allShared(j.normalized(typed))) << "normalised";
    ASSERT_FALSE(j.statuses.isEmpty());
    EXPECT_TRUE(allShared(j.settingStatus(j.statuses.last().id, Record{}, clock(), moscow, clock)))
        << "stamped";

    j.records = {typed};
    rapidjson::StringBuffer out;
    QString error;
    ASSERT_TRUE(DataFile::encode({j}, clock(), out, &error));
    const auto read =
        DataFile::decode(QByteArray(out.GetString(), qsizetype(out.GetSize())), clock(), &error);
    ASSERT_TRUE(read && read->size() == 1) << error.toStdString();
    EXPECT_TRUE(allShared(read->first().records.value(0))) << "read from the data file";

    const auto cards = LegacyMigration::migrate(R"({"records": [{"productName": "Куртка", "minorEdits": 2,
        "fixedDate": "2025-01-15T14:30:00Z"}]})",
                                                clock, &error);
    ASSERT_TRUE(cards && cards->records.size() == 1) << error.toStdString();
    EXPECT_TRUE(allShared(cards->records[0])) << "converted card";
}

// A data file as a business keeps it, with what hand editing leaves behind: keys that name no field, in
// another letter case, beyond the Basic Multilingual Plane (whose order differs between UTF-16 and UTF-8),
// empty value objects and values with two members. Reading it and writing it again gives the same bytes.
TEST(FieldValues, ARealisticDataFileIsWrittenBackByteForByte) {
    const Clock clock = [] { return utc(2025, 3, 1, 12); };
    const Calendar moscow{zone("Europe/Moscow")};
    std::mt19937 random(5);
    const QStringList texts{u"Кружка «Север», 300 мл"_s, u"строка\nвторая \"в кавычках\" \\ / \t"_s,
                            u"Ёлка 🎄"_s, u"  с пробелами  "_s, u"ООО «Ромашка»"_s};
    QList<Journal> journals;
    for (Journal (*make)(const Clock&) : {Templates::sales, Templates::finance, Templates::crm,
                                          Templates::warehouse, Templates::tasks, Templates::cards}) {
        Journal j = make(clock);
        for (int i = 0; i < 150; ++i) {
            Record r = j.newRecord(clock().addDays(-i), moscow, clock);
            r.id = QUuid::createUuidV5(j.id, QString::number(i));
            for (const FieldDef& f : j.fields) {
                if (random() % 5 == 0)
                    continue;
                const QString text =
                    f.type == FieldType::number ? QString::number(int(random() % 200000) - 500) + u","_s +
                                                      QString::number(random() % 100)
                    : f.type == FieldType::date
                        ? u"%1.%2.2024"_s.arg(random() % 28 + 1).arg(random() % 12 + 1)
                    : f.type == FieldType::checkbox ? u"да"_s
                    : f.type == FieldType::link     ? u"example.com/orders/"_s + QString::number(i)
                    : f.type == FieldType::choice && !f.options.isEmpty()
                        ? f.options[qsizetype(random() % f.options.size())]
                        : texts[qsizetype(random() % texts.size())];
                Journal::assign(text, f, r, moscow, clock);
            }
            j.records.append(j.normalized(r));
        }
        journals.append(j);
    }
    Record& odd = journals[0].records[3];
    const QString fieldText = idText(journals[0].fields[0].id);
    odd.values.insert(fieldText.toLower(), FieldValue::ofText(u"нижний регистр"_s));
    odd.values.insert(u"свой ключ"_s, FieldValue{});
    odd.values.insert(u"\U0001F600"_s, FieldValue::ofNumber(-0.125));
    odd.values.insert(u"\uFF01"_s, FieldValue{u"два"_s, 2.0, {}, {}});
    odd.values.insert(u""_s, FieldValue::ofFlag(false));

    rapidjson::StringBuffer first;
    QString error;
    ASSERT_TRUE(DataFile::encode(journals, clock(), first, &error)) << error.toStdString();
    const QByteArray bytes(first.GetString(), qsizetype(first.GetSize()));
    const auto read = DataFile::decode(bytes, clock(), &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_TRUE(*read == journals);
    rapidjson::StringBuffer second;
    ASSERT_TRUE(DataFile::encode(*read, clock(), second, &error)) << error.toStdString();
    EXPECT_TRUE(QByteArray(second.GetString(), qsizetype(second.GetSize())) == bytes);
    EXPECT_GT(bytes.size(), 400'000);
}

} // namespace
