#include "core/model/Model.h"
#include "TestSupport.h"

using namespace TestSupport;

TEST(NounForms, PluralRule) {
    const NounForms n = defaultItemNoun();
    const struct {
        std::int64_t count;
        const char* form;
    } cases[] = {{0, "записей"}, {11, "записей"},  {14, "записей"},       {111, "записей"},
                 {1, "запись"},  {21, "запись"},   {-1, "запись"},        {2, "записи"},
                 {34, "записи"}, {-12, "записей"}, {INT64_MIN, "записей"}};
    for (const auto& c : cases)
        EXPECT_EQ(n(c.count), QString::fromUtf8(c.form)) << c.count;
}

// The stored texts are the file format: each reads back, and nothing else reads.
TEST(Enums, StoredTextsAreTheCaseNamesExactly) {
    QStringList texts;
    for (FieldType t : allFieldTypes)
        texts << (fieldTypeFromRaw(rawValue(t)) == t ? rawValue(t) : u"?"_qs);
    for (MetricKind k : allMetricKinds)
        texts << (metricKindFromRaw(rawValue(k)) == k ? rawValue(k) : u"?"_qs);
    for (AppColor c : allAppColors)
        texts << (appColorFromRaw(rawValue(c)) == c ? rawValue(c) : u"?"_qs);
    EXPECT_EQ(texts.join(u' '),
              u"text longText number date link choice checkbox count uniqueGroups sum average "
              u"difference ratio gray orange yellow green teal blue indigo purple pink red");
    EXPECT_FALSE(fieldTypeFromRaw(u"Text") || fieldTypeFromRaw(u"longtext") || metricKindFromRaw(u"Count") ||
                 appColorFromRaw(u"grey") || appColorFromRaw(u""));
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
        u"2026-12-05T20:00:43.123Z",  u"2026-12-05",
        u"2026-12-05T20:00:43",       u"2026-12-05T20:00:43+0300",
        u"2026-12-05t20:00:43z",      u"2023-02-29T00:00:00Z",
        u"2026-12-05T20:00:43+19:00", u"２０２６-12-05T20:00:43Z",
        u" 2026-12-05T20:00:43Z",     u"0001-01-01T00:00:00+00:01",
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
