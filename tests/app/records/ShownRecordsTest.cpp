#include "app/records/ShownRecords.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "app/records/FilterBar.h"
#include "app/records/RecordsTable.h"
#include "core/templates/Templates.h"

#include <functional>
#include <random>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Records;

namespace {

// Pools in which values collide often: texts equal but for case, "ё", blanks, accents or a "|", numbers
// that read alike, days near midnight, text outside everyday text.
const QStringList texts{
    u"Чай"_s,     u" чай  "_s,   u"ЧАЙ"_s,      u"ёлка"_s,  u"елка"_s,        u"е\u0308лка"_s,
    u"a|b"_s,     u"a"_s,        u"b|"_s,       u"|b"_s,    u"Кофе"_s,        u"кофе зерно"_s,
    u"Заказ 2"_s, u"заказ 10"_s, u"Заказ №5"_s, u"crème"_s, u"cre\u0300me"_s, u"😀 x"_s,
    u"  "_s,      u"Zebra"_s,    u"10"_s,       u"9"_s,     u"1500"_s,        u"https://a.example.com"_s};
const double numbers[] = {1, 2.5, 1500, 0, -0.0, -3, 1e-9, 12.5, 10};
const QStringList words{u"чай"_s, u"ЧАЙ "_s,  u"ел"_s,      u"1"_s,         u"5"_s,
                        u"10"_s,  u"2024"_s,  u".03"_s,     u"да"_s,        u"нов"_s,
                        u"a|"_s,  u"crème"_s, u"заказ 1"_s, u"x y"_s,       u"е\u0308"_s,
                        u"-3"_s,  u"😀"_s,     u"https"_s,   u"зерно кофе"_s};

QDateTime drawDay(std::mt19937& rng) {
    return utc(2024, 3, 1 + int(rng() % 4), int(rng() % 2) * 21, int(rng() % 2) * 59);
}

FieldValue drawValue(FieldType type, std::mt19937& rng) {
    switch (type) {
    case FieldType::number:
        return FieldValue::ofNumber(numbers[rng() % std::size(numbers)]);
    case FieldType::date:
        return FieldValue::ofDate(drawDay(rng));
    case FieldType::checkbox:
        return FieldValue::ofFlag(rng() % 2);
    default:
        return FieldValue::ofText(texts[qsizetype(rng() % texts.size())]);
    }
}

Record drawRecord(const Journal& journal, std::mt19937& rng, int serial) {
    Record r = labelled(QString::number(serial), drawDay(rng));
    for (const FieldDef& f : journal.fields) {
        if (rng() % 4)
            put(r, f, drawValue(f.type, rng));
    }
    // A stray value of the wrong kind, as a hand-edited file may hold.
    if (rng() % 9 == 0 && !journal.fields.isEmpty())
        put(r, journal.fields[qsizetype(rng() % journal.fields.size())], drawValue(FieldType::number, rng));
    const int status = int(rng() % (journal.statuses.size() + 2));
    if (status < journal.statuses.size())
        r.statusID = journal.statuses[status].id;
    else if (status == journal.statuses.size())
        r.statusID = QUuid::createUuid(); // a status the journal no longer has
    return r;
}

RecordFilters drawFilters(const Journal& journal, std::mt19937& rng) {
    RecordFilters f;
    if (rng() % 2)
        f.search = words[qsizetype(rng() % words.size())];
    if (rng() % 4 == 0 && !journal.statuses.isEmpty())
        f.statusID = journal.statuses[qsizetype(rng() % journal.statuses.size())].id;
    if (rng() % 3 == 0 && !journal.fields.isEmpty()) {
        if (rng() % 2)
            f.valueFieldID = journal.fields[qsizetype(rng() % journal.fields.size())].id;
        f.value = rng() % 3 ? texts[qsizetype(rng() % texts.size())] : u"да"_s;
    }
    const QList<FieldDef> dates = journal.dateFields();
    if (rng() % 4 == 0 && !dates.isEmpty()) {
        f.dateFieldID = dates[qsizetype(rng() % dates.size())].id;
        f.from = drawDay(rng);
        f.to = drawDay(rng);
    }
    f.linkFilter = allLinkFilters[rng() % 3];
    return f;
}

// A sort order as the user builds it: a few header clicks, read against the journal as it is now.
QList<RecordSort> drawOrder(const Journal& journal, std::mt19937& rng) {
    QList<RecordSort> order{RecordSort::initial()};
    const QList<RecordsColumn> columns = RecordsTable::columns(journal);
    for (int clicks = int(rng() % 4); clicks > 0; --clicks)
        order = RecordsTable::clickedHeader(order, columns[qsizetype(rng() % columns.size())].sort);
    return order;
}

Journal custom(const QList<FieldDef>& fields, std::optional<qsizetype> title = std::nullopt) {
    Journal j = journalOf(fields, {statusNamed(u"Новый"_s), statusNamed(u"Готово"_s)});
    j.id = QUuid::createUuid();
    if (title)
        j.titleFieldID = fields[*title].id;
    // A hand-edited file may repeat a status's id: it ranks by its first place.
    j.statuses.append(statusNamed(u"Повтор"_s, j.statuses[0].id));
    return j;
}

} // namespace

// Whatever the tab shows through its index — after edits, new and deleted records, changes of fields and
// statuses, searches typed letter by letter and erased, other filters and sort orders — is exactly what the
// plain definitions give: the filtered and sorted records, their number, their groups and the value
// picker's values, also where it sorts by the number columns read ahead for the table's headers.
TEST(ShownRecords, ShowWhatThePlainDefinitionsGiveThroughEveryChange) {
    using enum FieldType;
    const struct {
        const char* what;
        Journal journal;
        Calendar calendar;
    } cases[] = {
        {"orders", Templates::sales(), Calendar{zone("Europe/Moscow")}},
        {"clients", Templates::crm(), Calendar{zone("Europe/Moscow")}},
        {"two group fields of other types, title a number, days read in Berlin",
         custom({fieldOf(date, u"День"_s, u"g"), fieldOf(checkbox, u"Опт"_s, u"g"), fieldOf(number, u"Код"_s),
                 fieldOf(link, u"Сайт"_s), fieldOf(link, u"Второй"_s), fieldOf(choice, u"Вид"_s)},
                2),
         Calendar{zone("Europe/Berlin")}},
        {"no group and no text fields", custom({fieldOf(number, u"Сумма"_s), fieldOf(date, u"Дата"_s)}),
         Calendar{zone("Europe/Moscow")}},
        {"text groups joined by a bar",
         custom({fieldOf(text, u"А"_s, u"g"), fieldOf(longText, u"Б"_s, u"g")}),
         Calendar{zone("Europe/Moscow")}},
    };
    std::mt19937 rng(11);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Journal journal = c.journal;
        int serial = 0;
        for (int i = 0; i < 70; ++i)
            journal.records.append(drawRecord(journal, rng, serial++));
        ShownRecords shown(std::make_shared<JournalIndex>(c.calendar));
        RecordFilters filters;
        QList<RecordSort> order{RecordSort::initial()};

        const std::function<void(Journal&)> changes[] = {
            [&](Journal& j) { // a value edited
                if (j.records.isEmpty() || j.fields.isEmpty())
                    return;
                const FieldDef& f = j.fields[qsizetype(rng() % j.fields.size())];
                put(j.records[qsizetype(rng() % j.records.size())], f, drawValue(f.type, rng));
            },
            [&](Journal& j) { // a status set on a few records
                for (int n = int(rng() % 3); n >= 0 && !j.records.isEmpty() && !j.statuses.isEmpty(); --n)
                    j.records[qsizetype(rng() % j.records.size())].statusID =
                        j.statuses[qsizetype(rng() % j.statuses.size())].id;
            },
            [&](Journal& j) { // records added
                for (int n = int(rng() % 4); n >= 0; --n)
                    j.records.append(drawRecord(j, rng, serial++));
            },
            [&](Journal& j) { // records deleted
                for (int n = int(rng() % 3); n >= 0 && !j.records.isEmpty(); --n)
                    j.records.removeAt(qsizetype(rng() % j.records.size()));
            },
            [&](Journal& j) { // a field retyped or regrouped, a status renamed
                if (j.fields.isEmpty())
                    return;
                FieldDef& f = j.fields[qsizetype(rng() % j.fields.size())];
                if (rng() % 2)
                    f.inGroup = !f.inGroup;
                else
                    f.type = allFieldTypes[rng() % allFieldTypes.size()];
                if (!j.statuses.isEmpty())
                    j.statuses[0].name = rng() % 2 ? u"Новый заказ"_s : u"Старый"_s;
            },
            [&](Journal&) { filters = drawFilters(journal, rng); },
            [&](Journal&) { order = drawOrder(journal, rng); },
            [&](Journal&) { // a word typed key by key
                const QString word = words[qsizetype(rng() % words.size())];
                filters.search.clear();
                for (const QChar ch : word) {
                    filters.search += ch;
                    shown.show(journal, filters, order);
                }
            },
            [&](Journal&) { // erased key by key
                while (!filters.search.isEmpty()) {
                    filters.search.chop(1);
                    shown.show(journal, filters, order);
                }
            },
        };
        for (int step = 0; step < 90; ++step) {
            const size_t change = rng() % std::size(changes);
            changes[change](journal);
            shown.show(journal, filters, order);

            const QList<Record> passing = filters.apply(journal, c.calendar);
            ASSERT_EQ(shown.records(), RecordSort::sorted(passing, order))
                << "step " << step << ", change " << change;
            // As the tab does after each show: its filter bar's columns and its number columns are read in
            // one pass, and later shows sort by them.
            QList<QUuid> numberFields;
            for (const FieldDef& f : journal.fields) {
                if (f.type == FieldType::number)
                    numberFields.append(f.id);
            }
            shown.prepare(FilterBar::shownValueField(journal, filters), numberFields);
            ASSERT_EQ(qsizetype(shown.passing().size()), passing.size());
            QSet<QString> groups;
            for (const Record& r : passing)
                groups.insert(journal.groupKey(r));
            EXPECT_EQ(shown.groupCount(), groups.size()) << "step " << step;
            if (!journal.fields.isEmpty()) {
                const FieldDef& f = journal.fields[qsizetype(rng() % journal.fields.size())];
                EXPECT_EQ(shown.distinctValues(f), journal.distinctValues(f)) << "step " << step;
            }
            // Reading records for its columns leaves the index sharing the journal's records, not holding
            // a second copy of every one.
            ASSERT_EQ(shown.journal().records.constData(), std::as_const(journal).records.constData())
                << "step " << step;
        }
    }
}

// A tab closed by a switch lives on until the event loop deletes it and may still show its older copy of
// the journal through the index it shares with the new tab: each keeps showing what its own copy gives.
TEST(ShownRecords, TabsSharingAnIndexEachShowTheirOwnJournal) {
    std::mt19937 rng(5);
    Journal journal = Templates::sales();
    for (int i = 0; i < 60; ++i)
        journal.records.append(drawRecord(journal, rng, i));
    const auto index = std::make_shared<JournalIndex>(Calendar{zone("Europe/Moscow")});
    ShownRecords closing(index), opened(index);
    const RecordFilters filters{.search = u"а"_s};
    const QList<RecordSort> order{RecordSort::initial()};
    Journal older = journal;
    for (int step = 0; step < 12; ++step) {
        journal.records[qsizetype(rng() % journal.records.size())].statusID = journal.statuses[step % 5].id;
        journal.records.removeAt(qsizetype(rng() % journal.records.size()));
        for (auto [shown, copy] : {std::pair{&opened, &journal}, std::pair{&closing, &older}}) {
            shown->show(*copy, filters, order);
            ASSERT_EQ(shown->records(), RecordSort::sorted(filters.apply(*copy, index->calendar()), order))
                << "step " << step;
        }
        if (step % 3 == 0)
            older = journal;
    }
}
