#include "core/csv/CSVImport.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;

void PrintTo(const DuplicateKind& kind, std::ostream* os) {
    *os << kind.description().toStdString();
}

namespace {

const Calendar moscow{zone("Europe/Moscow")};
const QDateTime importTime = utc(2024, 3, 5, 9, 30);
QDateTime importClock() {
    return importTime;
}

// Order number (unique; aliases Заказ and Клиент), client (group, title), size (identity choice of S and M),
// sum, two dates, a checkbox; the statuses Новый (order date), Оплачен (payment date, fills the previous
// dates) and Отгружен (no date).
struct Fixture {
    FieldDef order = fieldOf(FieldType::text, u"Номер заказа"_s),
             client = fieldOf(FieldType::text, u"Клиент"_s), size = fieldOf(FieldType::choice, u"Размер"_s),
             sum = fieldOf(FieldType::number, u"Сумма"_s),
             ordered = fieldOf(FieldType::date, u"Дата заказа"_s),
             paidOn = fieldOf(FieldType::date, u"Дата оплаты"_s),
             paid = fieldOf(FieldType::checkbox, u"Оплачено"_s);
    Journal journal;

    Fixture() {
        order.isUnique = client.inGroup = size.inIdentity = true;
        order.aliases = {u"Заказ"_s, u"Клиент"_s};
        size.options = {u"S"_s, u"M"_s};
        journal.fields = {order, client, size, sum, ordered, paidOn, paid};
        journal.titleFieldID = client.id;
        journal.statuses = {StatusDef{QUuid::createUuid(), u"Новый"_s, AppColor::gray, ordered.id, false},
                            StatusDef{QUuid::createUuid(), u"Оплачен"_s, AppColor::green, paidOn.id, true},
                            StatusDef{QUuid::createUuid(), u"Отгружен"_s, AppColor::blue, {}, true}};
    }
    Record stored(const QList<std::pair<const FieldDef*, QString>>& texts) {
        Record& r = journal.records.emplace_back();
        r.id = QUuid::createUuid();
        for (const auto& [field, text] : texts)
            Journal::assign(text, *field, r, moscow, importClock);
        return r;
    }
    ImportResult prepare(const QString& text) const {
        QString error;
        std::optional<ImportResult> result =
            CSVService::prepareImport(text, journal, moscow, importClock, &error);
        EXPECT_TRUE(result) << error.toStdString();
        return result.value_or(ImportResult{});
    }
    std::optional<QString> errorOf(const QString& text) const {
        QString error;
        if (CSVService::prepareImport(text, journal, moscow, importClock, &error))
            return std::nullopt;
        return error;
    }
    QUuid status(int i) const { return journal.statuses[i].id; }
};

} // namespace

TEST(CSVImport, HeaderCellsBecomeColumns) {
    Fixture f;
    const FieldDef capacity = fieldOf(FieldType::text, u"Емкость"_s);
    FieldDef dots = fieldOf(FieldType::text, u"..."_s);
    dots.aliases = {u"точки"_s};
    f.journal.fields += {capacity, dots};
    const struct {
        QString header;
        QStringList recognized, ignored;
    } cases[] = {
        // clang-format off
        {u"дата оплаты;ДАТА_ОПЛАТЫ;дата-оплаты"_s, {u"дата оплаты"_s}, {u"ДАТА_ОПЛАТЫ"_s, u"дата-оплаты"_s}},
        {u" Клиент ;заказ;Ёмкость;...;Точки!"_s, {u"Клиент"_s, u"заказ"_s, u"Ёмкость"_s, u"Точки!"_s}, {u"..."_s}},
        {u"Сумма;Статус;Status;ID;uuid;;Прочее"_s, {u"Сумма"_s, u"Статус"_s, u"ID"_s}, {u"Status"_s, u"uuid"_s, u"Прочее"_s}},
        {u"Сумма,Идентификатор,Состояние"_s, {u"Сумма"_s, u"Идентификатор"_s, u"Состояние"_s}, {}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const ImportResult r = f.prepare(c.header + u"\n"_s);
        EXPECT_EQ(r.recognizedColumns, c.recognized);
        EXPECT_EQ(r.ignoredColumns, c.ignored);
        EXPECT_TRUE(r.rows.isEmpty());
    }
    // "Клиент" is an alias of the first field and the name of the second: names come first.
    const Record r = f.prepare(u"Клиент;Заказ;Ёмкость;Точки\nИван;А-1;5 л;...\n"_s).rows.value(0).record;
    EXPECT_EQ((QStringList{r.text(f.client.id), r.text(f.order.id), r.text(capacity.id), r.text(dots.id)}),
              (QStringList{u"Иван"_s, u"А-1"_s, u"5 л"_s, u"..."_s}));
}

TEST(CSVImport, FilesThatCannotBeImported) {
    Fixture f;
    for (const QString& text : {u""_s, u"\n\n"_s, u" ; \n\t;\r\n"_s})
        EXPECT_EQ(f.errorOf(text), CSVImportError::empty().errorDescription());

    EXPECT_EQ(
        f.errorOf(u"\n Статус ;;ID;Прочее\nОплачен;;;\n"_s),
        u"Не удалось распознать заголовки. Ожидаются столбцы: Номер заказа, Клиент, Размер, Сумма, Дата "
        u"заказа, Дата оплаты, Оплачено. Найдено: Статус, , ID, Прочее"_s);
    f.journal.fields.clear();
    EXPECT_EQ(f.errorOf(u"Клиент\nИван\n"_s),
              CSVImportError::noKnownColumns({u"Клиент"_s}, {}).errorDescription());
}

TEST(CSVImport, RowsValuesWarningsAndStatuses) {
    Fixture f;
    const QString huge(1 << 20, u'я');
    const ImportResult r =
        f.prepare(u"Клиент;Сумма;Размер;Дата заказа;Дата оплаты;Статус;Оплачено\r\n\r\n ; ;\r\n"
                  u"Иван;12,5;M;01.03.2024;;Оплачено\r\n"
                  u"Пётр;много;XL;;;Новы\r\n"
                  u"\"Анна\nСмирнова\";;;01.03.2024;02.03.2024\r\n"
                  u"Олег;1;S;вчера;05.03.24;Отгружен;да;лишняя\r\n"
                  u";;;01.03.2024;;;да\r\n"
                  u"\""_s +
                  huge + u"\"\r\n"_s);
    const QString noOrderDate = u"нет даты «Дата заказа» — запись не попадёт в итоги по этой дате"_s;
    const struct {
        qsizetype line;
        int status;
        QStringList warnings;
        std::optional<QString> error;
    } expected[] = {
        // clang-format off
        {2, 1, {u"нет даты «Дата оплаты» — запись не попадёт в итоги по этой дате"_s}, {}},
        {3, 0, {u"«много» в поле «Сумма» не число"_s, u"«XL» нет в списке значений поля «Размер»"_s, u"неизвестный статус «Новы»"_s, noOrderDate}, {}},
        {4, 1, {}, {}}, // no status text: the furthest status whose date the row holds
        {5, 2, {u"не распознана дата «вчера» (дата заказа)"_s, noOrderDate}, {}},
        {6, 0, {}, u"нет ни одного заполненного поля"_s},
        {7, 0, {noOrderDate}, {}},
        // clang-format on
    };
    ASSERT_EQ(r.rows.size(), std::size(expected));
    for (qsizetype i = 0; i < r.rows.size(); ++i) {
        const ImportRow& row = r.rows[i];
        EXPECT_EQ(row.line, expected[i].line);
        EXPECT_EQ(row.record.statusID, f.status(expected[i].status)) << row.line;
        EXPECT_EQ(row.warnings(), expected[i].warnings) << row.line;
        EXPECT_EQ(row.error(), expected[i].error) << row.line;
        EXPECT_EQ(row.include, !expected[i].error) << row.line;
        EXPECT_EQ(row.record.createdAt, importTime);
        EXPECT_EQ(row.record.updatedAt, importTime);
    }
    EXPECT_EQ(r.rows[0].record.number(f.sum.id), 12.5);
    EXPECT_EQ(r.rows[0].record.date(f.ordered.id), at("Europe/Moscow", 2024, 3, 1));
    EXPECT_EQ(r.rows[1].record.text(f.size.id), u"XL");
    EXPECT_EQ(r.rows[2].record.text(f.client.id), u"Анна\nСмирнова");
    EXPECT_EQ(r.rows[3].record.date(f.paidOn.id), at("Europe/Moscow", 2024, 3, 5));
    EXPECT_TRUE(r.rows[3].record.flag(f.paid.id));
    EXPECT_EQ(r.rows[5].record.text(f.client.id), huge);
    EXPECT_EQ(r.rows[2].checkText(), u"Новая");
    EXPECT_EQ(r.rows[4].checkText(), u"Ошибка: нет ни одного заполненного поля");
    EXPECT_EQ(std::tuple(r.newCount(), r.duplicateCount(), r.errorCount(), r.selected().size()),
              std::tuple(5, 0, 1, 5));
}

// Rows are numbered and split as parseRows splits them, whatever ends their lines or joins their characters.
TEST(CSVImport, RowsAcrossLineEndsQuotesAndMarks) {
    Fixture f;
    using Rows = QList<std::tuple<qsizetype, QString, std::optional<double>>>; // line, client, sum
    const struct {
        const char* name;
        QString text;
        Rows rows;
    } cases[] = {
        // clang-format off
        {"CR LF, CR and LF; blank lines do not count", u"Клиент;Сумма\r\n\r\nИван;1\r\rПётр;2\n;\nАнна;3"_s,
         {{2, u"Иван"_s, 1}, {3, u"Пётр"_s, 2}, {4, u"Анна"_s, 3}}},
        {"a quoted cell over several lines is one line", u"Клиент;Сумма\n\"Иван\r\nПетров\";1\r\n\"Анна\rЛи\"\n"_s,
         {{2, u"Иван\r\nПетров"_s, 1}, {3, u"Анна\rЛи"_s, std::nullopt}}},
        {"a separator that a mark joins stays in the cell", u"Клиент;Сумма\nИван;\u0301;5\n\"Пётр\";\u0301;6"_s,
         {{2, u"Иван;\u0301"_s, 5}, {3, u"Пётр;\u0301"_s, 6}}},
        {"a second byte-order mark left before the header", u"\uFEFFКлиент;Сумма\nИван;1"_s, {{2, u"Иван"_s, 1}}},
        {"quotes undone in one row after another", u"Клиент;Сумма\n\"И\"\"1\";\"7\"\n\" П\"\"2 \";8\n\"\"\"\";9"_s,
         {{2, u"И\"1"_s, 7}, {3, u"П\"2"_s, 8}, {4, u"\""_s, 9}}},
        // clang-format on
    };
    for (const auto& c : cases) {
        const ImportResult r = f.prepare(c.text);
        Rows rows;
        for (const ImportRow& row : r.rows)
            rows.append({row.line, row.record.text(f.client.id), row.record.number(f.sum.id)});
        EXPECT_EQ(rows, c.rows) << c.name;
    }
}

TEST(CSVImport, DuplicatesOfTheJournalAndOfEarlierRows) {
    Fixture f;
    f.stored({{&f.order, u"А-15"_s}, {&f.client, u"Иван Петров"_s}, {&f.size, u"M"_s}});
    const Record anna = f.stored({{&f.client, u"Анна"_s}, {&f.size, u"S"_s}});
    f.stored({{&f.order, u"Б-1"_s}, {&f.client, u"Олег"_s}, {&f.size, u"S"_s}}); // unique value: no identity
    const ImportResult r =
        f.prepare(u"ID;Номер заказа;Клиент;Размер\n"_s + idText(anna.id).toLower() +
                  u";Ж-1;Кто-то;\n;а-15;Иван;\n;  Ё-7 ;Иван;\n;е-7;Пётр;\n;Е-7;;\n;;анна;s\n"
                  u";;Олег;S\n;;ОЛЕГ; s \n;ж-1;;\n"_s);
    const QString a15 = u"Номер заказа — Иван Петров, Номер заказа А-15, Размер M"_s;
    const std::optional<DuplicateKind> expected[] = {
        DuplicateKind::sameID(),                            // 2
        DuplicateKind::uniqueInDatabase(a15),               // 3
        std::nullopt,                                       // 4
        DuplicateKind::uniqueInFile(u"Номер заказа"_s, 4),  // 5
        DuplicateKind::uniqueInFile(u"Номер заказа"_s, 4),  // 6: still the first row's line
        DuplicateKind::sameInDatabase(u"Анна, Размер S"_s), // 7
        std::nullopt,                                       // 8
        DuplicateKind::sameInFile(8),                       // 9
        DuplicateKind::uniqueInFile(u"Номер заказа"_s, 2),  // 10: duplicates enter the file's indexes too
    };
    ASSERT_EQ(r.rows.size(), std::size(expected));
    for (qsizetype i = 0; i < r.rows.size(); ++i) {
        EXPECT_EQ(r.rows[i].duplicate(), expected[i]) << r.rows[i].line;
        EXPECT_EQ(r.rows[i].include, !expected[i]) << r.rows[i].line;
    }
    EXPECT_EQ(r.rows[1].checkText(), u"Дубль в базе: "_s + a15);
    EXPECT_EQ(r.rows[3].checkText(), u"Дубль Номер заказа в файле (строка 4)");
    EXPECT_EQ(r.rows[5].checkText(), u"Возможный дубль в базе: Анна, Размер S");
    EXPECT_EQ(r.rows[7].checkText(), u"Возможный дубль в файле (строка 8)");
    EXPECT_EQ(std::tuple(r.newCount(), r.duplicateCount(), r.errorCount()), std::tuple(2, 7, 0));
    ImportResult chosen = r; // included by hand, a duplicate is selected
    chosen.rows[1].include = true;
    EXPECT_EQ(chosen.selected(), (QList<Record>{r.rows[1].record, r.rows[2].record, r.rows[6].record}));
}

TEST(CSVImport, IdsComeFromTheFileOnce) {
    Fixture f;
    const Record stored = f.stored({{&f.client, u"Иван"_s}, {&f.sum, u"1 050,5"_s}, {&f.paid, u"да"_s}});
    f.stored({{&f.paid, u"да"_s}}); // no content
    const QUuid fresh = QUuid::createUuid();
    const ImportResult r =
        f.prepare(u"Клиент;ID\nА;"_s + idText(fresh).toLower() + u"\nБ; "_s + idText(fresh) + u" \nВ;"_s +
                  idText(stored.id) + u"\nГ;{"_s + idText(fresh) + u"}\n"_s);
    ASSERT_EQ(r.rows.size(), 4);
    EXPECT_EQ(r.rows[0].record.id, fresh);
    EXPECT_NE(r.rows[1].record.id, fresh); // taken once; no finding for it
    EXPECT_FALSE(r.rows[1].duplicate());
    EXPECT_EQ(r.rows[2].duplicate(), DuplicateKind::sameID());
    EXPECT_NE(r.rows[2].record.id, stored.id);
    EXPECT_FALSE(r.rows[3].duplicate()); // braces: no id
    EXPECT_NE(r.rows[3].record.id, fresh);
}

TEST(CSVImport, TheClockIsReadOnce) {
    // Read on New Year's Eve, a two-digit year "44" still means 1944 for the last day of 1944; a clock
    // that has moved on to the new year would read it as 2044.
    Fixture f;
    const QDateTime eve = at("Europe/Moscow", 2024, 12, 31, 23, 59, 59);
    int readings = 0;
    const Clock moving = [&] { return eve.addSecs(readings++); };
    QString error;
    const std::optional<ImportResult> r =
        CSVService::prepareImport(u"Клиент;Дата заказа\nИван;31.12.44\nПётр;31.12.1944\nАнна;31.12.44\n"_s,
                                  f.journal, moscow, moving, &error);
    EXPECT_EQ(readings, 1);
    ASSERT_TRUE(r);
    for (const ImportRow& row : r->rows) {
        EXPECT_EQ(row.record.createdAt, eve) << row.line;
        EXPECT_EQ(row.record.date(f.ordered.id), at("Europe/Moscow", 1944, 12, 31)) << row.line;
    }
}

// Rows that warn alike share their findings while they are read; a finding that sets one of them apart
// (a duplicate, an error) or a later change of one row never reaches the others.
TEST(CSVImport, RowsWarningAlikeKeepTheirOwnFindings) {
    Fixture f;
    const QString notANumber = u"«много» в поле «Сумма» не число"_s;
    const ImportResult r =
        f.prepare(u"Номер заказа;Сумма\nА-1;много\nА-1;много\nА-2;много\n;много\nА-3;много\n"_s);
    const struct {
        std::optional<DuplicateKind> duplicate;
        std::optional<QString> error;
    } expected[] = {
        {std::nullopt, std::nullopt}, {DuplicateKind::uniqueInFile(u"Номер заказа"_s, 2), std::nullopt},
        {std::nullopt, std::nullopt}, {std::nullopt, u"нет ни одного заполненного поля"_s},
        {std::nullopt, std::nullopt},
    };
    ASSERT_EQ(r.rows.size(), std::size(expected));
    for (qsizetype i = 0; i < r.rows.size(); ++i) {
        const ImportRow& row = r.rows[i];
        EXPECT_TRUE(row.warnings().contains(notANumber)) << row.line;
        EXPECT_EQ(row.duplicate(), expected[i].duplicate) << row.line;
        EXPECT_EQ(row.error(), expected[i].error) << row.line;
    }
    ImportRow changed = r.rows[0];
    changed.setDuplicate(DuplicateKind::sameID());
    changed.addWarning(u"ещё"_s);
    EXPECT_FALSE(r.rows[0].duplicate());
    EXPECT_FALSE(r.rows[2].duplicate());
    EXPECT_EQ(r.rows[2].warnings(), r.rows[0].warnings());
    EXPECT_NE(changed.warnings(), r.rows[0].warnings());
}
