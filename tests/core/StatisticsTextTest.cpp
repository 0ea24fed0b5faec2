#include "Statistics.h"
#include "TestSupport.h"

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

MetricDef metric(MetricKind kind, const QString& title = {}, const QString& unit = {}) {
    MetricDef m;
    m.id = QUuid::createUuid();
    m.kind = kind;
    m.title = title;
    m.unit = unit;
    return m;
}

} // namespace

TEST(StatisticsFormat, ValueTexts) {
    const struct {
        MetricKind kind;
        const char* unit;
        double value;
        QString text;
    } cases[] = {
        {MetricKind::ratio, "шт", 12.345, u"12,3 %"_s}, // a ratio never shows the metric's own unit
        {MetricKind::ratio, "", 50, u"50 %"_s},
        {MetricKind::ratio, "", -25, u"\u221225 %"_s},
        {MetricKind::average, "ч", 2.5, u"2 ч"_s}, // half to even at the display precision
        {MetricKind::average, "ч", 3.5, u"4 ч"_s},
        {MetricKind::sum, "₽", 234.567, u"234,57 ₽"_s},
        {MetricKind::sum, "₽", 1234567.5, u"1\u00A0234\u00A0567,5 ₽"_s},
        {MetricKind::count, "", 3, u"3"_s},
        {MetricKind::difference, "", -3, u"\u22123"_s},
        {MetricKind::uniqueGroups, "клиентов", 0, u"0 клиентов"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Statistics::format(c.value, metric(c.kind, {}, QString::fromUtf8(c.unit))), c.text)
            << rawValue(c.kind).toStdString() << " " << c.value;
}

TEST(StatisticsRender, PlaceholdersAndPlainText) {
    const QList<double> values{3, 12.5, 21};
    const struct {
        QString in, out;
    } cases[] = {
        {u"Заказов: {1}, средний чек {2}"_s, u"Заказов: 3, средний чек 12,5"_s},
        {u"{1} {1|заказ|заказа|заказов}"_s, u"3 заказа"_s},
        {u"{3} {3|заказ|заказа|заказов}"_s, u"21 заказ"_s},
        {u"{2} {2|час|часа|часов}"_s, u"12,5 часа"_s},
        {u"{ 1 }, {+1}, {01}, {\t2\u00A0}"_s, u"3, 3, 3, 12,5"_s},
        {u"{4}, {0}, {-1}, {}, {x}, {+-1}, {+ 1}, {1 2}, {١}"_s,
         u"{4}, {0}, {-1}, {}, {x}, {+-1}, {+ 1}, {1 2}, {١}"_s},
        {u"{1|заказ|заказа}{1|a|b|c|d}{1|}"_s, u"{1|заказ|заказа}{1|a|b|c|d}{1|}"_s},
        {u"{{1}}"_s, u"{3}"_s},
        {u"{x|{1}}"_s, u"{x|3}"_s},
        {u"{1|{2}|b|c}"_s, u"{1|{2}|b|c}"_s}, // ends at the first "}": two parts, copied whole
        {u"{1|a{2|b|c}"_s, u"b"_s},           // a brace inside a valid placeholder is not read
        {u"Итого {1"_s, u"Итого {1"_s},
        {u"{\n1} {1\n}"_s, u"{\n1} {1\n}"_s},
        {u"a|b} {1|||}!"_s, u"a|b} !"_s},
        {u"{ 1 | раз | раза | раз }"_s, u" раза "_s}, // forms are copied with their blanks
        {u"{9223372036854775807} {9223372036854775808} {99999999999999999999999}"_s,
         u"{9223372036854775807} {9223372036854775808} {99999999999999999999999}"_s},
        {u""_s, u""_s},
        {u"{{{{"_s, u"{{{{"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Statistics::render(c.in, values), c.out) << c.in.toStdString();
    EXPECT_EQ(Statistics::render(u"{1}"_s, {}), u"{1}");
    EXPECT_EQ(Statistics::render(u"{1} {2}"_s, {-1234.567, 0.125}), u"\u22121\u00A0234,57 0,12");
}

TEST(StatisticsRender, WordFormsFollowTheValue) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* form;
    } cases[] = {
        {1, "заказ"},          {2, "заказа"},   {5, "заказов"},  {11, "заказов"},  {12, "заказов"},
        {21, "заказ"},         {22, "заказа"},  {101, "заказ"},  {111, "заказов"}, {0, "заказов"},
        {-0.0, "заказов"},     {-1, "заказ"},   {-22, "заказа"}, {1.5, "заказа"},  {1e15, "заказа"},
        {1e15 - 1, "заказов"}, {nan, "заказа"}, {inf, "заказа"}, {-inf, "заказа"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Statistics::render(u"{1|заказ|заказа|заказов}"_s, {c.value}), QString::fromUtf8(c.form))
            << c.value;
    EXPECT_EQ(Statistics::render(u"[{1||x|y}]"_s, {1}), u"[]"); // an empty form inserts nothing
}

TEST(StatisticsReport, SummaryWhenTheTemplateIsBlank) {
    Journal j;
    j.reportTemplate = u" \n\t\u00A0\n"_s;
    const QList<MetricResult> results{
        {metric(MetricKind::count, u"Заказы"_s), 5, 5},
        {metric(MetricKind::sum, u"Выручка"_s, u"₽"_s), 320.5, 3},
        {metric(MetricKind::ratio, u"КОНВЕРСИЯ Ё"_s, u"шт"_s), 12.345, 0},
        {metric(MetricKind::average, u"Средний чек"_s, u"₽"_s), 1234.5, 2},
    };
    EXPECT_EQ(
        Statistics::report(j, results),
        u"За период: заказы — 5, выручка — 320,5 ₽, конверсия ё — "
        u"12,3 %, средний чек — 1\u00A0234 ₽");
    EXPECT_EQ(Statistics::report(j, {}), u"За период: ");
}

TEST(StatisticsReport, TemplateGetsRoundedValues) {
    Journal j;
    j.reportTemplate = u"\n  {1} {1|заказ|заказа|заказов}; среднее {2}, {3} %; {4}; {5}  \n\n"_s;
    const QList<MetricResult> results{
        {metric(MetricKind::count), 21, 21},
        {metric(MetricKind::average), 2.5, 1}, // halves away from zero, unlike the tile
        {metric(MetricKind::ratio), 12.25, 0},
        {metric(MetricKind::average), -2.5, 1},
        {metric(MetricKind::sum), 0.125, 1},
    };
    EXPECT_EQ(Statistics::report(j, results), u"21 заказ; среднее 3, 12,3 %; \u22123; 0,12");
    // Positions beyond the results (a removed metric) stay as written.
    j.reportTemplate = u"{1} и {6}"_s;
    EXPECT_EQ(Statistics::report(j, results), u"21 и {6}");
}
