#include "core/journal/RecordSort.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/journal/RecordOrder.h"

#include <numeric>

using namespace TestSupport;

namespace {

QStringList sortedLabels(const QList<Record>& records, RecordSort sort, SortOrder order) {
    sort.order = order;
    return labels(RecordSort::sorted(records, {sort}));
}

} // namespace

// Texts sort in the natural order, tested with it; a value of another kind sorts with the missing ones.
TEST(RecordSort, FieldColumnsPutMissingValuesFirstForwardAndLastInReverse) {
    const FieldDef number = fieldOf(FieldType::number), date = fieldOf(FieldType::date),
                   box = fieldOf(FieldType::checkbox);
    const auto with = [](const char* label, const FieldDef& f, FieldValue v) {
        return labelled(label, {{f, v}});
    };
    const struct {
        const FieldDef& field;
        QList<Record> records;
        QStringList forward, reverse;
    } cases[] = {
        // clang-format off
        {number, {with("5", number, FieldValue::ofNumber(5)), labelled("none"), with("-3", number, FieldValue::ofNumber(-3)),
                  with("text", number, FieldValue::ofText("12")), with("0", number, FieldValue::ofNumber(0))},
         {"none", "text", "-3", "0", "5"}, {"5", "0", "-3", "none", "text"}},
        {date, {with("march", date, FieldValue::ofDate(utc(2024, 3, 1))), labelled("none"),
                with("jan", date, FieldValue::ofDate(utc(2024, 1, 1)))},
         {"none", "jan", "march"}, {"march", "jan", "none"}},
        {box, {with("on", box, FieldValue::ofFlag(true)), labelled("unset"), with("off", box, FieldValue::ofFlag(false))},
         {"unset", "off", "on"}, {"on", "unset", "off"}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const RecordSort sort = RecordSort::byField(c.field);
        EXPECT_EQ(sortedLabels(c.records, sort, SortOrder::forward), c.forward);
        EXPECT_EQ(sortedLabels(c.records, sort, SortOrder::reverse), c.reverse);
    }
}

TEST(RecordSort, StatusRanksFollowTheJournalAndUnknownStatusesSortWithNone) {
    Journal j;
    for (const char* name : {"Новый", "В работе", "Готово"})
        j.statuses.append(statusNamed(QString::fromUtf8(name)));
    // A hand-edited file may repeat an id: its rank is its first position.
    j.statuses.append(statusNamed(QStringLiteral("Повтор"), j.statuses[0].id));
    auto in = [&](const QString& label, std::optional<QUuid> status) {
        Record r = labelled(label);
        r.statusID = status;
        return r;
    };
    const QList<Record> records{in("done", j.statuses[2].id), in("none", {}), in("new", j.statuses[0].id),
                                in("gone", QUuid::createUuid()), in("work", j.statuses[1].id)};
    const RecordSort sort = RecordSort::byStatus(j);
    EXPECT_EQ(sortedLabels(records, sort, SortOrder::forward),
              (QStringList{"none", "gone", "new", "work", "done"}));
    EXPECT_EQ(sortedLabels(records, sort, SortOrder::reverse),
              (QStringList{"done", "work", "new", "none", "gone"}));
}

TEST(RecordSort, InitialOrderIsNewestFirstAndTiesKeepTheListOrder) {
    const QList<Record> records{labelled("old", utc(2024, 1, 1)), labelled("new", utc(2024, 5, 1)),
                                labelled("same-a", utc(2024, 3, 1)), labelled("same-b", utc(2024, 3, 1))};
    EXPECT_EQ(labels(RecordSort::sorted(records, {RecordSort::initial()})),
              (QStringList{"new", "same-a", "same-b", "old"}));
    RecordSort forward = RecordSort::initial();
    forward.order = SortOrder::forward;
    EXPECT_EQ(labels(RecordSort::sorted(records, {forward})),
              (QStringList{"old", "same-a", "same-b", "new"}));
}

TEST(RecordSort, LaterComparatorsDecideOnlyTiesAndTheKeyTypeWins) {
    const FieldDef group = fieldOf(FieldType::text), amount = fieldOf(FieldType::number);
    auto rec = [&](const QString& label, const QString& g, double n) {
        return labelled(label, {{group, FieldValue::ofText(g)}, {amount, FieldValue::ofNumber(n)}});
    };
    const QList<Record> records{rec("b1", "b", 1), rec("a3", "A", 3), rec("b2", "b", 2), rec("a9", "a", 9)};
    RecordSort byAmount = RecordSort::byField(amount);
    byAmount.order = SortOrder::reverse;
    EXPECT_EQ(labels(RecordSort::sorted(records, {RecordSort::byField(group), byAmount})),
              (QStringList{"a9", "a3", "b2", "b1"}));
    // A third criterion decides only what both before it tie on; full ties keep the list's order.
    QList<Record> tied = records + QList<Record>{rec("b1-new", "B", 1), rec("b1-same", "b", 1)};
    tied[4].createdAt = utc(2025, 1, 1);
    EXPECT_EQ(labels(RecordSort::sorted(tied, {RecordSort::byField(group), byAmount, RecordSort::initial()})),
              (QStringList{"a9", "a3", "b2", "b1-new", "b1", "b1-same"}));

    // The key reads values by the type it carries: a number key finds no number in a text field.
    const RecordSort numberKey{RecordSort::Key::field(group.id, FieldType::number), SortOrder::forward, {}};
    EXPECT_EQ(labels(RecordSort::sorted(records, {numberKey})), labels(records));
}

TEST(DistinctValues, FirstFormPerKeyInNaturalOrder) {
    const FieldDef city = fieldOf(FieldType::text), box = fieldOf(FieldType::checkbox),
                   date = fieldOf(FieldType::date);
    // Over one record per value and one record without a value, which adds nothing.
    auto distinct = [](const FieldDef& f, const QList<FieldValue>& values) {
        Journal j = journalOf({f});
        for (const FieldValue& v : values)
            j.records.append(labelled({}, {{f, v}}));
        j.records.append(labelled({}));
        return j.distinctValues(f);
    };
    const struct {
        const char* what;
        QStringList texts, expected;
    } cases[] = {
        {"case variants", {"Москва", "москва", "МОСКВА"}, {"Москва"}},
        {"natural order",
         {"Заказ 10", "заказ 2", "Ёлка", "елка", "Арбуз"},
         {"Арбуз", "Ёлка", "заказ 2", "Заказ 10"}},
        // Equal in the natural order but different as keys: the first met stays first.
        {"stable ties", {"Заказ 2", "Заказ 02"}, {"Заказ 2", "Заказ 02"}},
        {"blank is kept", {" ", "Тула"}, {" ", "Тула"}},
    };
    for (const auto& c : cases) {
        QList<FieldValue> values;
        for (const QString& text : c.texts)
            values.append(FieldValue::ofText(text));
        EXPECT_EQ(distinct(city, values), c.expected) << c.what;
    }
    // Display values: an unticked box has none; dates sort as their texts.
    EXPECT_EQ(distinct(box, {FieldValue::ofFlag(false), FieldValue::ofFlag(true), FieldValue::ofFlag(true)}),
              QStringList{"да"});
    EXPECT_EQ(distinct(date, {FieldValue::ofDate(at("Europe/Moscow", 2024, 1, 15)),
                              FieldValue::ofDate(at("Europe/Moscow", 2024, 2, 1))}),
              (QStringList{"01.02.2024", "15.01.2024"}));
}

TEST(RecordSort, RepeatedSortsSeeChangedTexts) {
    const FieldDef name = fieldOf(FieldType::text);
    Journal journal = journalOf({name});
    QList<Record>& records = journal.records;
    for (const char* text : {"б", "в", "а"})
        records.append(labelled(text, {{name, FieldValue::ofText(text)}}));
    const RecordSort sort = RecordSort::byField(name);
    // Each sort also goes through an index kept from one sort to the next, as the records tab's is.
    JournalIndex index(Calendar::current());
    const auto sorted = [&] {
        const QStringList plain = labels(RecordSort::sorted(records, {sort}));
        index.update(journal);
        std::vector<int> positions(size_t(records.size()));
        std::iota(positions.begin(), positions.end(), 0);
        RecordOrder(index, {sort}).sort(positions);
        QList<Record> viaIndex;
        for (const int at : positions)
            viaIndex.append(records[at]);
        EXPECT_EQ(labels(viaIndex), plain);
        return plain;
    };
    ASSERT_EQ(sorted(), (QStringList{"а", "б", "в"}));
    put(records[2], name, FieldValue::ofText("г")); // same record id, new text
    EXPECT_EQ(sorted(), (QStringList{"б", "в", "а"}));
    records.removeAt(0);
    EXPECT_EQ(sorted(), (QStringList{"в", "а"}));
    put(records[1], name, FieldValue::ofText("а"));
    EXPECT_EQ(sorted(), (QStringList{"а", "в"}));
}
