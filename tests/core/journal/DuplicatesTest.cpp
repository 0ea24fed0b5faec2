#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/model/Model.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

QList<QUuid> ids(const QList<Journal::DuplicateFinding>& findings) {
    QList<QUuid> out;
    for (const auto& f : findings)
        out.append(f.record.id);
    return out;
}

} // namespace

TEST(GroupKeys, KeysFollowGroupTitleAndIdentityFields) {
    using enum FieldType;
    // clang-format off
    const FieldDef client = fieldOf(text, u"Клиент"_s, u"g"), plainClient = fieldOf(text, u"Клиент"_s),
        phone = fieldOf(text, u"Телефон"_s, u"g"), city = fieldOf(text, u"Город"_s, u"g"),
        size = fieldOf(choice, u"Размер"_s, u"i"), both = fieldOf(text, u"Имя"_s, u"gi"),
        note = fieldOf(longText, u"Заметка"_s, u"g"), sum = fieldOf(number, u"Сумма"_s, u"g"), day = fieldOf(date, u"День"_s, u"g");
    const Journal byClient = journalOf({client, size}), byPhone = journalOf({plainClient, phone, size}),
        byCityAndPhone = journalOf({plainClient, city, phone}), noTitle = journalOf({note, phone}),
        byValues = journalOf({sum, day, both}); // no title field outside the group
    // clang-format on
    const struct {
        const Journal& journal;
        Record record;
        QString group, identity;
    } cases[] = {
        // clang-format off
        {byClient, typed({{&client, u"  Иван  ПЕТРОВ"_s}, {&size, u"XL"_s}}), u"иван петров"_s, u"иван петров|xl"_s},
        {byClient, typed({}), u""_s, u"|"_s},
        {byPhone, typed({{&plainClient, u"Иван Петров"_s}, {&size, u"XL"_s}}), u"n:иван петров"_s, u"n:иван петров|xl"_s},
        {byPhone, typed({{&plainClient, u"Иван Петров"_s}, {&phone, u"123-45"_s}}), u"123-45"_s, u"123-45|"_s},
        {byCityAndPhone, typed({{&plainClient, u"Иван"_s}, {&city, u"Москва"_s}}), u"москва|n:иван"_s, u"москва|n:иван"_s},
        {byCityAndPhone, typed({{&plainClient, u"Иван"_s}, {&phone, u"1"_s}}), u"|1"_s, u"|1"_s},
        {byCityAndPhone, typed({{&city, u"Москва"_s}}), u"москва|n:"_s, u"москва|n:"_s},
        {noTitle, typed({{&note, u"x"_s}}), u"x|"_s, u"x|"_s},
        // Numbers and dates compare by their display text, letters by their canonical form.
        {byValues, typed({{&sum, u"12,504"_s}, {&day, u"05.03.2024"_s}, {&both, u"Е\u0308лка"_s}}), u"12,5|05.03.2024|елка"_s, u"12,5|05.03.2024|елка"_s},
        // clang-format on
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.journal.groupKey(c.record), c.group) << c.identity.toStdString();
        EXPECT_EQ(c.journal.identityKey(c.record), c.identity);
    }

    const Journal plain = journalOf({fieldOf(FieldType::number, u"Сумма"_s)});
    const Record r = typed({});
    for (const Journal& j : {plain, Journal{}})
        EXPECT_EQ(std::pair(j.groupKey(r), j.identityKey(r)),
                  std::pair(u"id:"_s + idText(r.id), u"id:"_s + idText(r.id)));
    EXPECT_FALSE(plain.canCheckIdentity() || byCityAndPhone.canCheckIdentity());
    EXPECT_TRUE(byClient.canCheckIdentity() && byValues.canCheckIdentity()); // flags of a group field count
}

TEST(PossibleDuplicates, UniqueValuesFirstThenIdentity) {
    using enum FieldType;
    // clang-format off
    const FieldDef order = fieldOf(text, u"Номер заказа"_s, u"u"), sku = fieldOf(text, u"Артикул"_s, u"u"),
        done = fieldOf(checkbox, u"Готово"_s, u"u"), client = fieldOf(text, u"Клиент"_s, u"g"), size = fieldOf(text, u"Размер"_s, u"i");
    Journal j = journalOf({order, sku, done, client, size});
    const Record bySku = typed({{&sku, u"S-1"_s}, {&client, u"Иван"_s}, {&size, u"M"_s}}), byBoth = typed({{&order, u"а-15"_s}, {&sku, u"s-1"_s}}),
        same = typed({{&client, u"ИВАН"_s}, {&size, u" m"_s}}), byOrder = typed({{&order, u" А-15 "_s}, {&done, u"да"_s}}), blank = typed({});
    // clang-format on
    j.records = {bySku, byBoth, same, byOrder, blank};

    // By unique field, then journal order; a record found under two fields is listed once.
    const Record given =
        typed({{&order, u"А-15"_s}, {&sku, u"S-1"_s}, {&client, u"Иван"_s}, {&size, u"M"_s}});
    const auto found = j.possibleDuplicates(given, {});
    EXPECT_EQ(ids(found), (QList<QUuid>{byBoth.id, byOrder.id, bySku.id}));
    EXPECT_EQ(found[0].reason, u"Номер заказа «А-15» уже есть");
    EXPECT_EQ(found[2].reason, u"Артикул «S-1» уже есть");
    EXPECT_EQ(found[0].record, byBoth);
    EXPECT_EQ(ids(j.possibleDuplicates(given, {byBoth.id, QUuid::createUuid()})),
              (QList<QUuid>{byOrder.id, bySku.id}));
    // A unique value that repeats nowhere ends the search, even with an equal identity key.
    EXPECT_TRUE(j.possibleDuplicates(typed({{&order, u"В-9"_s}, {&client, u"Иван"_s}, {&size, u"M"_s}}), {})
                    .isEmpty());
    // A ticked unique box matches ticked records only.
    const auto ticked = j.possibleDuplicates(typed({{&done, u"✓"_s}}), {});
    EXPECT_EQ(ids(ticked), QList<QUuid>{byOrder.id});
    EXPECT_EQ(ticked[0].reason, u"Готово «да» уже есть");

    // Without unique values (blanks are none): records without unique values and with an equal identity key.
    Record noUnique = typed({{&client, u"иван"_s}, {&size, u"m"_s}});
    noUnique.values[idText(order.id)] = FieldValue::ofText(u"   "_s);
    const auto similar = j.possibleDuplicates(noUnique, {});
    EXPECT_EQ(ids(similar), QList<QUuid>{same.id}); // bySku has the key too, but a unique value
    EXPECT_EQ(similar[0].reason, u"похожая запись уже есть");
    EXPECT_EQ(ids(j.possibleDuplicates(typed({}), {})), QList<QUuid>{blank.id}); // empty keys are equal
    // A stored record finds itself unless excluded.
    EXPECT_EQ(ids(j.possibleDuplicates(same, {})), QList<QUuid>{same.id});
    EXPECT_TRUE(j.possibleDuplicates(same, {same.id}).isEmpty());
    // Without identity fields, or without group fields (every key holds the record's id), no second phase.
    for (const int flag : {0, 1}) {
        Journal other = j;
        (flag ? other.fields[3].inGroup : other.fields[4].inIdentity) = false;
        EXPECT_TRUE(other.possibleDuplicates(noUnique, {}).isEmpty());
    }
}

// Parts of a key are joined without escaping: whole keys decide.
TEST(PossibleDuplicates, BarsInsideValues) {
    const FieldDef a = fieldOf(FieldType::text, u"А"_s, u"g"), b = fieldOf(FieldType::text, u"Б"_s, u"i"),
                   c = fieldOf(FieldType::text, u"В"_s, u"i");
    Journal bars = journalOf({a, b, c});
    const Record stored = typed({{&a, u"x|y"_s}}); // x|y||
    bars.records = {stored};
    EXPECT_TRUE(bars.possibleDuplicates(typed({{&a, u"x"_s}, {&b, u"y"_s}}), {}).isEmpty()); // x|y|
    EXPECT_EQ(ids(bars.possibleDuplicates(typed({{&a, u"x"_s}, {&b, u"y|"_s}}), {})),
              QList<QUuid>{stored.id});
}

TEST(ShortDescription, HeadThenNamedIdentityAndUniqueValues) {
    using enum FieldType;
    // clang-format off
    const FieldDef client = fieldOf(text, u"Клиент"_s), phone = fieldOf(text, u"Телефон"_s, u"g"),
        size = fieldOf(choice, u"Размер"_s, u"i"), order = fieldOf(text, u"Номер заказа"_s, u"u"), sum = fieldOf(number, u"Сумма"_s);
    Journal j = journalOf({client, phone, size, order, sum});
    j.titleFieldID = client.id;
    const Record full = typed({{&client, u"Иван Петров"_s}, {&phone, u"123-45"_s}, {&size, u"XL"_s}, {&order, u"А-15"_s}, {&sum, u"1050"_s}});
    // clang-format on
    EXPECT_EQ(j.shortDescription(full), u"Иван Петров · 123-45, Размер XL, Номер заказа А-15");
    EXPECT_EQ(j.shortDescription(typed({{&phone, u"123-45"_s}, {&sum, u"1050"_s}})), u"123-45");
    EXPECT_EQ(j.shortDescription(typed({{&size, u"XL"_s}, {&sum, u"1050"_s}})), u"XL, Размер XL");
    EXPECT_EQ(j.shortDescription(typed({})), u"Без названия");
    // A field in the head never appears again in the tail.
    j.fields[0].inGroup = j.fields[0].isUnique = true;
    EXPECT_EQ(j.shortDescription(full), u"Иван Петров · 123-45, Размер XL, Номер заказа А-15");
}
