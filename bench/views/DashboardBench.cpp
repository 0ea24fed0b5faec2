// The dashboard of one sales journal of 50,000 and 200,000 records (the first argument): opening the tab
// (the records prepared for the figures, the figures of the period and the one before, the group count,
// the breakdown, the tab painted) and showing it again, picking another period and a store change, each to
// a repainted tab; and the preparation and the figures on their own.
#include "LargeJournals.h"
#include "app/AppRouter.h"
#include "app/dashboard/DashboardFigures.h"
#include "views/dashboard/DashboardHeader.h"
#include "views/dashboard/DashboardView.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Dashboard;
using LargeJournals::benchNow;

namespace {

const Journal& salesFor(const benchmark::State& state) {
    return LargeJournals::sales(int(state.range(0)));
}

struct Fixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
    AppRouter router{[] { return benchNow; }};
};

void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Argument 1: 0 for the first showing of the journal's dashboard, which reads its records; 1 for the tab
// shown again while the journal screen keeps what the figures read.
void BM_DashboardOpen(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    Fixture f;
    const bool kept = state.range(1);
    auto table = std::make_shared<MetricTable>();
    for (auto _ : state) {
        if (!kept)
            table = std::make_shared<MetricTable>();
        auto view = std::make_unique<DashboardView>(f.router, f.settings, journal, table);
        view->resize(1170, 780);
        view->show();
        QCoreApplication::processEvents();
        view->repaint();
        state.PauseTiming();
        view.reset();
        settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DashboardOpen)->ArgsProduct({{50'000, 200'000}, {0, 1}})->Unit(benchmark::kMillisecond);

void BM_DashboardPickPeriod(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    Fixture f;
    DashboardView view(f.router, f.settings, journal, std::make_shared<MetricTable>());
    view.resize(1170, 780);
    view.show();
    QCoreApplication::processEvents();
    QComboBox* picker = view.findChild<QComboBox*>(u"periodPicker"_s);
    const auto pick = [&](ReportPeriod period) {
        const int index = picker->findData(rawValue(period));
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        view.repaint();
    };
    const auto period = ReportPeriod(state.range(1));
    for (auto _ : state) {
        state.PauseTiming();
        pick(ReportPeriod::yesterday);
        state.ResumeTiming();
        pick(period);
    }
    state.SetLabel(rawValue(period).toStdString());
}
BENCHMARK(BM_DashboardPickPeriod)
    ->ArgsProduct({{50'000, 200'000},
                   {int(ReportPeriod::thisMonth), int(ReportPeriod::thisYear), int(ReportPeriod::allTime)}})
    ->Unit(benchmark::kMillisecond);

// The breakdown by client, a field of nearly as many values as records. Argument 1 is the period;
// argument 2 is 0 for picking the field (then back by channel, untimed), 1 for picking the period while
// the breakdown by client is shown (from yesterday's, untimed); each to a repainted tab.
void BM_DashboardBreakdownByClient(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    const auto period = ReportPeriod(state.range(1));
    Fixture f;
    f.settings.setValue(periodSettingsKey(journal.id), rawValue(period));
    DashboardView view(f.router, f.settings, journal, std::make_shared<MetricTable>());
    view.resize(1170, 780);
    view.show();
    QCoreApplication::processEvents();
    const auto choose = [&](QComboBox* picker, int index) {
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        view.repaint();
    };
    auto* fields = view.findChild<QComboBox*>(u"breakdownField"_s);
    QComboBox* periods = view.findChild<QComboBox*>(u"periodPicker"_s);
    const auto pickField = [&](const QString& name) { choose(fields, fields->findText(name)); };
    const auto pickPeriod = [&](ReportPeriod p) { choose(periods, periods->findData(rawValue(p))); };
    const bool periodChange = state.range(2);
    if (periodChange)
        pickField(u"Клиент"_s);
    for (auto _ : state) {
        if (periodChange) {
            state.PauseTiming();
            pickPeriod(ReportPeriod::yesterday);
            state.ResumeTiming();
            pickPeriod(period);
            continue;
        }
        pickField(u"Клиент"_s);
        state.PauseTiming();
        pickField(u"Канал продаж"_s);
        state.ResumeTiming();
    }
    state.SetLabel(rawValue(period).toStdString());
}
BENCHMARK(BM_DashboardBreakdownByClient)
    ->ArgsProduct({{50'000, 200'000}, {int(ReportPeriod::thisMonth), int(ReportPeriod::allTime)}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// A store change while the tab is shown: the journal differs by one record, so what was derived from that
// record is derived again and the tab redrawn.
void BM_DashboardStoreChange(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    Journal changed = journal;
    changed.records.last().values.clear();
    Fixture f;
    DashboardView view(f.router, f.settings, journal, std::make_shared<MetricTable>());
    view.resize(1170, 780);
    view.show();
    QCoreApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        view.setJournal((flip = !flip) ? changed : journal);
        view.repaint();
    }
}
BENCHMARK(BM_DashboardStoreChange)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// The journal's records prepared for its figures: what opening the tab reads.
void BM_MetricTablePrepare(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    const QList<FieldDef> channel{*journal.field(journal.breakdownFieldID)};
    for (auto _ : state)
        benchmark::DoNotOptimize(MetricTable(journal, channel));
}
BENCHMARK(BM_MetricTablePrepare)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);

// The figures of one period pick from a prepared journal: two periods, the breakdown by the sales channel.
void BM_MetricTableFigures(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    const FieldDef channel = *journal.field(journal.breakdownFieldID);
    MetricTable table(journal, {channel});
    const auto period = ReportPeriod(state.range(1));
    const Calendar calendar = Calendar::current();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeFigures(table, period, CustomDates{}, benchNow, calendar, channel));
    state.SetLabel(rawValue(period).toStdString());
}
BENCHMARK(BM_MetricTableFigures)
    ->ArgsProduct({{50'000, 200'000},
                   {int(ReportPeriod::thisMonth), int(ReportPeriod::thisYear), int(ReportPeriod::allTime)}})
    ->Unit(benchmark::kMillisecond);

} // namespace
