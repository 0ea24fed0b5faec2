#include "app/records/FilterBar.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/journal/JournalIndex.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Records;

TEST(FilterBar, ShownValueFieldAndWhatAValueStores) {
    const FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s),
                   city = fieldOf(FieldType::text, u"Город"_s),
                   channel = fieldOf(FieldType::choice, u"Канал"_s);
    Journal journal = journalOf({amount, city, channel});
    const QUuid gone = QUuid::createUuid();
    const struct {
        std::optional<QUuid> journalField;
        std::optional<QUuid> filtersField;
        std::optional<QUuid> shown;
        std::optional<QUuid> storedWithValue;
    } cases[] = {
        {std::nullopt, std::nullopt, city.id, city.id}, // the first text field, stored with the value
        {channel.id, std::nullopt, channel.id, std::nullopt},
        {channel.id, city.id, city.id, city.id},
        {amount.id, std::nullopt, amount.id, std::nullopt}, // any field the journal names
        // A field that is gone is not replaced by the journal's: the filter itself would not read that one.
        {channel.id, gone, city.id, city.id},
        {gone, std::nullopt, city.id, city.id},
    };
    for (const auto& c : cases) {
        journal.filterFieldID = c.journalField;
        RecordFilters filters;
        filters.valueFieldID = c.filtersField;
        EXPECT_EQ(FilterBar::shownValueField(journal, filters).value_or(FieldDef{}).id,
                  c.shown.value_or(QUuid()));
        const RecordFilters chosen = FilterBar::choosingValue(filters, journal, u"Москва"_s);
        EXPECT_EQ(chosen.value, u"Москва");
        EXPECT_EQ(chosen.valueFieldID, c.storedWithValue ? c.storedWithValue : c.filtersField);
    }
    EXPECT_EQ(FilterBar::shownValueField(journalOf({amount}), {}), std::nullopt);

    RecordFilters filters;
    filters.value = u"Москва"_s;
    filters = FilterBar::choosingValueField(filters, channel.id);
    EXPECT_EQ(filters.valueFieldID, channel.id);
    EXPECT_TRUE(filters.value.isEmpty());
}

TEST(JournalIndex, KeptValuesFollowEveryChange) {
    FieldDef city = fieldOf(FieldType::text, u"Город"_s, u"g");
    Journal journal = journalOf({city});
    journal.records = {labelled(u"1"_s, {{city, FieldValue::ofText(u"Тверь"_s)}}),
                       labelled(u"2"_s, {{city, FieldValue::ofText(u"тверь"_s)}}),
                       labelled(u"3"_s, {{city, FieldValue::ofText(u"Омск"_s)}})};
    JournalIndex index(Calendar::current());
    index.update(journal);
    EXPECT_EQ(index.distinctValues(city), (QStringList{u"Омск"_s, u"Тверь"_s}));
    EXPECT_EQ(index.groupCount({0, 1, 2}), 2);
    journal.itemNoun = {u"заказ"_s, u"заказа"_s, u"заказов"_s};
    journal.groupNoun = {u"город"_s, u"города"_s, u"городов"_s};
    EXPECT_EQ(FilterBar::shownLine(journal, 21, 12345), u"Показано: 21 заказ · 12345 городов")
        << "grouped by three";

    // One record changed in place, as the store changes it.
    put(journal.records[1], city, FieldValue::ofText(u"Псков"_s));
    index.update(journal);
    EXPECT_EQ(index.distinctValues(city), (QStringList{u"Омск"_s, u"Псков"_s, u"Тверь"_s}));
    EXPECT_EQ(index.groupCount({0, 1, 2}), 3);
    EXPECT_EQ(index.groupCount({1, 2}), 2);

    // The field no longer groups: every record is a group of its own.
    journal.fields[0].inGroup = false;
    journal.records.append(journal.records[0]);
    journal.records.last().id = QUuid::createUuid();
    index.update(journal);
    EXPECT_EQ(index.groupCount({0, 1, 2, 3}), 4);
}
