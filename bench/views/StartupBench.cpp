// Start-up at scale: the store reads a 62 MB data file of 50,000 records, the window is built with the
// first journal's dashboard and painted once. Closing the window is not part of start-up.
#include "AppRouter.h"
#include "DataFileGenerator.h"
#include "MainWindow.h"
#include "QtFilePanels.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct StartupFixture {
    QTemporaryDir dir;
    QString dataPath = dir.filePath(u"data.json"_s);
    qint64 bytes = 0;

    StartupFixture() {
        const QByteArray data = DataFileGenerator::dataFile(DataFileGenerator::journals(50'000));
        QFile file(dataPath);
        if (file.open(QIODevice::WriteOnly))
            bytes = file.write(data);
    }
};

void BM_StartupToPaintedDashboard(benchmark::State& state) {
    static const StartupFixture fixture;
    QSettings settings(fixture.dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    QtFilePanels panels;
    for (auto _ : state) {
        auto store = std::make_unique<AppStore>(fixture.dataPath);
        auto router = std::make_unique<AppRouter>();
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
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(fixture.bytes) / 1e6;
}
BENCHMARK(BM_StartupToPaintedDashboard)->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace
