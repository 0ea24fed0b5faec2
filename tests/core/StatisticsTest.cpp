#include "statistics/Statistics.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {

// A sales journal: the client is the group and the title; an amount, a discount, a payment date, statuses.
struct Sales {
    Journal j;
    FieldDef client = fieldOf(FieldType::text, u"Клиент"_s, u"g"),
             amount = fieldOf(FieldType::number, u"Сумма"_s),
             discount = fieldOf(FieldType::number, u"Скидка"_s),
             paidOn = fieldOf(FieldType::date, u"Оплачен"_s);
    StatusDef fresh{QUuid::createUuid(), u"Новый"_s, AppColor::blue, {}, true};
    StatusDef paid{QUuid::createUuid(), u"Оплачен"_s, AppColor::green, paidOn.id, true};

    Sales() {
        j.fields = {client, amount, discount, paidOn};
        j.statuses = {fresh, paid};
        j.titleFieldID = client.id;
    }

    void add(const QDateTime& created, std::optional<QString> who, std::optional<double> sum = {},
             std::optional<QDateTime> paidAt = {}, std::optional<QUuid> status = {}, double off = 0) {
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
        r.values.insert(idText(discount.id), FieldValue::ofNumber(off));
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

QStringList titles(const QList<BreakdownRow>& rows) {
    QStringList t;
    for (const BreakdownRow& r : rows)
        t.append(r.title);
    return t;
}

} // namespace

TEST(StatisticsCompute, EveryKindAndIdsThatNameNothing) {
    Sales s;
    s.add(utc(2024, 3, 1), u"Иван"_s, 100);
    s.add(utc(2024, 3, 2), u"  иван "_s, 50);
    s.add(utc(2024, 3, 3), u"Пётр"_s);         // no amount: adds 0, not counted by the average
    s.add(utc(2024, 3, 4), std::nullopt, -20); // no client: the group with the empty key
    s.metric(MetricKind::count);
    s.metric(MetricKind::uniqueGroups);
    s.metric(MetricKind::sum, s.amount.id);
    s.metric(MetricKind::average, s.amount.id);
    s.metric(MetricKind::average);
    s.metric(MetricKind::sum, s.client.id);
    s.metric(MetricKind::count).statusFilterID = QUuid::createUuid();
    s.metric(MetricKind::count).dateFieldID = QUuid::createUuid();
    s.metric(MetricKind::difference);
    const QList<MetricResult> results = Statistics::compute(s.j, std::nullopt);
    EXPECT_EQ(s.values(), (QList<double>{4, 3, 130, 130.0 / 3, 0, 0, 0, 0, 0}));
    EXPECT_EQ(results[2].metric, s.j.metrics[2]);
    EXPECT_EQ(results[2].groups, 3);
    EXPECT_EQ(results[6].groups, 0);
    EXPECT_EQ(results[8].groups, 0);
}

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

TEST(StatisticsCompute, FormulasReadResultsInOrder) {
    Sales s;
    for (int i = 0; i < 4; ++i)
        s.add(utc(2024, 3, 1 + i), u"Клиент"_s, 1.5);
    // Each metric: its kind and its operands' positions (-1 none, 9 an id that names nothing).
    using Plan = QList<std::tuple<MetricKind, int, int>>;
    const MetricKind count = MetricKind::count, sum = MetricKind::sum, diff = MetricKind::difference,
                     ratio = MetricKind::ratio;
    const struct {
        Plan plan;
        QList<double> values;
    } cases[] = {
        {{{count, -1, -1}, {diff, 0, 2}, {ratio, 0, 0}}, {4, 4, 100}}, // a later formula still reads 0
        {{{count, -1, -1}, {sum, -1, -1}, {diff, 0, 1}, {ratio, 2, 0}}, {4, 6, -2, -50}},
        {{{count, -1, -1}, {diff, 0, 1}}, {4, 4}},   // itself
        {{{count, -1, -1}, {ratio, 0, -1}}, {4, 0}}, // division by zero
        {{{count, -1, -1}, {diff, -1, 0}, {ratio, 0, 1}}, {4, -4, -100}},
        {{{count, -1, -1}, {diff, 9, 0}}, {4, -4}},
    };
    for (const auto& c : cases) {
        s.j.metrics.clear();
        for (const auto& step : c.plan)
            s.metric(std::get<0>(step), s.amount.id);
        auto idAt = [&](int pos) -> std::optional<QUuid> {
            return pos < 0 ? std::nullopt : std::optional(s.j.metrics.value(pos).id);
        };
        for (qsizetype i = 0; i < c.plan.size(); ++i)
            std::tie(s.j.metrics[i].operandA, s.j.metrics[i].operandB) =
                std::tuple(idAt(std::get<1>(c.plan[i])), idAt(std::get<2>(c.plan[i])));
        EXPECT_EQ(s.values(), c.values) << c.values.size();
    }
}

TEST(StatisticsCompute, GivenRecordsAndSingleMetrics) {
    Sales s;
    s.add(utc(2024, 3, 1), u"Анна"_s, 5, {}, s.paid.id);
    s.add(utc(2024, 3, 2), u"Борис"_s, 7);
    s.add(utc(2024, 4, 2), u"Анна"_s, 9, {}, s.paid.id);
    MetricDef& paidSum = s.metric(MetricKind::sum, s.amount.id);
    paidSum.statusFilterID = s.paid.id;
    EXPECT_EQ(Statistics::compute(s.j, std::nullopt, s.j.records.mid(0, 2)).value(0).value, 5);
    EXPECT_EQ(Statistics::compute(s.j, std::nullopt, QList<Record>{}).value(0).value, 0);
    EXPECT_EQ(Statistics::records(paidSum, s.j.records, march, s.j), QList<Record>{s.j.records[0]});
    EXPECT_EQ(Statistics::records(paidSum, s.j.records, std::nullopt, s.j).size(), 2);
    MetricDef m = paidSum; // one metric's value reads every record it is given, whatever its filters
    EXPECT_EQ(Statistics::value(m, s.j.records, s.j), 21);
    m.kind = MetricKind::uniqueGroups;
    EXPECT_EQ(Statistics::value(m, s.j.records, s.j), 2);
    m.kind = MetricKind::ratio;
    EXPECT_EQ(Statistics::value(m, s.j.records, s.j), 0);
}

TEST(StatisticsBreakdown, RowsSortByValuesThenTitle) {
    Sales s;
    s.metric(MetricKind::sum, s.amount.id);
    s.metric(MetricKind::sum, s.discount.id);
    for (const auto& [name, sum, off] : {std::tuple(u"a"_s, 10, 5), {u"b"_s, 10, 7}, {u"c"_s, 12, 0}})
        s.add(utc(2024, 3, 10), name, sum, {}, {}, off);
    for (const QString& name : {u"Товар 10"_s, u"товар 2"_s, u"Банан"_s, u"апельсин"_s})
        s.add(utc(2024, 3, 10), name, 1, {}, {}, 1);
    const QList<BreakdownRow> rows = Statistics::breakdown(s.j, s.client, std::nullopt);
    EXPECT_EQ(titles(rows),
              (QStringList{u"c"_s, u"b"_s, u"a"_s, u"апельсин"_s, u"Банан"_s, u"товар 2"_s, u"Товар 10"_s}));
    EXPECT_EQ(rows[0], (BreakdownRow{u"c"_s, u"c"_s, {12, 0}}));
    EXPECT_EQ(rows[6].id(), u"товар 10");
}

TEST(StatisticsBreakdown, GroupsByComparisonKeyTitledByTheFirstText) {
    Sales s;
    s.metric(MetricKind::sum, s.amount.id);
    for (const auto& [name, sum] : {std::tuple(std::optional(u"Ёлка  Зелёная"_s), 1),
                                    {u"  елка зеленая "_s, 2},
                                    {std::nullopt, 1},
                                    {u"   "_s, 1},
                                    {u"ЁЛКА ЗЕЛЁНАЯ"_s, 3},
                                    {std::nullopt, 1}})
        s.add(utc(2024, 3, 10), name, sum);
    EXPECT_EQ(
        Statistics::breakdown(s.j, s.client, std::nullopt),
        (QList<BreakdownRow>{{u"елка зеленая"_s, u"Ёлка  Зелёная"_s, {6}}, {QString(), u"   "_s, {3}}}));
    s.j.records.remove(3); // the blank text was the missing-value row's only title
    EXPECT_EQ(Statistics::breakdown(s.j, s.client, std::nullopt).value(1).title, u"Не указано");
}

TEST(StatisticsBreakdown, EachGroupComputedOnItsOwn) {
    Sales s;
    s.add(utc(2024, 3, 10), u"Сыр"_s, 4);
    s.add(utc(2024, 2, 10), u"Сыр"_s, 8);
    s.add(utc(2024, 4, 1), u"Хлеб"_s, 5); // at March's end: outside
    s.add(utc(2024, 3, 10), u"Вода"_s, 0);
    s.add(utc(2024, 3, 10), u"Соль"_s, -0.0); // a negative zero is 0 too
    const QUuid sum = s.metric(MetricKind::sum, s.amount.id).id;
    EXPECT_EQ(Statistics::breakdown(s.j, s.client, march), (QList<BreakdownRow>{{u"сыр"_s, u"Сыр"_s, {4}}}));

    const QUuid average = s.metric(MetricKind::average, s.amount.id).id;
    s.metric(MetricKind::uniqueGroups);
    MetricDef& share = s.metric(MetricKind::ratio);
    std::tie(share.operandA, share.operandB) = std::tuple(sum, average);
    EXPECT_EQ(Statistics::breakdown(s.j, s.client, std::nullopt),
              (QList<BreakdownRow>{{u"сыр"_s, u"Сыр"_s, {12, 6, 1, 200}},
                                   {u"хлеб"_s, u"Хлеб"_s, {5, 5, 1, 100}},
                                   {u"вода"_s, u"Вода"_s, {0, 0, 1, 0}},
                                   {u"соль"_s, u"Соль"_s, {0, 0, 1, 0}}}));
    s.j.metrics.clear();
    EXPECT_TRUE(Statistics::breakdown(s.j, s.client, std::nullopt).isEmpty());
}
