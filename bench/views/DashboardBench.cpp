// The dashboard at 50,000 records: opening the tab (figures of the period and the one before, the group
// count, the breakdown, the tab painted) and picking another period, each to a repainted tab.
#include "AppRouter.h"
#include "DataFileGenerator.h"
#include "dashboard/DashboardFigures.h"
#include "dashboard/DashboardHeader.h"
#include "dashboard/DashboardView.h"
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

struct Fixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
    AppRouter router{[] { return benchNow; }};
};

void BM_DashboardOpen(benchmark::State& state) {
    const Journal& journal = sales();
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
BENCHMARK(BM_DashboardOpen)->Unit(benchmark::kMillisecond);

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

// The header's count of groups over all records, made once per journal change.
void BM_CountLine(benchmark::State& state) {
    const Journal& journal = sales();
    for (auto _ : state)
        benchmark::DoNotOptimize(countLine(journal));
}
BENCHMARK(BM_CountLine)->Unit(benchmark::kMillisecond);

} // namespace
