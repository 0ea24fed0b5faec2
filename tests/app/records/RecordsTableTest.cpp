#include "app/records/RecordsTable.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Records;

namespace {

FieldDef shown(FieldType type, const QString& name, bool inTable = true) {
    FieldDef f = fieldOf(type, name);
    f.showInTable = inTable;
    return f;
}

} // namespace

// Widths come by type, except the title's column, which is as wide as a title whatever its type.
TEST(RecordsTable, ColumnsAndTheTitlesWidth) {
    const QList<FieldDef> fields{shown(FieldType::longText, u"Описание"_s), shown(FieldType::text, u"Имя"_s),
                                 shown(FieldType::number, u"Сумма"_s),
                                 shown(FieldType::text, u"Скрыто"_s, false)};
    Journal journal = journalOf(fields);
    const struct {
        std::optional<QUuid> titleFieldID;
        QList<int> ideal; // of the long text and the text column
    } cases[] = {
        {std::nullopt, {200, 170}}, // the first text field stands in for the title
        {fields[0].id, {170, 115}},
        {fields[3].id, {200, 115}}, // a title that is not shown
    };
    for (const auto& c : cases) {
        journal.titleFieldID = c.titleFieldID;
        QStringList headers;
        QList<int> ideal;
        for (const RecordsColumn& column : RecordsTable::columns(journal)) {
            headers.append(column.header);
            ideal.append(column.idealWidth);
        }
        EXPECT_EQ(headers, (QStringList{u"Статус"_s, u"Описание"_s, u"Имя"_s, u"Сумма"_s}));
        EXPECT_EQ(ideal.mid(1, 2), c.ideal);
    }
    EXPECT_EQ(RecordsTable::columns(journalOf({})).size(), 1) << "the status column alone";
}

TEST(RecordsTable, HeaderClicksBuildTheSortOrder) {
    const FieldDef name = fieldOf(FieldType::text), amount = fieldOf(FieldType::number);
    const Journal journal = journalOf({name, amount}, {statusNamed(u"Новый"_s)});
    const QList<RecordsColumn> columns = RecordsTable::columns(journal);
    using K = RecordSort::Key;
    const auto F = SortOrder::forward, R = SortOrder::reverse;
    const struct {
        int clicked;
        QList<std::pair<K, SortOrder>> order;
        std::optional<RecordsTable::SortIndicator> indicator;
    } steps[] = {
        {2,
         {{K::field(amount.id, FieldType::number), F}, {K::created(), R}},
         RecordsTable::SortIndicator{2, F}},
        {2,
         {{K::field(amount.id, FieldType::number), R}, {K::created(), R}},
         RecordsTable::SortIndicator{2, R}},
        {0, {{K::status(), F}, {K::field(amount.id, FieldType::number), R}, {K::created(), R}}, {{0, F}}},
        // A column further back comes to the front going forward again; the others keep their order.
        {2, {{K::field(amount.id, FieldType::number), F}, {K::status(), F}, {K::created(), R}}, {{2, F}}},
    };
    QList<RecordSort> order{RecordSort::initial()};
    EXPECT_EQ(RecordsTable::indicator(order, columns), std::nullopt) << "creation time has no column";
    for (const auto& step : steps) {
        order = RecordsTable::clickedHeader(order, columns[step.clicked].sort);
        QList<std::pair<K, SortOrder>> keys;
        for (const RecordSort& sort : order)
            keys.append({sort.key, sort.order});
        EXPECT_EQ(keys, step.order) << "after a click on column " << step.clicked;
        EXPECT_EQ(RecordsTable::indicator(order, columns), step.indicator);
    }
}

TEST(RecordsTable, TheOrderReadsTheJournalAsItIsNow) {
    const FieldDef amount = fieldOf(FieldType::text);
    Journal journal = journalOf({amount}, {statusNamed(u"А"_s), statusNamed(u"Б"_s)});
    const QList<RecordSort> order{RecordSort::byField(amount), RecordSort::byStatus(journal)};
    // Since the clicks the field became a number and the statuses swapped places.
    journal.fields[0].type = FieldType::number;
    journal.statuses.swapItemsAt(0, 1);
    const QList<RecordSort> now = RecordsTable::current(order, journal);
    EXPECT_EQ(now[0], RecordSort::byField(journal.fields[0]));
    EXPECT_EQ(now[1], RecordSort::byStatus(journal));
    EXPECT_EQ(RecordsTable::indicator(now, RecordsTable::columns(journal)),
              (RecordsTable::SortIndicator{1, SortOrder::forward}));
}
