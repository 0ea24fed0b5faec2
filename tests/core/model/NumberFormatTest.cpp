#include "core/model/NumberFormat.h"
#include "TestSupport.h"
#include "core/model/Model.h"

#include <limits>

using namespace Qt::StringLiterals;

TEST(NumberFormat, Parse) {
    const struct {
        QString in;
        std::optional<double> out;
    } cases[] = {{u"1 234,5"_s, 1234.5}, {u"\t1\u202F234\n"_s, 1234},
                 {u"12.5"_s, 12.5},      {u"-5"_s, -5},
                 {u"1e3"_s, 1000},       {u"1.234,5"_s, {}},
                 {u"12abc"_s, {}},       {u"\u22125"_s, {}},
                 {u"inf"_s, {}},         {u"nan"_s, {}},
                 {u"1e400"_s, {}},       {u"１２"_s, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(NumberFormat::parse(c.in), c.out) << c.in.toStdString();
}

// Rounding is half-to-even on the shortest decimal form; a rounded zero has no sign; display groups with a
// no-break space and writes a real minus; the digits are clamped to 0…15.
TEST(NumberFormat, PlainAndDisplay) {
    const struct {
        double in;
        QString plain;
    } plain[] = {{-0.001, u"0"_s},   {-7, u"-7"_s},         {1234.567, u"1234,57"_s},
                 {0.125, u"0,12"_s}, {0.375, u"0,38"_s},    {2.675, u"2,68"_s},
                 {1.005, u"1"_s},    {0.1 + 0.2, u"0,3"_s}, {1e20, u"100000000000000000000"_s}};
    for (const auto& c : plain)
        EXPECT_EQ(NumberFormat::string(c.in), c.plain) << c.in;

    const struct {
        std::optional<double> value;
        QString unit;
        int digits;
        QString out;
    } display[] = {{1234.5, u"₽"_s, 2, u"1\u00A0234,5 ₽"_s},
                   {std::nullopt, u"₽"_s, 2, QString()},
                   {-1234.5, QString(), 0, u"\u22121\u00A0234"_s},
                   {-0.004, QString(), 2, u"0"_s},
                   {999999.5, QString(), 0, u"1\u00A0000\u00A0000"_s},
                   {0.1234567, QString(), 99, u"0,1234567"_s},
                   {0.5, QString(), -3, u"0"_s},
                   {-std::numeric_limits<double>::infinity(), QString(), 2, u"—"_s},
                   {std::numeric_limits<double>::quiet_NaN(), u"₽"_s, 2, u"—"_s}};
    for (const auto& c : display)
        EXPECT_EQ(NumberFormat::display(c.value, c.unit, c.digits), c.out) << c.value.value_or(-1);
}

TEST(NumberFormat, CountAndCountedNoun) {
    const NounForms noun = defaultItemNoun();
    const struct {
        std::int64_t n;
        QString count;
        QString counted;
    } cases[] = {{0, u"0"_s, u"0 записей"_s},
                 {1, u"1"_s, u"1 запись"_s},
                 {999, u"999"_s, u"999 записей"_s},
                 {1'000, u"1000"_s, u"1000 записей"_s},
                 {12'002, u"12002"_s, u"12002 записи"_s},
                 {1'234'561, u"1234561"_s, u"1234561 запись"_s}};
    for (const auto& c : cases) {
        EXPECT_EQ(NumberFormat::count(c.n), c.count) << c.n;
        EXPECT_EQ(noun.counted(c.n), c.counted) << c.n;
    }
}
