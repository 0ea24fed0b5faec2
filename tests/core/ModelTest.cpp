#include "model/Model.h"
#include "TestSupport.h"

using namespace testsupport;

TEST(NounForms, PluralRule) {
    const NounForms n = defaultItemNoun();
    const struct {
        std::int64_t count;
        const char* form;
    } cases[] = {
        {0, "записей"},         {5, "записей"},   {11, "записей"},   {12, "записей"},  {14, "записей"},
        {111, "записей"},       {112, "записей"}, {1000, "записей"}, {1, "запись"},    {21, "запись"},
        {101, "запись"},        {1001, "запись"}, {-1, "запись"},    {2, "записи"},    {4, "записи"},
        {22, "записи"},         {34, "записи"},   {-3, "записи"},    {-12, "записей"}, {INT64_MIN, "записей"},
        {INT64_MAX, "записей"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(n(c.count), QString::fromUtf8(c.form)) << c.count;
}

TEST(Enums, StoredTextsAreTheCaseNamesExactly) {
    QStringList types, kinds, colors, typeTitles, kindTitles;
    for (FieldType t : allFieldTypes) {
        EXPECT_EQ(fieldTypeFromRaw(rawValue(t)), t);
        types << rawValue(t);
        typeTitles << title(t) + u' ' + symbol(t);
    }
    for (MetricKind k : allMetricKinds) {
        EXPECT_EQ(metricKindFromRaw(rawValue(k)), k);
        kinds << rawValue(k);
        kindTitles << title(k);
    }
    for (AppColor c : allAppColors) {
        EXPECT_EQ(appColorFromRaw(rawValue(c)), c);
        colors << id(c) + u' ' + title(c);
    }
    EXPECT_EQ(types.join(u' '), u"text longText number date link choice checkbox");
    EXPECT_EQ(kinds.join(u' '), u"count uniqueGroups sum average difference ratio");
    EXPECT_EQ(typeTitles.join(u", "), u"Текст textformat, Многострочный текст text.alignleft, Число number, "
                                      u"Дата calendar, Ссылка link, Выбор из списка list.bullet, "
                                      u"Флажок (да/нет) checkmark.square");
    // The formula titles name the operands by the Cyrillic letters of their pickers, with a real minus.
    EXPECT_EQ(kindTitles.join(u"; "),
              u"Количество записей; Количество уникальных групп; Сумма числового поля; "
              u"Среднее по числовому полю (средний чек); "
              u"Разница показателей: \u0410 \u2212 \u0411 (прибыль, остаток); "
              u"Доля: \u0410 \u00F7 \u0411 \u00D7 100 % (конверсия)");
    EXPECT_EQ(colors.join(u", "),
              u"gray Серый, orange Оранжевый, yellow Жёлтый, green Зелёный, teal Бирюзовый, "
              u"blue Синий, indigo Индиго, purple Фиолетовый, pink Розовый, red Красный");
    EXPECT_FALSE(fieldTypeFromRaw(u"Text"));
    EXPECT_FALSE(fieldTypeFromRaw(u"longtext"));
    EXPECT_FALSE(metricKindFromRaw(u"Count"));
    EXPECT_FALSE(appColorFromRaw(u"grey"));
    EXPECT_FALSE(appColorFromRaw(u""));
}

TEST(RecordAccessors, ReadAndWrite) {
    const QUuid field = QUuid::createUuid();
    const QString key = idText(field);
    Record r;
    EXPECT_EQ(r.text(field), QString());
    EXPECT_FALSE(r.number(field));
    EXPECT_FALSE(r.date(field));
    EXPECT_FALSE(r.flag(field));

    r.values.insert(key, FieldValue::ofNumber(3));
    EXPECT_EQ(r.text(field), QString()); // a number entry has no text
    EXPECT_EQ(r.number(field), 3.0);

    r.setText(u" "_qs, field); // blanks are stored as given
    EXPECT_EQ(r.text(field), u" ");
    EXPECT_FALSE(r.number(field)); // the new entry replaced the number

    r.setText(QString(), field);
    EXPECT_TRUE(r.values.isEmpty());

    r.values.insert(key, FieldValue::ofFlag(false));
    EXPECT_FALSE(r.flag(field)); // a stored false reads as unchecked

    // A lower-case key (hand-edited file) is not found.
    Record lower;
    lower.values.insert(key.toLower(), FieldValue::ofText(u"x"_qs));
    EXPECT_EQ(lower.text(field), QString());
}

TEST(Ids, CanonicalTextAndStrictParsing) {
    const QUuid id("{0f8fad5b-d9cb-469f-a165-70867728950e}");
    EXPECT_EQ(idText(id), u"0F8FAD5B-D9CB-469F-A165-70867728950E");
    EXPECT_EQ(parseId(u"0F8FAD5B-D9CB-469F-A165-70867728950E"), id);
    EXPECT_EQ(parseId(u"0f8fad5b-d9cb-469f-a165-70867728950e"), id);
    EXPECT_EQ(parseId(u"00000000-0000-0000-0000-000000000000"), QUuid());
    const char16_t* invalid[] = {
        u"{0f8fad5b-d9cb-469f-a165-70867728950e}",
        u"0f8fad5bd9cb469fa16570867728950e",
        u"0f8fad5b-d9cb-469f-a165-70867728950exyz",
        u" 0f8fad5b-d9cb-469f-a165-70867728950e",
        u"0f8fad5b-d9cb-469f-a165-70867728950g",
        u"0f8fad5b+d9cb-469f-a165-70867728950e",
        u"",
    };
    for (const char16_t* text : invalid)
        EXPECT_FALSE(parseId(QStringView(text))) << QString::fromUtf16(text).toStdString();
}

TEST(Ids, StoredDates) {
    EXPECT_EQ(parseStoredDate(u"2026-12-05T20:00:43Z"), utc(2026, 12, 5, 20, 0, 43));
    EXPECT_EQ(parseStoredDate(u"2026-12-05T23:00:43+03:00"), utc(2026, 12, 5, 20, 0, 43));
    EXPECT_EQ(parseStoredDate(u"2026-12-05T17:30:43-02:30"), utc(2026, 12, 5, 20, 0, 43));
    EXPECT_EQ(parseStoredDate(u"2024-02-29T00:00:00Z"), utc(2024, 2, 29));
    const char16_t* invalid[] = {
        u"2026-12-05T20:00:43.123Z",
        u"2026-12-05",
        u"2026-12-05T20:00:43",
        u"2026-12-05T20:00Z",
        u"2026-12-05T20:00:43+0300",
        u"2026-12-05t20:00:43z",
        u"2026-12-05T24:00:00Z",
        u"2023-02-29T00:00:00Z",
        u"2026-13-01T00:00:00Z",
        u"2026-12-05T20:60:00Z",
        u"2026-12-05T20:00:43+19:00",
        u"2026-12-05T20:00:43+03:60",
        u"２０２６-12-05T20:00:43Z",
        u" 2026-12-05T20:00:43Z",
        u"",
        u"0001-01-01T00:00:00+00:01",
        u"9999-12-31T23:59:59-00:01",
    };
    for (const char16_t* text : invalid)
        EXPECT_FALSE(parseStoredDate(QStringView(text))) << QString::fromUtf16(text).toStdString();

    const QDateTime withMs = utc(2026, 12, 5, 20, 0, 43).addMSecs(999);
    EXPECT_EQ(storedDateText(withMs), u"2026-12-05T20:00:43Z");
    EXPECT_EQ(parseStoredDate(storedDateText(withMs)), wholeSeconds(withMs));
    EXPECT_EQ(storedDateText(at("Europe/Moscow", 2026, 12, 5, 23, 0, 43)), u"2026-12-05T20:00:43Z");
    // The fast writer across the calendar: before 1970, leap days, the first and last years it can hold.
    for (const QDateTime& d : {utc(1969, 12, 31, 23, 59, 59), utc(2000, 2, 29, 12), utc(1, 1, 1),
                               utc(9999, 12, 31, 23, 59, 59), utc(1900, 3, 1)}) {
        EXPECT_EQ(storedDateText(d), d.toString(u"yyyy-MM-dd'T'HH:mm:ss'Z'"_qs));
        EXPECT_EQ(parseStoredDateUtf8(storedDateText(d).toStdString()), d);
    }
    EXPECT_EQ(storedDateText(QDateTime()), QString());
    EXPECT_EQ(storedDateText(utc(10000, 1, 1)), QString());
}

TEST(CalendarDays, StartOfDayIsAlwaysAnInstant) {
    const struct {
        const char* zone;
        QDate day;
        QDateTime expected;
    } cases[] = {
        {"Europe/Moscow", QDate(2026, 12, 5), utc(2026, 12, 4, 21)},
        {"America/Santiago", QDate(2024, 9, 8), at("America/Santiago", 2024, 9, 8, 1)}, // no midnight
        {"Pacific/Apia", QDate(2011, 12, 30), at("Pacific/Apia", 2011, 12, 31)},        // day skipped
    };
    for (const auto& c : cases) {
        const Calendar calendar{zone(c.zone)};
        const QDateTime start = calendar.startOfDay(c.day);
        EXPECT_TRUE(start.isValid()) << c.zone;
        EXPECT_EQ(start, c.expected) << c.zone;
    }
}
