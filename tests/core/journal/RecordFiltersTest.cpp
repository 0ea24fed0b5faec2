#include "core/journal/RecordFilters.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/journal/RecordMatcher.h"

using namespace TestSupport;

namespace {

const Calendar moscow{zone("Europe/Moscow")};

// A journal of four records covering every kind of value the filters read.
struct Fixture {
    FieldDef name = fieldOf(FieldType::text, "Название"), amount = fieldOf(FieldType::number, "Сумма"),
             date = fieldOf(FieldType::date, "Дата"), done = fieldOf(FieldType::checkbox, "Оплачено"),
             link1 = fieldOf(FieldType::link, "Ссылка"), link2 = fieldOf(FieldType::link, "Вторая ссылка"),
             color = fieldOf(FieldType::choice, "Цвет");
    StatusDef fresh = statusNamed("Новый"), finished = statusNamed("Готово");
    Journal journal;

    Fixture() {
        journal.fields = {name, amount, date, done, link1, link2, color};
        journal.statuses = {fresh, finished};
        Record r1 = labelled("r1", {{name, FieldValue::ofText("ЕЛКА")},
                                    {amount, FieldValue::ofNumber(1500)},
                                    {date, FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 10))},
                                    {link1, FieldValue::ofText("https://a.example.com")},
                                    {color, FieldValue::ofText("Красный")}});
        Record r2 = labelled("r2", {{name, FieldValue::ofText("елка  зеленая")},
                                    {amount, FieldValue::ofNumber(12.5)},
                                    {date, FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 10, 23, 59, 59))},
                                    {done, FieldValue::ofFlag(true)},
                                    {color, FieldValue::ofText("красный ")}});
        Record r4 = labelled("r4", {{name, FieldValue::ofText("Заказ")},
                                    {date, FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 11))},
                                    {link2, FieldValue::ofText("https://b.example.com")},
                                    {color, FieldValue::ofText("Синий")}});
        r1.statusID = fresh.id;
        r2.statusID = finished.id;
        r4.statusID = QUuid::createUuid(); // a status the journal no longer has
        journal.records = {r1, r2, labelled("r3"), r4};
    }
};

} // namespace

TEST(RecordFilters, EachConditionAloneAndCombined) {
    const Fixture fx;
    const QUuid lostField = QUuid::createUuid();
    const QDateTime d10 = at("Europe/Moscow", 2024, 3, 10, 12), d11 = at("Europe/Moscow", 2024, 3, 11, 10);
    using enum RecordFilters::LinkFilter;
    const struct {
        const char* what;
        RecordFilters f;
        bool active;
        QStringList expected;
        std::optional<QUuid> journalFilterField = {};
    } cases[] = {
        {"defaults", RecordFilters::defaults([&] { return d11; }, moscow), false, {"r1", "r2", "r3", "r4"}},
        {"ё and case", {.search = " Ёлка\t"}, true, {"r1", "r2"}},
        {"blank search", {.search = " \n "}, false, {"r1", "r2", "r3", "r4"}},
        {"status name", {.search = "нов"}, true, {"r1"}},
        {"words in two fields", {.search = "12,5 красный"}, true, {"r2"}},
        {"one word missing", {.search = "красный заказ"}, true, {}},
        {"status", {.statusID = fx.fresh.id}, true, {"r1"}},
        {"whole value key", {.valueFieldID = fx.color.id, .value = "КРАСНЫЙ"}, true, {"r1", "r2"}},
        {"field, no value", {.valueFieldID = fx.color.id}, false, {"r1", "r2", "r3", "r4"}},
        {"blank value", {.valueFieldID = fx.color.id, .value = "  "}, true, {"r1", "r2", "r3", "r4"}},
        {"value, no field", {.value = "синий"}, true, {"r1", "r2", "r3", "r4"}},
        {"journal's field", {.value = "синий"}, true, {"r4"}, fx.color.id},
        {"lost field",
         {.valueFieldID = lostField, .value = "синий"},
         true,
         {"r1", "r2", "r3", "r4"},
         fx.color.id},
        {"one day", {.dateFieldID = fx.date.id, .from = d10, .to = d10}, true, {"r1", "r2"}},
        {"swapped ends", {.dateFieldID = fx.date.id, .from = d11, .to = d10}, true, {"r1", "r2", "r4"}},
        {"period to a second before its end",
         {.dateFieldID = fx.date.id,
          .from = d10.addDays(-9),
          .to = at("Europe/Moscow", 2024, 3, 10, 23, 59, 59)},
         true,
         {"r1", "r2"}},
        {"with a link", {.linkFilter = with}, true, {"r1", "r4"}},
        {"without a link", {.linkFilter = without}, true, {"r2", "r3"}},
        {"all at once",
         {.search = "елка",
          .statusID = fx.finished.id,
          .dateFieldID = fx.date.id,
          .from = d10,
          .to = d10,
          .linkFilter = without},
         true,
         {"r2"}},
    };
    for (const auto& c : cases) {
        Journal j = fx.journal;
        j.filterFieldID = c.journalFilterField;
        EXPECT_EQ(c.f.isActive(), c.active) << c.what;
        EXPECT_EQ(labels(c.f.apply(j, moscow)), c.expected) << c.what;
    }
    // Without link fields the link condition falls away.
    Journal noLinks = fx.journal;
    noLinks.fields.removeIf([](const FieldDef& d) { return d.type == FieldType::link; });
    EXPECT_EQ(RecordFilters{.linkFilter = with}.apply(noLinks, moscow).size(), 4);
    EXPECT_TRUE(RecordFilters{}.apply(Journal{}, moscow).isEmpty());
}

TEST(RecordFilters, DayRangeFollowsCalendarDaysAcrossDaylightSaving) {
    // 2024-03-31 lasts 23 hours in Berlin.
    const Calendar berlin{zone("Europe/Berlin")};
    const FieldDef date = fieldOf(FieldType::date, "Дата");
    Journal j = journalOf({date});
    for (const auto& [label, when] : {std::pair{"before", at("Europe/Berlin", 2024, 3, 30, 23, 59, 59)},
                                      std::pair{"start", at("Europe/Berlin", 2024, 3, 31)},
                                      std::pair{"late", at("Europe/Berlin", 2024, 3, 31, 23, 30)},
                                      std::pair{"next", at("Europe/Berlin", 2024, 4, 1)}})
        j.records.append(labelled(label, {{date, FieldValue::ofDate(when)}}));
    RecordFilters f;
    f.dateFieldID = date.id;
    f.from = f.to = at("Europe/Berlin", 2024, 3, 31, 12);
    EXPECT_EQ(labels(f.apply(j, berlin)), (QStringList{"start", "late"}));
    // The same instants seen from Moscow fall on other days.
    EXPECT_EQ(labels(f.apply(j, moscow)), (QStringList{"before", "start"}));
    f.from = f.to = at("Europe/Berlin", 2024, 3, 31, 23);
    EXPECT_EQ(labels(f.apply(j, moscow)), (QStringList{"late", "next"}));
}

TEST(RecordFilters, DefaultsReadTheClockForTheMonthStartAndForNow) {
    QList<QDateTime> reads{utc(2024, 2, 29, 22), utc(2024, 2, 29, 22, 0, 5)}; // 1 March, 01:00 in Moscow
    const RecordFilters f = RecordFilters::defaults([&] { return reads.takeFirst(); }, moscow);
    EXPECT_EQ(f.from, at("Europe/Moscow", 2024, 3, 1));
    EXPECT_EQ(f.to, utc(2024, 2, 29, 22, 0, 5));
    EXPECT_EQ(f.linkFilter, RecordFilters::LinkFilter::any);
}

TEST(RecordFilters, RepeatedSearchesSeeEveryChange) {
    Fixture fx;
    RecordFilters f;
    // Each search also goes through an index kept from one search to the next, as the records tab's is.
    JournalIndex inMoscow(moscow), inUTC(Calendar{QTimeZone::utc()});
    auto search = [&](const char* text, const Journal& j, const Calendar& calendar = moscow) {
        f.search = QString::fromUtf8(text);
        const QStringList found = labels(f.apply(j, calendar));
        JournalIndex& index = calendar == moscow ? inMoscow : inUTC;
        index.update(j);
        QList<Record> viaIndex;
        for (const int at : RecordMatcher(index, f).matching())
            viaIndex.append(j.records[at]);
        EXPECT_EQ(labels(viaIndex), found) << text;
        return found;
    };
    Journal j = fx.journal;
    ASSERT_EQ(search("синий", j), QStringList{"r4"});
    // The same record, id and update time kept, with another value.
    put(j.records[3], fx.color, FieldValue::ofText("Зелёный"));
    EXPECT_EQ(search("синий", j), QStringList{});
    EXPECT_EQ(search("зеленый", j), QStringList{"r4"});

    ASSERT_EQ(search("нов", j), QStringList{"r1"});
    j.statuses[0].name = "Старый";
    EXPECT_EQ(search("нов", j), QStringList{});

    ASSERT_EQ(search("1500", j), QStringList{"r1"});
    j.fields[1].type = FieldType::text; // a number is not shown as text
    EXPECT_EQ(search("1500", j), QStringList{});

    ASSERT_EQ(search("09.03.2024", j), QStringList{});
    EXPECT_EQ(search("09.03.2024", j, Calendar{QTimeZone::utc()}), QStringList{"r1"});

    // What the index kept from the searches before follows a change made after them.
    put(j.records[3], fx.color, FieldValue::ofText("Синий"));
    EXPECT_EQ(search("синий", j), QStringList{"r4"});

    // Another journal with the same id and records is searched afresh.
    Journal other = fx.journal;
    EXPECT_EQ(search("синий", other), QStringList{"r4"});
}
