#include "app/dashboard/DashboardFigures.h"
#include "RecordFixtures.h"
#include "TestSupport.h"
#include "app/dashboard/BreakdownTexts.h"
#include "app/dashboard/PeriodRecords.h"
#include "app/dashboard/TileTexts.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Dashboard;

namespace {

const Calendar moscow{zone("Europe/Moscow")};
// A Wednesday.
const QDateTime now = at("Europe/Moscow", 2026, 3, 18, 15, 30);

QDateTime day(int month, int d) {
    return at("Europe/Moscow", 2026, month, d);
}

} // namespace

TEST(DashboardFigures, CountLineCountsGroupsOverAllRecords) {
    Journal journal = journalOf({fieldOf(FieldType::text)});
    journal.itemNoun = {u"заказ"_s, u"заказа"_s, u"заказов"_s};
    journal.records = {labelled(u"r"_s)};
    EXPECT_EQ(countLine(MetricTable(journal)), u"В журнале: 1 заказ");

    journal.fields = {fieldOf(FieldType::text, u"Клиент"_s, u"g")};
    journal.groupNoun = {u"клиент"_s, u"клиента"_s, u"клиентов"_s};
    journal.records.clear();
    EXPECT_EQ(countLine(MetricTable(journal)), u"В журнале: 0 заказов, 0 клиентов");
    // Keys compare letters without case and blanks around; the period does not matter here.
    for (const char* who : {"Анна", " анна ", "Борис", "Вера"})
        journal.records.append(
            labelled(u"r"_s, {{journal.fields[0], FieldValue::ofText(QString::fromUtf8(who))}}));
    EXPECT_EQ(countLine(MetricTable(journal)), u"В журнале: 4 заказа, 3 клиента");
}

TEST(DashboardFigures, PeriodDescriptions) {
    const struct {
        const char* name;
        ReportPeriod period;
        CustomDates custom;
        const char* description;
    } cases[] = {
        {"the month ends on its last day", ReportPeriod::thisMonth, {}, "01.03.2026 — 31.03.2026"},
        {"custom days in either order",
         ReportPeriod::custom,
         {day(3, 10), day(3, 5)},
         "05.03.2026 — 10.03.2026"},
        {"custom single day", ReportPeriod::custom, {day(3, 7), day(3, 7).addSecs(3600)}, "07.03.2026"},
        {"all time", ReportPeriod::allTime, {}, "Все записи"},
    };
    for (const auto& c : cases) {
        const auto range = interval(c.period, now, c.custom.start, c.custom.end, moscow);
        EXPECT_EQ(periodDescription(range, moscow), QString::fromUtf8(c.description)) << c.name;
    }
}

TEST(DashboardFigures, StoredPeriodFallsBackToThisMonth) {
    const struct {
        QVariant stored;
        ReportPeriod period;
    } cases[] = {
        {QVariant(), ReportPeriod::thisMonth},
        {u"lastWeek"_s, ReportPeriod::lastWeek},
        {u"ThisYear"_s, ReportPeriod::thisMonth},
        {QVariant(4), ReportPeriod::thisMonth},
    };
    for (const auto& c : cases)
        EXPECT_EQ(storedPeriod(c.stored), c.period) << c.stored.toString().toStdString();
    EXPECT_EQ(periodSettingsKey(QUuid(u"{0a1b2c3d-0000-4000-8000-00000000abcd}"_s)),
              u"period.0A1B2C3D-0000-4000-8000-00000000ABCD");
}

TEST(DashboardFigures, ComparisonOnlyForBoundedPeriods) {
    Journal j = journalOf({});
    j.metrics = {MetricDef{.id = QUuid::createUuid()}};
    j.records = {labelled(u"feb"_s, day(2, 10)), labelled(u"mar"_s, day(3, 2)),
                 labelled(u"mar"_s, day(3, 3))};
    const CustomDates custom = CustomDates::initial(now, moscow);
    EXPECT_EQ(custom.start, day(3, 1));
    MetricTable table(j);
    const DashboardFigures month = computeFigures(table, ReportPeriod::thisMonth, custom, now, moscow);
    EXPECT_EQ(month.results[0].value, 2);
    EXPECT_EQ(month.previous(0), 1.0);
    EXPECT_EQ(month.previous(1), std::nullopt) << "no result at that position";
    EXPECT_EQ(computeFigures(table, ReportPeriod::allTime, custom, now, moscow).previous(0), std::nullopt);
}

// A sum past the largest number, and a difference of two such sums, have no digits to show: every place
// that shows a metric's value writes "—", never "∞" or "не число", and a comparison with such a value is
// neither "the same as before" nor a difference.
TEST(DashboardFigures, ValuesPastTheLargestNumber) {
    const FieldDef client = fieldOf(FieldType::text, u"Клиент"_s);
    const FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    Journal j = journalOf({client, amount});
    const MetricDef sum{.id = QUuid::createUuid(),
                        .title = u"Выручка"_s,
                        .kind = MetricKind::sum,
                        .sumFieldID = amount.id,
                        .unit = u"₽"_s};
    j.metrics = {MetricDef{.id = QUuid::createUuid(), .title = u"Заказы"_s}, sum,
                 MetricDef{.id = QUuid::createUuid(),
                           .title = u"Разница"_s,
                           .kind = MetricKind::difference,
                           .operandA = sum.id,
                           .operandB = sum.id}};
    j.reportTemplate = u"{2} за {1} {1|заказ|заказа|заказов}, разница {3}"_s;
    for (const QDateTime& created : {day(2, 10), day(2, 11), day(3, 2), day(3, 3)}) {
        Record& r = j.records.emplace_back(labelled(u"r"_s, created));
        put(r, client, FieldValue::ofText(u"Анна"_s));
        put(r, amount, FieldValue::ofNumber(1.5e308));
    }
    MetricTable table(j);
    const DashboardFigures f = computeFigures(table, ReportPeriod::thisMonth,
                                              CustomDates::initial(now, moscow), now, moscow, client);
    ASSERT_EQ(f.breakdown.size(), 1);
    const auto compared = [&](double value, double previous) {
        const std::optional<Comparison> line = comparison(value, previous, sum);
        return line ? line->text : u"(no line)"_s;
    };
    Journal summary = j;
    summary.reportTemplate.clear();

    const struct {
        const char* place;
        QString shown, expected;
    } cases[] = {
        {"tile: the sum", Statistics::format(f.results[1].value, sum), u"—"_s},
        {"tile: the difference", Statistics::format(f.results[2].value, j.metrics[2]), u"—"_s},
        {"comparison: two such sums", compared(f.results[1].value, *f.previous(1)), u"(no line)"_s},
        {"comparison: two such differences", compared(f.results[2].value, *f.previous(2)), u"(no line)"_s},
        {"comparison: a change past it", compared(1.5e308, -1.5e308), u"(no line)"_s},
        {"comparison: finite values still compare", compared(f.results[0].value, *f.previous(0)),
         u"как в прошлом периоде"_s},
        {"short report", Statistics::report(summary, f.results),
         u"За период: заказы — 2, выручка — —, разница — —"_s},
        {"report template", Statistics::report(j, f.results), u"— за 2 заказа, разница —"_s},
        {"breakdown cell", breakdownCell(f.breakdown[0].values, 1, j.metrics), u"—"_s},
        {"breakdown copy", breakdownText(f.breakdown, client, j.metrics),
         u"Клиент\tЗаказы\tВыручка\tРазница\nАнна\t2\t—\t—"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.expected) << c.place;
}

TEST(PeriodRecords, TheFirstMetricsDateFieldUpToThePeriodsLastSecond) {
    const FieldDef paid = fieldOf(FieldType::date, u"Дата оплаты"_s);
    Journal j = journalOf({paid});
    EXPECT_EQ(periodDateField(j), std::nullopt);
    j.metrics = {MetricDef{.id = QUuid::createUuid()},
                 MetricDef{.id = QUuid::createUuid(), .dateFieldID = paid.id}};
    EXPECT_EQ(periodDateField(j), std::nullopt) << "a later metric's date field is not asked";
    j.metrics[0].dateFieldID = QUuid::createUuid();
    EXPECT_EQ(periodDateField(j), std::nullopt) << "a deleted field";
    j.metrics[0].dateFieldID = paid.id;
    ASSERT_EQ(periodDateField(j), paid);
    EXPECT_EQ(periodRecordsTitle(paid), u"Записи за период (дата оплаты)");

    RecordFilters defaults;
    defaults.from = day(3, 1);
    defaults.to = now;
    const auto custom = interval(ReportPeriod::custom, now, day(3, 10), day(3, 5), moscow);
    const RecordFilters narrowed = periodFilters(paid, custom, defaults);
    EXPECT_EQ(narrowed.dateFieldID, paid.id);
    EXPECT_EQ(narrowed.from, day(3, 5));
    EXPECT_EQ(narrowed.to, at("Europe/Moscow", 2026, 3, 10, 23, 59, 59));
    EXPECT_EQ(periodFilters(paid, std::nullopt, defaults), defaults) << "all time keeps the defaults";
}
