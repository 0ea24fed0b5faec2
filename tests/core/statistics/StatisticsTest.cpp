#include "core/statistics/Statistics.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// A sales journal: the client is the group and the title; an amount, a payment date, statuses.
struct Sales {
    Journal j;
    FieldDef client = fieldOf(FieldType::text, u"Клиент"_s, u"g"),
             amount = fieldOf(FieldType::number, u"Сумма"_s), paidOn = fieldOf(FieldType::date, u"Оплачен"_s);
    StatusDef fresh{QUuid::createUuid(), u"Новый"_s, AppColor::blue, {}, true};
    StatusDef paid{QUuid::createUuid(), u"Оплачен"_s, AppColor::green, paidOn.id, true};

    Sales() {
        j.fields = {client, amount, paidOn};
        j.statuses = {fresh, paid};
        j.titleFieldID = client.id;
    }

    void add(const QDateTime& created, std::optional<QString> who, std::optional<double> sum = {},
             std::optional<QDateTime> paidAt = {}, std::optional<QUuid> status = {}) {
        Record r;
        r.id = QUuid::createUuid();
        r.statusID = status;
        r.createdAt = r.updatedAt = created;
        if (who)
            r.values.insert(idText(client.id), FieldValue::ofText(*who));
        if (sum)
            r.values.insert(idText(amount.id), FieldValue::ofNumber(*sum));
        if (paidAt)
            r.values.insert(idText(paidOn.id), FieldValue::ofDate(*paidAt));
        j.records.append(r);
    }

    MetricDef& metric(MetricKind kind, std::optional<QUuid> sumField = {}) {
        MetricDef m;
        m.id = QUuid::createUuid();
        m.kind = kind;
        m.sumFieldID = sumField;
        j.metrics.append(m);
        return j.metrics.last();
    }

    QList<double> values(const std::optional<DateInterval>& range = std::nullopt) const {
        QList<double> v;
        for (const MetricResult& r : Statistics::compute(j, range))
            v.append(r.value);
        return v;
    }
};

const DateInterval march{utc(2024, 3, 1), utc(2024, 4, 1)};

} // namespace

TEST(StatisticsCompute, FiltersAndPeriods) {
    Sales s;
    s.add(utc(2024, 3, 1), u"Иван Ёлкин"_s, 10, utc(2024, 3, 31, 20, 59, 59), s.paid.id); // at March's start
    s.add(utc(2024, 4, 1), u"ИВАН   ЕЛКИН"_s, 20, utc(2024, 4, 1), s.paid.id);            // at March's end
    s.add(utc(2024, 2, 29, 23, 59, 59), u"Пётр"_s, 40, {}, s.fresh.id);
    s.add(utc(2024, 3, 15), u"Пётр"_s, 12.5); // no status
    const struct {
        const char* name;
        std::optional<QUuid> status, dateField, filterField;
        QString filterValue;
        double allTime, inMarch;
    } cases[] = {
        {"none", {}, {}, {}, {}, 82.5, 22.5},
        {"status", s.paid.id, {}, {}, {}, 30, 10},
        {"status, never a record without one", s.fresh.id, {}, {}, {}, 40, 0},
        {"date field", {}, s.paidOn.id, {}, {}, 30, 10},
        {"value", {}, {}, s.client.id, u"  иван елкин "_s, 30, 10},
        {"value, blank", {}, {}, s.client.id, u" \n "_s, 82.5, 22.5},
        {"value, unknown field", {}, {}, QUuid::createUuid(), u"Пётр"_s, 82.5, 22.5},
        {"value of a number", {}, {}, s.amount.id, u"12,5"_s, 12.5, 12.5},
        {"value of a date in Moscow", {}, {}, s.paidOn.id, u"01.04.2024"_s, 20, 0},
        {"value and date field", {}, s.paidOn.id, s.client.id, u"пётр"_s, 0, 0},
    };
    for (const auto& c : cases) {
        s.j.metrics.clear();
        MetricDef& m = s.metric(MetricKind::sum, s.amount.id);
        std::tie(m.statusFilterID, m.dateFieldID, m.filterFieldID, m.filterValue) =
            std::tie(c.status, c.dateField, c.filterField, c.filterValue);
        EXPECT_EQ(s.values(), QList<double>{c.allTime}) << c.name;
        EXPECT_EQ(s.values(march), QList<double>{c.inMarch}) << c.name;
    }
}

// What each kind counts, formulas, odd journals and the breakdown's order are held against the plain rules
// by the metric table's test; here the two look-ups the dashboard's lists and the settings preview use.
TEST(StatisticsCompute, OneMetricsRecordsAndValue) {
    Sales s;
    s.add(utc(2024, 3, 1), u"Анна"_s, 5, {}, s.paid.id);
    s.add(utc(2024, 3, 2), u"Борис"_s, 7);
    s.add(utc(2024, 4, 2), u"Анна"_s, 9, {}, s.paid.id);
    MetricDef m = s.metric(MetricKind::sum, s.amount.id);
    m.statusFilterID = s.paid.id;
    EXPECT_EQ(Statistics::records(m, s.j.records, march, s.j), QList<Record>{s.j.records[0]});
    EXPECT_EQ(Statistics::value(m, s.j.records, s.j), 21); // every record given, whatever its filters
    m.kind = MetricKind::uniqueGroups;
    EXPECT_EQ(Statistics::value(m, s.j.records, s.j), 2);
    m.kind = MetricKind::ratio;
    EXPECT_EQ(Statistics::value(m, s.j.records, s.j), 0);
}

// Rows group by the comparison key under the first non-blank text, drop all-zero groups, and sort biggest
// first with ties in natural order.
TEST(StatisticsBreakdown, GroupsTitlesAndOrder) {
    Sales s;
    s.metric(MetricKind::sum, s.amount.id);
    for (const auto& [name, sum] : {std::tuple(std::optional(u"Товар 10"_s), 1.0),
                                    {u"товар 2"_s, 1},
                                    {u"Банан"_s, 1},
                                    {u"апельсин"_s, 1},
                                    {u"Ёлка  Зелёная"_s, 1},
                                    {u"  елка зеленая "_s, 2},
                                    {u"c"_s, 12},
                                    {u"Вода"_s, -0.0},
                                    {std::nullopt, 1},
                                    {u"   "_s, 1}})
        s.add(utc(2024, 3, 10), name, sum);
    EXPECT_EQ(Statistics::breakdown(s.j, s.client, std::nullopt),
              (QList<BreakdownRow>{{u"c"_s, u"c"_s, {12}},
                                   {u"елка зеленая"_s, u"Ёлка  Зелёная"_s, {3}},
                                   {QString(), u"   "_s, {2}},
                                   {u"апельсин"_s, u"апельсин"_s, {1}},
                                   {u"банан"_s, u"Банан"_s, {1}},
                                   {u"товар 2"_s, u"товар 2"_s, {1}},
                                   {u"товар 10"_s, u"Товар 10"_s, {1}}}));
    s.j.records.removeLast(); // the blank text was the missing-value row's only title
    EXPECT_EQ(Statistics::breakdown(s.j, s.client, std::nullopt).value(4),
              (BreakdownRow{QString(), u"Не указано"_s, {1}}));
}
