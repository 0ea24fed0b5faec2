#include "core/csv/CSVService.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "core/csv/CSVImport.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

const QByteArray utf8Mark = bytes({0xEF, 0xBB, 0xBF});

} // namespace

TEST(CSVDecode, EncodingsAndMarks) {
    const struct {
        const char* name;
        QByteArray input;
        std::optional<QString> expected;
    } cases[] = {
        {"UTF-8 mark dropped", utf8Mark + "a", u"a"_s},
        {"a second U+FEFF after the mark goes too, a third stays", utf8Mark + utf8Mark + utf8Mark + "a",
         u"\uFEFFa"_s},
        {"invalid UTF-8 after the mark has no fallback", utf8Mark + bytes({0xD2, 0xEE, 0xE2}), std::nullopt},
        {"Windows-1251 without a mark", bytes({0xD2, 0xEE, 0xE2, 0xE0, 0xF0, 0x3B, 0x31}), u"Товар;1"_s},
        {"truncated UTF-8 reads as Windows-1251", bytes({0x61, 0xE2}), u"aв"_s},
        {"overlong form is not UTF-8", bytes({0xC0, 0xAF}), u"АЇ"_s},
        {"UTF-16LE", bytes({0xFF, 0xFE, 0x61, 0x00, 0x1F, 0x04}), u"aП"_s},
        {"UTF-16BE with a second mark keeps it", bytes({0xFE, 0xFF, 0xFE, 0xFF, 0x00, 0x61}), u"\uFEFFa"_s},
        {"UTF-16 odd length", bytes({0xFF, 0xFE, 0x61, 0x00, 0x62}), std::nullopt},
        {"UTF-16 lone high surrogate", bytes({0xFF, 0xFE, 0x3D, 0xD8, 0x61, 0x00}), std::nullopt},
        {"UTF-16 lone low surrogate", bytes({0xFE, 0xFF, 0xDE, 0x00}), std::nullopt},
        {"a NUL byte is no text", QByteArray("a;b\0c", 5), std::nullopt},
        {"nor a NUL character in UTF-16", bytes({0xFF, 0xFE, 0x61, 0x00, 0x00, 0x00}), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSVService::decode(c.input), c.expected) << c.name;
}

TEST(CSVDecode, AsciiAndEveryHighByteReadAsWindows1251) {
    QByteArray all;
    for (int b = 1; b < 256; ++b)
        all.append(char(b));
    const std::optional<QString> text = CSVService::decode(all);
    ASSERT_TRUE(text);
    EXPECT_EQ(text->size(), 255);
    EXPECT_EQ(text->left(0x7F), QString::fromLatin1(all.left(0x7F)));
    EXPECT_EQ(text->mid(0x97, 1), u"\u0098"); // unassigned in Windows-1251, kept as its own code
    EXPECT_EQ(text->mid(0x9F, 2), u"\u00A0Ў");
    EXPECT_EQ(text->mid(0xDF), u"абвгдежзийклмнопрстуфхцчшщъыьэюя");
}

// Delimiter and rows are read against a plain reading of the rules by the CSV fuzz target; here the choices
// that reading makes.
TEST(CSVParse, DelimiterAndCellsByWholeCharacters) {
    EXPECT_EQ(CSVService::detectDelimiter(u"a\tb,c"_s), u','); // a tie below ";": the comma
    EXPECT_EQ(CSVService::detectDelimiter(u"\"x\ny,z,w\";a;b\nc,d,e,f"_s), u';'); // a quoted line break
    EXPECT_EQ(CSVService::detectDelimiter(u"a,\u0301b,\u0301c;d"_s), u';');       // a comma joined by a mark
    using Rows = QList<QStringList>;
    const struct {
        const char* name;
        QString text;
        Rows rows;
    } cases[] = {
        // clang-format off
        {"quotes undone, also in the next row", u"\"a\"\"b\";a\"b;\"ab\"c\r\n\"a;b\nc\";\"d"_s,
         {{u"a\"b"_s, u"a\"b"_s, u"abc"_s}, {u"a;b\nc"_s, u"d"_s}}},
        {"marks joining a separator or a quote", u"a;\u0301b;\"\u0301x\""_s, {{u"a;\u0301b"_s, u"\"\u0301x\""_s}}},
        {"a joined separator after a quoted part", u"\"x\";\u0301y;z"_s, {{u"x;\u0301y"_s, u"z"_s}}},
        {"line ends of every kind, blank lines kept", u"a\rb\n\r\nc\r\n\r\n"_s,
         {{u"a"_s}, {u"b"_s}, {QString()}, {u"c"_s}, {QString()}}},
        {"quoted line ends stay in the cell", u"\"1\r\n2\r3\";x\r\ny"_s, {{u"1\r\n2\r3"_s, u"x"_s}, {u"y"_s}}},
        {"a mark in a quoted cell before its line end", u"\"a\u0301\"\r\nb"_s, {{u"a\u0301"_s}, {u"b"_s}}},
        {"a leading U+FEFF is an ordinary character", u"\uFEFF;\uFEFFa"_s, {{u"\uFEFF"_s, u"\uFEFFa"_s}}},
        {"quotes only; a last lone quote adds no row", u"\"\";\"\"\"\";\"\"\"a\"\n\""_s, {{QString(), u"\""_s, u"\"a"_s}}},
        {"an unterminated quote runs to the end", u"a;\"b;\r\nc"_s, {{u"a"_s, u"b;\r\nc"_s}}},
        {"a last empty cell, no last empty row", u"x;\r\n;"_s, {{u"x"_s, QString()}, {QString(), QString()}}},
        {"no text, no rows", QString(), {}},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSVService::parseRows(c.text, u';'), c.rows) << c.name;
}

namespace {

struct ExportFixture {
    Journal journal;
    FieldDef product = TestSupport::fieldOf(FieldType::text, u"Товар"_s),
             sum = TestSupport::fieldOf(FieldType::number, u"Сумма"_s),
             date = TestSupport::fieldOf(FieldType::date, u"Дата"_s),
             paid = TestSupport::fieldOf(FieldType::checkbox, u"Оплачено"_s);
    StatusDef status = TestSupport::statusNamed(u"Оплачен"_s);

    ExportFixture() { journal = TestSupport::journalOf({product, sum, date, paid}, {status}); }

    Record record(const QString& id,
                  std::initializer_list<std::pair<const FieldDef*, FieldValue>> values) const {
        Record r;
        r.id = QUuid::fromString(id);
        for (const auto& [field, value] : values)
            r.values.insert(idText(field->id), value);
        return r;
    }
};

const QString recordID = u"0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0"_s;

} // namespace

TEST(CSVExport, WorkedExampleBytes) {
    ExportFixture f;
    Record r = f.record(recordID, {{&f.product, FieldValue::ofText(u"Чай \"Зелёный\""_s)},
                                   {&f.sum, FieldValue::ofNumber(1250.5)},
                                   {&f.date, FieldValue::ofDate(TestSupport::utc(2024, 3, 4, 21, 30))},
                                   {&f.paid, FieldValue::ofFlag(true)}});
    r.statusID = f.status.id;
    f.journal.records = {r};
    const QByteArray expected = "\xEF\xBB\xBF"
                                "Товар;Сумма;Дата;Оплачено;Статус;ID\r\n"
                                "\"Чай \"\"Зелёный\"\"\";\"1250,5\";05.03.2024;да;Оплачен;"
                                "0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0\r\n";
    EXPECT_EQ(CSVService::exportData(f.journal, std::nullopt, Calendar{TestSupport::zone("Europe/Moscow")}),
              expected);
    // The same instant falls on the day before in UTC.
    EXPECT_TRUE(CSVService::exportJournal(f.journal, std::nullopt, Calendar{QTimeZone::utc()})
                    .contains(u";04.03.2024;"));
}

TEST(CSVExport, CellsByType) {
    ExportFixture f;
    const struct {
        const FieldDef* field;
        FieldValue value;
        QString cell;
    } cases[] = {
        // Cells are display values (tested with the journal's logic), quoted when they hold a comma.
        {&f.sum, FieldValue::ofNumber(2.5), u"\"2,5\""_s},
        {&f.product, FieldValue::ofText(u"две\r\nстроки"_s), u"\"две\r\nстроки\""_s},
        {&f.product, FieldValue::ofText(u"а;б"_s), u"\"а;б\""_s},
        {&f.product, FieldValue::ofText(u"а\tб"_s), u"\"а\tб\""_s},
        {&f.product, FieldValue::ofText(u"\"\""_s), u"\"\"\"\"\"\""_s},
        {&f.product, FieldValue::ofText(u" как есть "_s), u" как есть "_s},
    };
    for (const auto& c : cases) {
        f.journal.records = {f.record(recordID, {{c.field, c.value}})};
        QStringList cells(4);
        cells[f.journal.fields.indexOf(*c.field)] = c.cell;
        const QString expected =
            u"Товар;Сумма;Дата;Оплачено;Статус;ID\r\n"_s + cells.join(u';') + u";;"_s + recordID + u"\r\n"_s;
        EXPECT_EQ(CSVService::exportJournal(f.journal), expected) << c.cell.toStdString();
    }
}

TEST(CSVExport, RecordsHeaderAndStatus) {
    ExportFixture f;
    Record first = f.record(u"00000000-0000-0000-0000-000000000001"_s, {});
    first.statusID = QUuid::createUuid(); // a status that no longer exists
    Record second = f.record(u"00000000-0000-0000-0000-000000000002"_s, {});
    second.statusID = f.status.id;
    Record third = f.record(u"00000000-0000-0000-0000-000000000003"_s, {});
    f.journal.records = {first, second, third};
    const QString header = u"Товар;Сумма;Дата;Оплачено;Статус;ID\r\n"_s;

    EXPECT_EQ(CSVService::exportJournal(f.journal, QList<Record>{}), header);
    EXPECT_EQ(CSVService::exportJournal(f.journal, QList<Record>{third, second}),
              header + u";;;;;00000000-0000-0000-0000-000000000003\r\n"
                       u";;;;Оплачен;00000000-0000-0000-0000-000000000002\r\n"_s);
    EXPECT_EQ(CSVService::exportJournal(f.journal),
              header + u";;;;;00000000-0000-0000-0000-000000000001\r\n"
                       u";;;;Оплачен;00000000-0000-0000-0000-000000000002\r\n"
                       u";;;;;00000000-0000-0000-0000-000000000003\r\n"_s);

    Journal bare;
    bare.statuses = {f.status};
    bare.records = {second};
    EXPECT_EQ(CSVService::exportJournal(bare),
              u"Статус;ID\r\nОплачен;00000000-0000-0000-0000-000000000002\r\n");

    f.journal.fields[0].name = u"Товар, шт"_s;
    f.journal.fields[1].name = u"Сумма \"итого\""_s;
    f.journal.statuses[0].name = u"Оплачен; частично"_s;
    EXPECT_EQ(CSVService::exportJournal(f.journal, QList<Record>{second}),
              u"\"Товар, шт\";\"Сумма \"\"итого\"\"\";Дата;Оплачено;Статус;ID\r\n"
              u";;;;\"Оплачен; частично\";00000000-0000-0000-0000-000000000002\r\n");
}

// A NUL (only a hand-edited data file holds one) would make the whole export read as a binary file: every
// cell is written without it, so the export imports again.
TEST(CSVExport, LeavesNulOutSoItImportsAgain) {
    ExportFixture f;
    f.journal.fields[0].name = u"Тов\0ар"_s;
    f.journal.statuses[0].name = u"Оплачен\0"_s;
    Record r = f.record(recordID, {{&f.product, FieldValue::ofText(u"\0Чай\0 \"зелёный\";\0"_s)}});
    r.statusID = f.status.id;
    f.journal.records = {r};
    const std::optional<QString> text = CSVService::decode(CSVService::exportData(f.journal));
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, u"Товар;Сумма;Дата;Оплачено;Статус;ID\r\n\"Чай \"\"зелёный\"\";\";;;;Оплачен;"_s +
                         recordID + u"\r\n"_s);
    f.journal.records.clear();
    QString error;
    const std::optional<ImportResult> result = CSVService::prepareImport(
        *text, f.journal, DateFormat::defaultCalendar(), [] { return TestSupport::utc(2024, 1, 1); }, &error);
    ASSERT_TRUE(result && result->rows.size() == 1) << error.toStdString();
    EXPECT_EQ(result->rows[0].record.text(f.product.id), u"Чай \"зелёный\";");
    EXPECT_EQ(result->rows[0].record.statusID, f.status.id);
    EXPECT_TRUE(result->rows[0].warnings().isEmpty() && result->rows[0].include);
}
