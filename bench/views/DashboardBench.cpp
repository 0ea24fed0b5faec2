// The dashboard at 50,000 records: opening the tab (the records prepared for the figures, the figures of
// the period and the one before, the group count, the breakdown, the tab painted), picking another period
// and a store change, each to a repainted tab; and the preparation and the figures on their own.
#include "AppRouter.h"
#include "DataFileGenerator.h"
#include "dashboard/DashboardFigures.h"
#include "dashboard/DashboardHeader.h"
#include "dashboard/DashboardView.h"
#include "store/DataFile.h"
#include "templates/Templates.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

// Records every 5 minutes up to now: the current and the previous month are both full.
const QDateTime benchNow = QDateTime(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC);

const Journal& sales() {
    static const Journal journal = [] {
        DataFileGenerator::Timeline timeline;
        timeline.spacingSeconds = 300;
        timeline.first = benchNow.addSecs(-300LL * 50'000);
        return DataFileGenerator::journal(Templates::sales, 50'000, 1, timeline);
    }();
    return journal;
}

// The same journal as the application holds it after a start: read back from its data file, where the
// records share the texts of their value keys.
const Journal& salesFromFile() {
    static const Journal journal = [] {
        rapidjson::StringBuffer bytes;
        QString error;
        DataFile::encode({sales()}, benchNow, bytes, &error);
        return DataFile::decode(QByteArray(bytes.GetString(), qsizetype(bytes.GetSize())), benchNow, &error)
            ->first();
    }();
    return journal;
}

// Argument 0: the journal as generated; 1: as read from the data file.
const Journal& salesFor(const benchmark::State& state) {
    return state.range(0) ? salesFromFile() : sales();
}

struct Fixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
    AppRouter router{[] { return benchNow; }};
};

void BM_DashboardOpen(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    Fixture f;
    for (auto _ : state) {
        auto view = std::make_unique<DashboardView>(f.router, f.settings, journal);
        view->resize(1170, 780);
        view->show();
        QCoreApplication::processEvents();
        view->repaint();
        state.PauseTiming();
        view.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DashboardOpen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_DashboardPickPeriod(benchmark::State& state) {
    const Journal& journal = sales();
    Fixture f;
    DashboardView view(f.router, f.settings, journal);
    view.resize(1170, 780);
    view.show();
    QCoreApplication::processEvents();
    QComboBox* picker = view.header()->periodPicker();
    const auto pick = [&](ReportPeriod period) {
        const int index = picker->findData(rawValue(period));
        picker->setCurrentIndex(index);
        emit picker->activated(index);
        view.repaint();
    };
    const auto period = ReportPeriod(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        pick(ReportPeriod::yesterday);
        state.ResumeTiming();
        pick(period);
    }
    state.SetLabel(rawValue(period).toStdString());
}
BENCHMARK(BM_DashboardPickPeriod)
    ->Arg(int(ReportPeriod::thisMonth))
    ->Arg(int(ReportPeriod::thisYear))
    ->Arg(int(ReportPeriod::allTime))
    ->Unit(benchmark::kMillisecond);

// A store change while the tab is shown: the journal differs by one record, so its records are prepared
// again and the tab redrawn.
void BM_DashboardStoreChange(benchmark::State& state) {
    const Journal& journal = sales();
    Journal changed = journal;
    changed.records.last().values.clear();
    Fixture f;
    DashboardView view(f.router, f.settings, journal);
    view.resize(1170, 780);
    view.show();
    QCoreApplication::processEvents();
    bool flip = false;
    for (auto _ : state) {
        view.setJournal((flip = !flip) ? changed : journal);
        view.repaint();
    }
}
BENCHMARK(BM_DashboardStoreChange)->Unit(benchmark::kMillisecond);

// The journal's records prepared for its figures: what opening the tab or a store change reads.
void BM_MetricTablePrepare(benchmark::State& state) {
    const Journal& journal = salesFor(state);
    const QList<FieldDef> channel{*journal.field(journal.breakdownFieldID)};
    for (auto _ : state)
        benchmark::DoNotOptimize(MetricTable(journal, channel));
}
BENCHMARK(BM_MetricTablePrepare)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The figures of one period pick from a prepared journal: two periods, the breakdown by the sales channel.
void BM_MetricTableFigures(benchmark::State& state) {
    const FieldDef channel = *sales().field(sales().breakdownFieldID);
    MetricTable table(sales(), {channel});
    const auto period = ReportPeriod(state.range(0));
    const Calendar calendar = Calendar::current();
    for (auto _ : state)
        benchmark::DoNotOptimize(computeFigures(table, period, CustomDates{}, benchNow, calendar, channel));
    state.SetLabel(rawValue(period).toStdString());
}
BENCHMARK(BM_MetricTableFigures)
    ->Arg(int(ReportPeriod::thisMonth))
    ->Arg(int(ReportPeriod::thisYear))
    ->Arg(int(ReportPeriod::allTime))
    ->Unit(benchmark::kMillisecond);

} // namespace
