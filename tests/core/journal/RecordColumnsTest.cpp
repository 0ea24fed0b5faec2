#include "core/journal/RecordColumns.h"
#include "RecordFixtures.h"
#include "core/model/NumberFormat.h"

#include <random>

using namespace Qt::StringLiterals;
using namespace TestSupport;

// Columns built together over many runs of records give each record the text and key it has, and give the
// keys in the order a read of one record after another would: keyed columns share their ids.
TEST(TextColumn, BuildsTogetherWhatReadsOneByOneGive) {
    const QStringList pool{u"Чай"_s, u" чай "_s, u"ЁЛКА"_s, u"елка"_s, u"   "_s, u"a|b"_s, u"Ä"_s, u"é"_s};
    std::mt19937 rng(3);
    const FieldDef client = fieldOf(FieldType::text, u"Клиент"_s),
                   item = fieldOf(FieldType::text, u"Товар"_s);
    const FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    QList<Record> records;
    for (int i = 0; i < 300; ++i) {
        Record r{QUuid::createUuid(), {}, {}, QDateTime(QDate(2024, 3, 1), QTime(9, 0)), {}};
        // Texts new and repeated, missing and empty, so that a run meets some first and some again.
        for (const FieldDef& f : {client, item}) {
            if (rng() % 5)
                put(r, f,
                    FieldValue::ofText(pool[qsizetype(rng() % pool.size())] + QString::number(rng() % 40)));
            else if (rng() % 2)
                put(r, f, FieldValue::ofText(QString()));
        }
        put(r, amount, FieldValue::ofNumber(double(rng() % 7)));
        records.append(r);
    }
    const Calendar calendar;
    KeyIds keys, expectedKeys;
    expectedKeys.ofText(QString()); // the empty text has its key from the start, as keys() gives it
    TextColumn clients(TextColumn::Source::text, client.id, calendar);
    TextColumn items(TextColumn::Source::text, item.id, calendar);
    TextColumn amounts(TextColumn::Source::number, amount.id, calendar);
    clients.keys(keys);
    items.keys(keys);
    TextColumn::buildAll(records, {&clients, &amounts, &items});
    for (int at = 0; at < records.size(); ++at) {
        for (const auto& [column, field] : {std::pair{&clients, &client}, std::pair{&items, &item}}) {
            const QString text = records[at].text(field->id);
            ASSERT_EQ(column->texts().text(column->idAt(at)), text) << at;
            ASSERT_EQ(column->keys(keys)[size_t(column->idAt(at))], expectedKeys.ofText(text)) << at;
        }
        ASSERT_EQ(amounts.texts().text(amounts.idAt(at)), NumberFormat::string(records[at].number(amount.id)))
            << at;
    }
}
