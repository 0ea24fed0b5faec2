#include "Model.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {

FieldDef makeField(const QString& name, FieldType type) {
    FieldDef f;
    f.id = QUuid::createUuid();
    f.name = name;
    f.type = type;
    return f;
}

const Calendar moscow{zone("Europe/Moscow")};

Clock fixedClock(const QDateTime& now) {
    return [now] { return now; };
}

} // namespace

TEST(JournalRoles, ListsAndLookups) {
    Journal j;
    FieldDef a = makeField(u"Имя"_s, FieldType::text);
    a.isPerItem = a.isUnique = a.inGroup = true;
    FieldDef b = makeField(u"Дата"_s, FieldType::date);
    b.showInTable = false;
    FieldDef c = makeField(u"Сумма"_s, FieldType::number);
    c.inGroup = true;
    FieldDef d = makeField(u"Ссылка"_s, FieldType::link);
    FieldDef twin = makeField(u"Двойник"_s, FieldType::checkbox);
    twin.id = a.id;
    j.fields = {a, b, c, d, twin};
    StatusDef s1, s2;
    s1.id = QUuid::createUuid();
    s2.id = QUuid::createUuid();
    s2.name = u"Готов"_s;
    j.statuses = {s1, s2};

    const auto ids = [](const QList<FieldDef>& list) {
        QList<QString> names;
        for (const FieldDef& f : list)
            names.append(f.name);
        return names;
    };
    EXPECT_EQ(ids(j.perItemFields()), QList<QString>{u"Имя"_s});
    EXPECT_EQ(ids(j.uniqueFields()), QList<QString>{u"Имя"_s});
    EXPECT_EQ(ids(j.groupFields()), (QList<QString>{u"Имя"_s, u"Сумма"_s}));
    EXPECT_EQ(ids(j.dateFields()), QList<QString>{u"Дата"_s});
    EXPECT_EQ(ids(j.numberFields()), QList<QString>{u"Сумма"_s});
    EXPECT_EQ(ids(j.linkFields()), QList<QString>{u"Ссылка"_s});
    EXPECT_EQ(ids(j.tableFields()), (QList<QString>{u"Имя"_s, u"Сумма"_s, u"Ссылка"_s, u"Двойник"_s}));

    EXPECT_EQ(j.field(a.id)->name, u"Имя"); // the first of two with one id
    EXPECT_FALSE(j.field(std::nullopt));
    EXPECT_FALSE(j.field(QUuid::createUuid()));
    EXPECT_FALSE(j.status(std::nullopt));
    EXPECT_EQ(j.status(s2.id)->name, u"Готов");
    EXPECT_EQ(j.statusIndex(s2.id), 1);
    EXPECT_FALSE(j.statusIndex(std::nullopt));
    EXPECT_FALSE(j.statusIndex(QUuid::createUuid()));
    Record r;
    r.id = QUuid::createUuid();
    j.records = {r};
    EXPECT_EQ(j.record(r.id), r);
    EXPECT_FALSE(j.record(QUuid::createUuid()));
}

TEST(JournalDisplay, ValuesAndTitles) {
    Journal j;
    const FieldDef note = makeField(u"Заметка"_s, FieldType::longText);
    const FieldDef name = makeField(u"Имя"_s, FieldType::text);
    const FieldDef sum = makeField(u"Сумма"_s, FieldType::number);
    const FieldDef day = makeField(u"Дата"_s, FieldType::date);
    const FieldDef done = makeField(u"Готово"_s, FieldType::checkbox);
    j.fields = {note, sum, day, name, done};

    Record r;
    r.values.insert(idText(sum.id), FieldValue::ofNumber(1050));
    r.values.insert(idText(day.id), FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 5)));
    r.values.insert(idText(done.id), FieldValue::ofFlag(true));
    EXPECT_EQ(j.displayValue(r, sum), u"1050");
    EXPECT_EQ(j.displayValue(r, day, moscow), u"05.03.2024");
    EXPECT_EQ(j.displayValue(r, day, Calendar{zone("America/Santiago")}), u"04.03.2024");
    EXPECT_EQ(j.displayValue(r, done), u"да");
    EXPECT_EQ(j.displayValue(r, name), QString());

    // The first text field names records; a long text never does.
    EXPECT_EQ(j.titleField()->id, name.id);
    EXPECT_EQ(j.title(r), u"1050"); // title field empty: the first non-empty value in field order
    r.setText(u" Иван "_s, name.id);
    EXPECT_EQ(j.title(r), u" Иван ");
    j.titleFieldID = day.id;
    EXPECT_EQ(j.title(r), u"05.03.2024");
    j.titleFieldID = QUuid::createUuid(); // a deleted field: back to the first text field
    EXPECT_EQ(j.titleField()->id, name.id);
    EXPECT_EQ(j.title(Record{}), u"Без названия");

    // A value left from an earlier type shows as nothing.
    Record stale;
    stale.values.insert(idText(sum.id), FieldValue::ofText(u"12"_s));
    stale.values.insert(idText(done.id), FieldValue::ofFlag(false));
    EXPECT_EQ(j.displayValue(stale, sum), QString());
    EXPECT_EQ(j.displayValue(stale, done), QString());
    EXPECT_EQ(j.title(stale), u"Без названия");

    Journal onlyLong;
    onlyLong.fields = {note};
    EXPECT_FALSE(onlyLong.titleField());
}

TEST(JournalAssign, ValuesAndWarnings) {
    FieldDef number = makeField(u"Сумма"_s, FieldType::number);
    FieldDef date = makeField(u"Дата Оплаты"_s, FieldType::date);
    FieldDef link = makeField(u"Сайт"_s, FieldType::link);
    FieldDef choice = makeField(u"Этап"_s, FieldType::choice);
    choice.options = {u"Новый"_s, u"В работе"_s};
    FieldDef bare = makeField(u"Метка"_s, FieldType::choice);
    FieldDef text = makeField(u"Имя"_s, FieldType::text);
    const QDateTime earlier = at("Europe/Moscow", 2020, 1, 1);
    const Clock clock = fixedClock(utc(2026, 6, 15, 12));

    const struct {
        const FieldDef& field;
        QString text;
        std::optional<FieldValue> stored;
        std::optional<QString> warning;
    } cases[] = {
        {number, u"  "_s, std::nullopt, std::nullopt},
        {number, u"12,5"_s, FieldValue::ofNumber(12.5), std::nullopt},
        {number, u" abc "_s, std::nullopt, u"«abc» в поле «Сумма» не число"_s},
        {date, u"завтра"_s, std::nullopt, u"не распознана дата «завтра» (дата оплаты)"_s},
        {date, u"05.03.24"_s, FieldValue::ofDate(at("Europe/Moscow", 2024, 3, 5)), std::nullopt},
        {date, u"\n"_s, std::nullopt, std::nullopt},
        {link, u" example.com "_s, FieldValue::ofText(u"https://example.com"_s), std::nullopt},
        {link, u" слово "_s, FieldValue::ofText(u"слово"_s), u"ссылка «слово» не похожа на адрес сайта"_s},
        {link, u"  "_s, std::nullopt, std::nullopt},
        {choice, u" в   работе "_s, FieldValue::ofText(u"в   работе"_s), std::nullopt},
        {choice, u"Готово"_s, FieldValue::ofText(u"Готово"_s),
         u"«Готово» нет в списке значений поля «Этап»"_s},
        {bare, u"что-то"_s, FieldValue::ofText(u"что-то"_s),
         u"«что-то» нет в списке значений поля «Метка»"_s},
        {bare, u""_s, std::nullopt, std::nullopt},
        {text, u"\t Иван  Петров \n"_s, FieldValue::ofText(u"Иван  Петров"_s), std::nullopt},
    };
    for (const auto& c : cases) {
        Record r;
        r.values.insert(idText(c.field.id), FieldValue::ofDate(earlier)); // always replaced or removed
        r.values.insert(u"other"_s, FieldValue::ofNumber(1));
        EXPECT_EQ(Journal::assign(c.text, c.field, r, moscow, clock), c.warning) << c.text.toStdString();
        const FieldValue* v = r.value(idText(c.field.id));
        EXPECT_EQ(v ? std::optional<FieldValue>(*v) : std::nullopt, c.stored) << c.text.toStdString();
        EXPECT_EQ(r.values.size(), c.stored ? 2 : 1);
    }
}

TEST(JournalAssign, CheckboxWords) {
    const FieldDef box = makeField(u"Оплачено"_s, FieldType::checkbox);
    const QString ticks[] = {u"Да"_s,   u"ДА"_s, u"да."_s, u"Да!"_s, u"Yes"_s,  u"TRUE"_s, u"1"_s,
                             u"есть"_s, u"x"_s,  u"V"_s,   u"✓"_s,   u"  ✓ "_s, u" да "_s};
    const QString clears[] = {u"нет"_s, u"0"_s, u"false"_s, u"да да"_s, u"1.0"_s, u"✓✓"_s, u"х"_s, u""_s};
    for (const QString& t : ticks) {
        Record r;
        EXPECT_EQ(Journal::assign(t, box, r), std::nullopt);
        EXPECT_TRUE(r.flag(box.id)) << t.toStdString();
    }
    for (const QString& t : clears) {
        Record r;
        r.values.insert(idText(box.id), FieldValue::ofFlag(true));
        EXPECT_EQ(Journal::assign(t, box, r), std::nullopt);
        EXPECT_TRUE(r.values.isEmpty()) << t.toStdString();
    }
}

TEST(JournalNormalize, CleansTextAndCountsContent) {
    Journal j;
    const FieldDef text = makeField(u"Имя"_s, FieldType::text);
    const FieldDef link = makeField(u"Сайт"_s, FieldType::link);
    const FieldDef choice = makeField(u"Этап"_s, FieldType::choice);
    const FieldDef number = makeField(u"Сумма"_s, FieldType::number);
    const FieldDef date = makeField(u"Дата"_s, FieldType::date);
    const FieldDef box = makeField(u"Готово"_s, FieldType::checkbox);
    j.fields = {text, link, choice, number, date, box};
    const QString gone = idText(QUuid::createUuid());

    Record r;
    r.values.insert(idText(text.id), FieldValue::ofText(u" \n "_s));
    r.values.insert(idText(link.id), FieldValue{u" www.example.com "_s, 5.0, {}, {}});
    r.values.insert(idText(choice.id), FieldValue::ofNumber(3)); // left from an earlier type
    r.values.insert(idText(number.id), FieldValue{u"x"_s, 0.0, {}, {}});
    r.values.insert(gone, FieldValue::ofText(u"  kept  "_s));
    const Record n = j.normalized(r);
    EXPECT_FALSE(n.value(idText(text.id)));
    EXPECT_EQ(*n.value(idText(link.id)), FieldValue::ofText(u"https://www.example.com"_s));
    EXPECT_FALSE(n.value(idText(choice.id)));
    EXPECT_EQ(*n.value(idText(number.id)), r.values.value(idText(number.id)));
    EXPECT_EQ(n.values.value(gone), r.values.value(gone));
    EXPECT_EQ(j.normalized(n), n);

    Record content;
    content.values.insert(idText(date.id), FieldValue::ofDate(utc(2024, 1, 1)));
    content.values.insert(idText(box.id), FieldValue::ofFlag(true));
    content.values.insert(idText(choice.id), FieldValue::ofNumber(3));
    content.values.insert(idText(text.id), FieldValue::ofText(u"\t"_s));
    EXPECT_TRUE(j.isEmptyContent(content));
    EXPECT_TRUE(Journal{}.isEmptyContent(r));
    content.values.insert(idText(number.id), FieldValue::ofNumber(0));
    EXPECT_FALSE(j.isEmptyContent(content));
}
