#include "core/journal/Batch.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace TestSupport;

TEST(BatchSplitting, EachSplitterCutsAtItsOwnCharacters) {
    using Split = QStringList (*)(const QString&);
    const struct {
        const char* what;
        Split split;
        QString text;
        QStringList items;
    } cases[] = {
        {"sizes by comma", BatchBuilder::parseSizes, "S, M ,L", {"S", "M", "L"}},
        {"sizes by blanks", BatchBuilder::parseSizes, "S M\u00A0L", {"S", "M", "L"}},
        {"blanks stay once a comma is there", BatchBuilder::parseSizes, "42 44, 46;;x", {"42 44", "46", "x"}},
        {"lines", BatchBuilder::parseSizes, "x 1\r\nx 2\n\nx 3", {"x 1", "x 2", "x 3"}},
        // Without one of the four separators, a carriage return is no blank and stays inside.
        {"lone carriage return", BatchBuilder::parseSizes, "a\rb c", {"a\rb", "c"}},
        {"links joined by comma", BatchBuilder::parseLinks, "a.ru/1,b.ru/2 c.ru;", {"a.ru/1,b.ru/2", "c.ru"}},
        {"links on lines", BatchBuilder::parseLinks, ";a.ru\r\n\u2028b.ru ,;", {"a.ru", "b.ru"}},
        {"lines trimmed",
         BatchBuilder::parseLines,
         "  Красная футболка \r\n\r\n\tСиняя\u2029Белая\u000B",
         {"Красная футболка", "Синяя", "Белая"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.split(c.text), c.items) << c.what;
}

TEST(BatchRows, ListsSplitByTypeAndRowsAsLongAsTheLongestList) {
    const FieldDef name = fieldOf(FieldType::text, "Название", u"p"),
                   size = fieldOf(FieldType::number, "Размер", u"p"),
                   link = fieldOf(FieldType::link, "Ссылка", u"p"),
                   note = fieldOf(FieldType::longText, "Заметка", u"p");
    const QList<FieldDef> fields{name, size, link, note};
    const struct {
        const char* what;
        QHash<QUuid, QString> lists;
        QList<QHash<QUuid, QString>> rows;
    } cases[] = {
        {"words without a line feed", {{name.id, "red green"}}, {{{name.id, "red"}}, {{name.id, "green"}}}},
        {"lines keep their words",
         {{name.id, "red green\nblue"}, {note.id, "one two"}},
         {{{name.id, "red green"}, {note.id, "one two"}}, {{name.id, "blue"}}}},
        {"shorter list leaves later cells empty",
         {{name.id, "a\r\nb"}, {size.id, "42, 44, 46"}, {link.id, "x.ru y.ru"}},
         {{{name.id, "a"}, {size.id, "42"}, {link.id, "x.ru"}},
          {{name.id, "b"}, {size.id, "44"}, {link.id, "y.ru"}},
          {{size.id, "46"}}}},
        {"blank lists", {{name.id, "  "}, {size.id, ",;"}}, {}},
        // Pasted from a table, sums keep their decimal commas; typed on one line, commas part them.
        {"numbers on lines",
         {{size.id, "15 461,25\r\n1200,5\t7;8,75\n"}},
         {{{size.id, "15 461,25"}}, {{size.id, "1200,5"}}, {{size.id, "7"}}, {{size.id, "8,75"}}}},
    };
    for (const auto& c : cases) {
        const QList<BatchRow> rows = BatchBuilder::makeRows(c.lists, fields);
        ASSERT_EQ(rows.size(), c.rows.size()) << c.what;
        QSet<QUuid> ids;
        for (qsizetype i = 0; i < rows.size(); ++i) {
            EXPECT_EQ(rows[i].values, c.rows[i]) << c.what << " row " << i;
            ids.insert(rows[i].id);
        }
        EXPECT_EQ(ids.size(), rows.size()) << c.what;
    }
    EXPECT_TRUE(BatchBuilder::makeRows({{name.id, "a"}}, {}).isEmpty());
}

TEST(BatchRows, TypedSumsKeepTheirKopecksWhenTheListIsPartedOtherwise) {
    const FieldDef sum = fieldOf(FieldType::number, "Сумма", u"p");
    const struct {
        QString typed;
        QStringList cells;
    } cases[] = {
        {"87 764,15, 1 250,50, 99,99", {"87 764,15", "1 250,50", "99,99"}},
        {"42,5; 44", {"42,5", "44"}},
        {"1,5 ;2,25;", {"1,5", "2,25"}},
        {"10,5 ,20", {"10,5", "20"}},
        {",7,5", {"7,5"}},
        {"100, 200,", {"100", "200"}},
        // Bare commas alone, or blanks alone, part every item.
        {"100,200,300", {"100", "200", "300"}},
        {"1,2,3", {"1", "2", "3"}},
        {"1 250,50", {"1 250", "50"}},
        // A pasted column keeps every comma inside its items.
        {"87 764,15\n1,5, 2", {"87 764,15", "1,5, 2"}},
    };
    for (const auto& c : cases) {
        QStringList cells;
        for (const BatchRow& row : BatchBuilder::makeRows({{sum.id, c.typed}}, {sum}))
            cells.append(row.values.value(sum.id));
        EXPECT_EQ(cells, c.cells) << c.typed.toStdString();
    }
}

TEST(BatchRecords, CopiesTheTemplateAndAssignsEachRow) {
    Journal j;
    const FieldDef name = fieldOf(FieldType::text, "Название", u"p"),
                   price = fieldOf(FieldType::number, "Цена", u"p"),
                   link = fieldOf(FieldType::link, "Ссылка", u"p");
    const FieldDef shared = fieldOf(FieldType::text, "Поставщик");
    j.fields = {name, shared, price, link};
    j.statuses = {statusNamed("Новый")};

    Record tmpl;
    tmpl.id = QUuid::createUuid();
    tmpl.statusID = j.statuses[0].id;
    tmpl.createdAt = tmpl.updatedAt = utc(2020, 1, 1);
    tmpl.setText("  Общий  ", shared.id);
    tmpl.setText("Шаблон", name.id);
    tmpl.setText("https://example.com/all", link.id);

    const QDateTime now = utc(2024, 6, 1, 12);
    const QList<BatchRow> rows{
        {QUuid::createUuid(), {{name.id, " Первый "}, {price.id, "abc"}, {link.id, " \n"}}},
        {QUuid::createUuid(), {{name.id, "\t"}, {price.id, " "}}}, // blank: skipped
        {QUuid::createUuid(), {{price.id, "12,5"}, {link.id, "example.com/own"}}},
        {QUuid::createUuid(), {{name.id, "Третий"}, {price.id, "x1"}}},
    };
    const BatchBuilder::Records out = BatchBuilder::makeRecords(j, tmpl, rows, now);
    ASSERT_EQ(out.records.size(), 3);
    EXPECT_EQ(out.warnings, (QStringList{"«abc» в поле «Цена» не число", "«x1» в поле «Цена» не число"}));

    QSet<QUuid> ids{tmpl.id};
    for (const Record& r : out.records) {
        ids.insert(r.id);
        EXPECT_EQ(r.createdAt, now);
        EXPECT_EQ(r.updatedAt, now);
        EXPECT_EQ(r.statusID, tmpl.statusID);
        EXPECT_EQ(r.text(shared.id), "Общий"); // normalised
    }
    EXPECT_EQ(ids.size(), 4);

    EXPECT_EQ(out.records[0].text(name.id), "Первый");
    EXPECT_FALSE(out.records[0].number(price.id));
    EXPECT_EQ(out.records[0].text(link.id), "https://example.com/all"); // a blank link keeps the template's
    EXPECT_EQ(out.records[1].text(name.id), QString());                 // a blank text clears it
    EXPECT_EQ(out.records[1].number(price.id), 12.5);
    EXPECT_EQ(out.records[1].text(link.id), "https://example.com/own");
    EXPECT_EQ(out.records[2].text(name.id), "Третий");
}
