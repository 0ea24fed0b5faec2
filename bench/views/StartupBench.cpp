// Start-up at scale: the store reads a data file whose first journal holds 50,000 or 200,000 records (the
// argument), the window is built with that journal's dashboard and painted once. Closing the window is not
// part of start-up.
#include "LargeJournals.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "views/shell/MainWindow.h"
#include "views/shell/QtFilePanels.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct StartupFixture {
    QTemporaryDir dir;
    QString dataPath = dir.filePath(u"data.json"_s);
    qint64 bytes = 0;

    explicit StartupFixture(int records) {
        const QByteArray data = LargeJournals::dataFile(records);
        QFile file(dataPath);
        if (file.open(QIODevice::WriteOnly))
            bytes = file.write(data);
    }
};

const StartupFixture& fixtureFor(int records) {
    static std::map<int, std::unique_ptr<StartupFixture>> made;
    auto& fixture = made[records];
    if (!fixture)
        fixture = std::make_unique<StartupFixture>(records);
    return *fixture;
}

void BM_StartupToPaintedDashboard(benchmark::State& state) {
    const StartupFixture& fixture = fixtureFor(int(state.range(0)));
    QSettings settings(fixture.dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    QtFilePanels panels;
    for (auto _ : state) {
        auto store = std::make_unique<AppStore>(fixture.dataPath);
        auto router = std::make_unique<AppRouter>([] { return LargeJournals::benchNow; });
        auto window = std::make_unique<MainWindow>(*store, *router, panels, settings);
        window->show();
        QCoreApplication::processEvents();
        window->repaint();
        if (store->lastError() || !router->selectedJournalID())
            state.SkipWithError("the data file did not open on a journal");
        state.PauseTiming();
        window.reset();
        router.reset();
        store.reset();
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(fixture.bytes) / 1e6;
}
BENCHMARK(BM_StartupToPaintedDashboard)
    ->Arg(50'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5);

} // namespace
