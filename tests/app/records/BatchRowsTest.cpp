#include "app/records/BatchRows.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "app/records/BatchEntry.h"
#include "core/journal/DuplicateIndex.h"
#include "core/templates/Templates.h"

#include <QRandomGenerator>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Records;

namespace {

const QDateTime now = utc(2024, 5, 6, 9);

// The sales journal with three stored orders "ЗК-1": the order number is unique and per item, the client
// makes the groups.
struct Sheet {
    Journal journal = Templates::sales();
    std::optional<DuplicateIndex> index;
    Record tmpl;

    Sheet() {
        for (int i = 0; i < 3; ++i)
            journal.records.append(typed({{&field(u"number"_s), u"ЗК-1"_s}, {&field(u"item"_s), u"Чай"_s}}));
        index.emplace(journal);
        tmpl = journal.newRecord(now);
    }
    const FieldDef& field(const QString& key) const {
        return *std::find_if(journal.fields.cbegin(), journal.fields.cend(),
                             [&](const FieldDef& f) { return f.key == key; });
    }
    BatchRows rows() const {
        return BatchRows(journal, *index, tmpl, [] { return now; });
    }
    BatchRow numbered(const QString& number) const {
        BatchRow row{QUuid::createUuid(), {}};
        if (!number.isEmpty())
            row.values.insert(field(u"number"_s).id, number);
        return row;
    }
};

// What the rows would show and count if every row were reviewed afresh.
void expectAsIfReviewedAfresh(const Sheet& s, const BatchRows& rows, const char* step) {
    const QList<BatchEntry::RowReview> afresh =
        BatchEntry::review(s.journal, *s.index, rows.templateRecord(), rows.rows(), now);
    for (qsizetype i = 0; i < rows.size(); ++i)
        ASSERT_EQ(rows.lines(i), afresh[i].lines()) << step << ", row " << i;
    const QList<Record> records =
        BatchBuilder::makeRecords(s.journal, rows.templateRecord(),
                                  BatchEntry::pendingRows(s.journal, rows.rows(), {}), now)
            .records;
    const BatchTotals expected = BatchEntry::totals(s.journal, records);
    const BatchTotals kept = rows.totals();
    EXPECT_EQ(std::tuple(kept.records, kept.groups, kept.savable),
              std::tuple(expected.records, expected.groups, expected.savable))
        << step;
    EXPECT_EQ(rows.duplicateLines(), BatchEntry::allDuplicateMessages(
                                         s.journal, *s.index, rows.templateRecord(), rows.rows(), {}, now))
        << step;
}

} // namespace

// Typing in one row reports the rows whose lines changed: the row itself, and the later rows whose value
// starts or stops repeating an earlier one.
TEST(BatchRows, AnEditNamesTheRowsItChanges) {
    const struct {
        const char* what;
        QStringList numbers;
        qsizetype row;
        QString typed;
        QList<qsizetype> changed;
    } cases[] = {
        {"the first of three equal values changes", {u"A"_s, u"B"_s, u"A"_s, u"A"_s}, 0, u"C"_s, {0, 2}},
        {"a value comes to repeat an earlier one", {u"A"_s, u"B"_s, u"A"_s}, 1, u" a"_s, {1}},
        {"the earlier of two values comes to repeat", {u"B"_s, u"A"_s, u"A"_s}, 0, u"a"_s, {0, 1}},
        {"a blank row takes a value no one has", {u"A"_s, QString(), u"A"_s}, 1, u"x"_s, {1}},
        {"a row is blanked", {u"A"_s, u"A"_s, u"A"_s}, 0, u"  "_s, {0, 1}},
    };
    const Sheet s;
    for (const auto& c : cases) {
        BatchRows rows = s.rows();
        QList<BatchRow> made;
        for (const QString& n : c.numbers)
            made.append(s.numbered(n));
        rows.append(made);
        QList<qsizetype> changed = rows.setCell(made[c.row].id, s.field(u"number"_s).id, c.typed);
        std::sort(changed.begin(), changed.end());
        EXPECT_EQ(changed, c.changed) << c.what;
        expectAsIfReviewedAfresh(s, rows, c.what);
    }
    BatchRows rows = s.rows();
    EXPECT_TRUE(rows.setCell(QUuid::createUuid(), s.field(u"number"_s).id, u"x"_s).isEmpty());
    EXPECT_FALSE(rows.remove(QUuid::createUuid()));
}

// Rows added, typed in, blanked, deleted and shared values changed in any order: what the rows keep is
// always what a review of the whole batch would give, and every row whose lines changed is reported.
TEST(BatchRows, KeptReviewsMatchAFreshReviewThroughAnyEdits) {
    const Sheet s;
    const QStringList texts{u"ЗК-1"_s, u"зк-1 "_s, u"ЗК-2"_s, u"x"_s, u"1,0"_s, u"1"_s, u"  "_s, QString()};
    const QStringList clients{QString(), u"Иванов"_s, u"Петров"_s};
    const QList<QString> keys{u"number"_s, u"item"_s, u"amount"_s};
    for (const quint32 seed : {1u, 2u, 3u}) {
        QRandomGenerator random(seed);
        BatchRows rows = s.rows();
        const auto pick = [&](const auto& list) { return list[random.bounded(int(list.size()))]; };
        for (int step = 0; step < 120; ++step) {
            const std::string where = "seed " + std::to_string(seed) + ", step " + std::to_string(step);
            QList<QStringList> before;
            for (qsizetype i = 0; i < rows.size(); ++i)
                before.append(rows.lines(i));
            const int action = rows.isEmpty() ? 0 : random.bounded(10);
            if (action == 0) {
                QList<BatchRow> made;
                for (int k = random.bounded(1, 4); k > 0; --k) {
                    BatchRow row{QUuid::createUuid(), {}};
                    for (const QString& key : keys)
                        row.values.insert(s.field(key).id, pick(texts));
                    made.append(row);
                }
                rows.append(made, random.bounded(4) == 0);
            } else if (action == 1) {
                rows.remove(rows.at(random.bounded(int(rows.size()))).id);
            } else if (action == 2) {
                Record tmpl = rows.templateRecord();
                tmpl.setText(pick(clients), s.field(u"client"_s).id);
                rows.setTemplate(tmpl);
            } else {
                const qsizetype row = random.bounded(int(rows.size()));
                const QList<qsizetype> changed =
                    rows.setCell(rows.at(row).id, s.field(pick(keys)).id, pick(texts));
                for (qsizetype i = 0; i < rows.size(); ++i) {
                    ASSERT_TRUE(rows.lines(i) == before[i] || changed.contains(i))
                        << where << ": row " << i << " changed unreported";
                }
            }
            expectAsIfReviewedAfresh(s, rows, where.c_str());
            if (HasFatalFailure())
                return;
        }
    }
}
