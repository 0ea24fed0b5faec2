#include "core/statistics/ReportPeriod.h"
#include "core/statistics/Statistics.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace Qt::StringLiterals;

namespace {

const Calendar moscow{QTimeZone(QByteArrayLiteral("Europe/Moscow"))};
const QDateTime benchNow(QDate(2024, 12, 15), QTime(12, 0), QTimeZone(QByteArrayLiteral("Europe/Moscow")));

// A sales journal of 50,000 records spread evenly over 2023 and 2024: 5,000 clients, amounts, payment dates
// on most records, three statuses and a sales channel.
// Five metrics: orders, distinct clients, paid revenue by payment date, the average order from the web
// shop, and the share of paid revenue per order.
Journal salesJournal() {
    auto field = [](const QString& name, FieldType type, bool inGroup = false) {
        FieldDef f;
        f.id = QUuid::createUuid();
        f.key = f.name = name;
        f.type = type;
        f.inGroup = inGroup;
        return f;
    };
    Journal j;
    j.id = QUuid::createUuid();
    const FieldDef client = field(u"Клиент"_s, FieldType::text, true);
    const FieldDef amount = field(u"Сумма"_s, FieldType::number);
    const FieldDef paidOn = field(u"Оплачен"_s, FieldType::date);
    FieldDef channel = field(u"Канал"_s, FieldType::choice);
    channel.options = {u"Сайт"_s, u"Телефон"_s, u"Магазин"_s};
    j.fields = {client, amount, paidOn, channel};
    j.titleFieldID = client.id;
    for (const char* name : {"Новый", "Оплачен", "Отменён"})
        j.statuses.append(StatusDef{QUuid::createUuid(), QString::fromUtf8(name), AppColor::blue, {}, true});

    std::mt19937 random(7);
    const QDateTime first = moscow.startOfDay(QDate(2023, 1, 1));
    const qint64 span = first.secsTo(moscow.startOfDay(QDate(2025, 1, 1)));
    const QString clientKey = fieldKey(client.id), amountKey = fieldKey(amount.id),
                  paidKey = fieldKey(paidOn.id), channelKey = fieldKey(channel.id);
    const int count = 50'000;
    for (int i = 0; i < count; ++i) {
        Record r;
        r.id = QUuid::createUuid();
        r.statusID = j.statuses[int(random() % 3)].id;
        r.createdAt = r.updatedAt = first.addSecs(span * i / count);
        r.values.insert(clientKey, FieldValue::ofText(u"Клиент %1"_s.arg(random() % 5000)));
        r.values.insert(amountKey, FieldValue::ofNumber(double(random() % 100'000) / 100));
        if (random() % 4 != 0)
            r.values.insert(paidKey, FieldValue::ofDate(r.createdAt.addDays(int(random() % 10))));
        r.values.insert(channelKey, FieldValue::ofText(channel.options[int(random() % 3)]));
        j.records.append(r);
    }

    auto metric = [&](const QString& title, MetricKind kind) -> MetricDef& {
        MetricDef m;
        m.id = QUuid::createUuid();
        m.title = title;
        m.kind = kind;
        j.metrics.append(m);
        return j.metrics.last();
    };
    metric(u"Заказы"_s, MetricKind::count);
    metric(u"Клиенты"_s, MetricKind::uniqueGroups);
    MetricDef& paid = metric(u"Оплачено"_s, MetricKind::sum);
    paid.sumFieldID = amount.id;
    paid.dateFieldID = paidOn.id;
    paid.statusFilterID = j.statuses[1].id;
    MetricDef& web = metric(u"Средний чек сайта"_s, MetricKind::average);
    web.sumFieldID = amount.id;
    web.filterFieldID = channel.id;
    web.filterValue = u" сайт"_s;
    MetricDef& share = metric(u"Оплачено на заказ"_s, MetricKind::ratio);
    share.operandA = j.metrics[2].id;
    share.operandB = j.metrics[0].id;
    return j;
}

const Journal& journal() {
    static const Journal j = salesJournal();
    return j;
}

// What the dashboard does on every redraw: all metrics for the period and for its comparison period.
void BM_MetricsForPeriodAndComparison(benchmark::State& state) {
    const Journal& j = journal();
    const ReportPeriod period = allReportPeriods[state.range(0)];
    for (auto _ : state) {
        const auto range = interval(period, benchNow, benchNow, benchNow, moscow);
        benchmark::DoNotOptimize(Statistics::compute(j, range));
        benchmark::DoNotOptimize(Statistics::compute(j, previous(range, moscow)));
    }
    state.SetLabel(rawValue(period).toStdString());
}
BENCHMARK(BM_MetricsForPeriodAndComparison)
    ->Arg(int(ReportPeriod::thisMonth))
    ->Arg(int(ReportPeriod::thisYear))
    ->Arg(int(ReportPeriod::allTime))
    ->Unit(benchmark::kMillisecond);

void BM_BreakdownByClient(benchmark::State& state) {
    const Journal& j = journal();
    const auto range = interval(ReportPeriod::thisYear, benchNow, benchNow, benchNow, moscow);
    for (auto _ : state)
        benchmark::DoNotOptimize(Statistics::breakdown(j, j.fields[0], range));
}
BENCHMARK(BM_BreakdownByClient)->Unit(benchmark::kMillisecond);

// Templates that are all unmatched braces, or one long placeholder attempt after another, render in
// time proportional to their length.
void BM_RenderMalformedTemplate(benchmark::State& state) {
    const QString text = state.range(0) == 0 ? QString(1 << 20, u'{') : u"{ 1 {"_s.repeated(1 << 18) + u"}"_s;
    const QList<double> values{3, 12.5};
    for (auto _ : state)
        benchmark::DoNotOptimize(Statistics::render(text, values));
    state.SetBytesProcessed(state.iterations() * text.size() * 2);
}
BENCHMARK(BM_RenderMalformedTemplate)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
