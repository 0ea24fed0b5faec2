#include "app/records/BatchEntry.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "core/journal/DuplicateIndex.h"
#include "core/templates/Templates.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Records;

namespace {

// The sales journal: a unique per-item order number, the item (its title), quantity and amount per item, the
// client as its group.
struct Sales {
    Journal journal = Templates::sales();
    const FieldDef& field(const QString& key) const {
        return *std::find_if(journal.fields.cbegin(), journal.fields.cend(),
                             [&](const FieldDef& f) { return f.key == key; });
    }
    BatchRow row(std::initializer_list<std::pair<QString, QString>> cells) const {
        BatchRow r{QUuid::createUuid(), {}};
        for (const auto& [key, text] : cells)
            r.values.insert(field(key).id, text);
        return r;
    }
    QHash<QUuid, QString> quick(std::initializer_list<std::pair<QString, QString>> lists) const {
        return row(lists).values;
    }
};

const QDateTime now = utc(2024, 5, 6, 9);

} // namespace

TEST(BatchRules, PendingRowsCountsAndSaveTitle) {
    Sales s;
    const struct {
        const char* what;
        QList<BatchRow> rows;
        QHash<QUuid, QString> quick;
        qsizetype pending;
    } cases[] = {
        {"filled rows win over lists",
         {s.row({{u"item"_s, u"Чай"_s}}), s.row({{u"item"_s, u"  "_s}})},
         s.quick({{u"item"_s, u"a\nb"_s}}),
         1},
        {"blank rows give way to lists", {s.row({})}, s.quick({{u"item"_s, u"a\nb"_s}}), 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BatchEntry::pendingRows(s.journal, c.rows, c.quick).size(), c.pending) << c.what;

    // Two rows of one client make one group; a journal without group fields names none.
    Record tmpl = s.journal.newRecord(now);
    tmpl.setText(u"Иванов"_s, s.field(u"client"_s).id);
    const QList<Record> two =
        BatchBuilder::makeRecords(s.journal, tmpl,
                                  {s.row({{u"item"_s, u"a"_s}}), s.row({{u"item"_s, u"b"_s}})}, now)
            .records;
    EXPECT_EQ(BatchEntry::summary(s.journal, two), u"Будет создано: 2 заказа · 1 клиент"_s);
    Journal ungrouped = s.journal;
    for (FieldDef& f : ungrouped.fields)
        f.inGroup = false;
    EXPECT_EQ(BatchEntry::summary(ungrouped, two.first(1)), u"Будет создано: 1 заказ"_s);
    EXPECT_EQ(BatchEntry::summary(s.journal, QList<Record>{}), u"Заполните хотя бы одну строку"_s);
    EXPECT_EQ(BatchEntry::saveTitle(s.journal, 5),
              u"Сохранить 5 заказов  "_s + shortcutText(AppKeys::saveBatch()));
}

TEST(BatchRules, PlaceholdersOfListsAndCells) {
    Sales s;
    FieldDef size = fieldOf(FieldType::text, u"Размер"_s, u"p");
    size.prompt = u"например, 46"_s;
    EXPECT_EQ(BatchEntry::quickPlaceholder(s.journal, size), u"Размер: через запятую (например, 46)"_s);
    EXPECT_EQ(BatchEntry::quickPlaceholder(s.journal, s.field(u"amount"_s)),
              u"Сумма: через запятую, ₽"_s);
    Record tmpl;
    EXPECT_EQ(BatchEntry::rowPrompt(s.field(u"link"_s), tmpl), u"Ссылка"_s);
    tmpl.setText(u"https://example.com"_s, s.field(u"link"_s).id);
    EXPECT_EQ(BatchEntry::rowPrompt(s.field(u"link"_s), tmpl), u"общая ссылка"_s);
}

TEST(BatchRules, EveryRecordNeedsATextOrANumber) {
    Sales s;
    Record dated = s.journal.newRecord(now); // a status date, nothing else
    Record named = dated;
    named.setText(u"Иванов"_s, s.field(u"client"_s).id);
    Record counted = dated;
    counted.values.insert(idText(s.field(u"quantity"_s).id), FieldValue::ofNumber(0));
    EXPECT_FALSE(BatchEntry::canSave(s.journal, {}));
    EXPECT_FALSE(BatchEntry::canSave(s.journal, {named, dated}));
    EXPECT_TRUE(BatchEntry::canSave(s.journal, {named, counted}));
    EXPECT_FALSE(BatchEntry::canSave(journalOf({}), {named}));
}

TEST(BatchRules, RowLinesWarnThenNameStoredAndRepeatedValues) {
    Sales s;
    for (int i = 0; i < 3; ++i) {
        Record stored = typed({{&s.field(u"number"_s), u"ЗК-1"_s}, {&s.field(u"item"_s), u"Чай"_s}});
        stored.statusID = s.journal.statuses[1].id;
        s.journal.records.append(stored);
    }
    const DuplicateIndex index(s.journal);
    const Record tmpl = s.journal.newRecord(now);
    const QList<BatchRow> rows{
        s.row({{u"number"_s, u"Ёлка-1"_s}, {u"amount"_s, u"1,0"_s}}),
        s.row({}),
        s.row({{u"number"_s, u"  ёлка-1 "_s}, {u"amount"_s, u"x"_s}}),
        s.row({{u"number"_s, u"ЗК-1"_s}}),
        s.row({{u"number"_s, u"1,0"_s}}),
        s.row({{u"number"_s, u"1"_s}}),
        s.row({{u"number"_s, u" 1"_s}}),
    };
    const QList<BatchEntry::RowReview> review = BatchEntry::review(s.journal, index, tmpl, rows, now);
    ASSERT_EQ(review.size(), rows.size());
    EXPECT_EQ(review[0].lines(), QStringList());
    EXPECT_EQ(review[1].lines(), QStringList());
    EXPECT_EQ(review[2].lines(), (QStringList{u"«x» в поле «Сумма» не число"_s,
                                              u"Номер заказа «  ёлка-1 » повторяется в этой форме"_s}));
    // Two of the three stored records, with their status.
    EXPECT_EQ(review[3].lines(),
              QStringList(2, u"Номер заказа «ЗК-1» уже есть: Чай, Номер заказа ЗК-1 — Оплачен"_s));
    // Compared as typed: "1" is not "1,0".
    EXPECT_EQ(review[4].lines(), QStringList());
    EXPECT_EQ(review[5].lines(), QStringList());
    EXPECT_EQ(review[6].lines(), QStringList{u"Номер заказа « 1» повторяется в этой форме"_s});

    const QStringList all = BatchEntry::allDuplicateMessages(s.journal, index, tmpl, rows, {}, now);
    EXPECT_EQ(all.size(), 4);
    QStringList ten;
    for (int i = 0; i < 10; ++i)
        ten.append(QString::number(i));
    EXPECT_EQ(BatchEntry::duplicateAlertText(ten),
              u"• 0\n• 1\n• 2\n• 3\n• 4\n• 5\n• 6\n• 7\n\nЕсли дубли намеренные, записи можно сохранить."_s);
}
