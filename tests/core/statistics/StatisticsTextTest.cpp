#include "TestSupport.h"
#include "core/statistics/Statistics.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

MetricResult result(MetricKind kind, double value, const QString& title = {}, const QString& unit = {}) {
    MetricDef m;
    m.kind = kind;
    m.title = title;
    m.unit = unit;
    return MetricResult{m, value, 0};
}

} // namespace

TEST(StatisticsFormat, ValueTexts) {
    const struct {
        MetricResult r;
        QString text;
    } cases[] = {
        {result(MetricKind::ratio, 12.345, {}, u"шт"_s),
         u"12,3 %"_s},                                            // a ratio never shows the metric's unit
        {result(MetricKind::average, 2.5, {}, u"ч"_s), u"2 ч"_s}, // half to even at the display precision
        {result(MetricKind::sum, 234.567, {}, u"₽"_s), u"234,57 ₽"_s},
        {result(MetricKind::sum, 1234567.5), u"1\u00A0234\u00A0567,5"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Statistics::format(c.r.value, c.r.metric), c.text) << c.r.value;
}

TEST(StatisticsRender, PlaceholdersAndPlainText) {
    const struct {
        QString in, out;
    } cases[] = {
        {u"Заказов: {1}, средний чек {2}"_s, u"Заказов: 3, средний чек 12,5"_s},
        {u"{1} {1|заказ|заказа|заказов}, {3} {3|заказ|заказа|заказов}"_s, u"3 заказа, 21 заказ"_s},
        {u"{ 1 }, {+1}, {01}, {\t2\u00A0}"_s, u"3, 3, 3, 12,5"_s},
        {u"{4} {0} {-1} {} {x} {+-1} {+ 1} {1 2} {١} {\n1} {1|a|b} {1|a|b|c|d} {1|}"_s,
         u"{4} {0} {-1} {} {x} {+-1} {+ 1} {1 2} {١} {\n1} {1|a|b} {1|a|b|c|d} {1|}"_s},
        {u"{{1}} {x|{1}}"_s, u"{3} {x|3}"_s},               // a failed brace is read again from inside
        {u"{1|{2}|b|c} {1|a{2|b|c}"_s, u"{1|{2}|b|c} b"_s}, // a placeholder ends at the first "}"
        {u"a|b} {1|||}! { 1 | раз | раза | раз }"_s, u"a|b} !  раза "_s}, // forms copied as written
        {u"{9223372036854775807} {9223372036854775808} {99999999999999999999}"_s,
         u"{9223372036854775807} {9223372036854775808} {99999999999999999999}"_s},
        {u"Итого {1"_s, u"Итого {1"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Statistics::render(c.in, {3, 12.5, 21}), c.out) << c.in.toStdString();
    EXPECT_EQ(Statistics::render(u"{1} {2}"_s, {-1234.567, 0.125}), u"\u22121\u00A0234,57 0,12");
}

TEST(StatisticsRender, WordFormsFollowTheValue) {
    const struct {
        double value;
        const char* form;
    } cases[] = {{1, "заказ"},          {22, "заказа"},  {111, "заказов"}, // the plural rule of whole counts
                 {-0.0, "заказов"},     {-1, "заказ"},   {1.5, "заказа"},     {1e15, "заказа"},
                 {1e15 - 1, "заказов"}, {NAN, "заказа"}, {INFINITY, "заказа"}};
    for (const auto& c : cases)
        EXPECT_EQ(Statistics::render(u"{1|заказ|заказа|заказов}"_s, {c.value}), QString::fromUtf8(c.form))
            << c.value;
}

TEST(StatisticsReport, SummaryOrTemplate) {
    Journal j;
    j.reportTemplate = u" \n\t\u00A0\n"_s;
    QList<MetricResult> results{result(MetricKind::count, 5, u"Заказы"_s),
                                result(MetricKind::sum, 320.5, u"Выручка"_s, u"₽"_s),
                                result(MetricKind::ratio, 12.345, u"КОНВЕРСИЯ Ё"_s, u"шт"_s),
                                result(MetricKind::average, 1234.5, u"Средний чек"_s, u"₽"_s)};
    EXPECT_EQ(
        Statistics::report(j, results),
        u"За период: заказы — 5, выручка — 320,5 ₽, конверсия ё — "
        u"12,3 %, средний чек — 1\u00A0234 ₽");
    EXPECT_EQ(Statistics::report(j, {}), u"За период: ");

    // Averages arrive whole and ratios with one decimal, both rounded half away from zero.
    j.reportTemplate = u"\n  {1|заказ|заказа|заказов}: {2}, {3} %, {4}, {5}; {6}  \n\n"_s;
    results = {result(MetricKind::count, 21), result(MetricKind::average, 2.5),
               result(MetricKind::ratio, 12.25), result(MetricKind::average, -2.5),
               result(MetricKind::sum, 0.125)};
    EXPECT_EQ(Statistics::report(j, results), u"заказ: 3, 12,3 %, \u22123, 0,12; {6}");
}
