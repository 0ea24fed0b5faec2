// The whole application's memory against its data file's size, the file's first journal holding 50,000 or
// 200,000 records (the argument). A fresh process of this program starts the store on the file and shows
// the window: that journal's dashboard, its records tab after a search, where a status set on a record
// saves the file, its dashboard again, and the small second journal.
//
// peak_x is the highest resident size the process reached over all of it (start-up included) above the
// resident size before the store was made, unsaved_peak_x the same up to the save; process_peak_x is the
// highest resident size whole, the libraries, fonts and styles of the window included. The other figures are
// the heap in use once each step is done, counted by the allocator (it drops as soon as memory is freed,
// where the resident size keeps freed pages and reuses pages the process had before).
#include "LargeJournals.h"
#include "ProcessMemory.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "views/shell/MainWindow.h"
#include "views/shell/QtFilePanels.h"

#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

double heapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd);
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// The window shows both tabs once on a small file first, so that what the first window of a process loads
// for good (fonts, icons, styles) is not counted against the large file.
void warmUp(const QString& path, QSettings& settings, FilePanels& panels) {
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(LargeJournals::dataFile(100));
    }
    AppStore store(path);
    AppRouter router([] { return LargeJournals::benchNow; });
    MainWindow window(store, router, panels, settings);
    window.show();
    settle();
    router.setTab(JournalTab::records);
    settle();
    window.repaint();
    router.setTab(JournalTab::dashboard);
    settle();
    window.repaint();
}

// The child's side: the steps on the file the parent wrote, each figure written to a line "name value" of
// the output file, in bytes.
void appMemoryChild(benchmark::State& state) {
    QStandardPaths::setTestModeEnabled(true);
    const QString path = qEnvironmentVariable("VOSTREL_APP_MEMORY_FILE");
    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    QtFilePanels panels;
    warmUp(dir.filePath(u"small.json"_s), settings, panels);
    QByteArray figures;
    const auto figure = [&](const char* name, double bytes) {
        figures += QByteArray(name) + ' ' + QByteArray::number(bytes, 'f', 0) + '\n';
    };
    for (auto _ : state) {
        settle();
        // What the warm-up freed goes back to the system, so that the steps' pages show in the resident size.
        malloc_trim(0);
        // Where the peak cannot be started afresh, it counts from the process's start: the warm-up's small
        // file adds little to it.
        ProcessMemory::resetPeak();
        const double resident = double(ProcessMemory::statusKb("VmRSS:")) * 1024;
        const double before = heapBytes();
        const auto step = [&](const char* name) { figure(name, heapBytes() - before); };
        AppStore store(path);
        step("store_x");
        AppRouter router([] { return LargeJournals::benchNow; });
        MainWindow window(store, router, panels, settings);
        window.show();
        settle();
        window.repaint();
        step("dashboard_x");
        router.setTab(JournalTab::records);
        settle();
        // The user searches, then clears the search.
        const QUuid large = store.journals().value(0).id;
        RecordFilters filters = router.filtersFor(large);
        filters.search = u"фу"_s;
        router.writeFilters(large, filters);
        settle();
        filters.search.clear();
        router.writeFilters(large, filters);
        settle();
        window.repaint();
        step("records_x");
        figure("unsaved_peak_x", double(ProcessMemory::statusKb("VmHWM:")) * 1024 - resident);
        // A status set on a record of the table saves the file, the first save of the run.
        const Journal& journal = store.journals().value(0);
        if (!journal.statuses.isEmpty() && !journal.records.isEmpty())
            store.setStatus(journal.statuses.last().id, {journal.records.first().id}, journal.id,
                            LargeJournals::benchNow);
        settle();
        window.repaint();
        step("saved_x");
        router.setTab(JournalTab::dashboard);
        settle();
        window.repaint();
        step("back_x");
        router.setSelectedJournalID(store.journals().value(1).id);
        settle();
        window.repaint();
        step("other_x");
        const double peak = double(ProcessMemory::statusKb("VmHWM:")) * 1024;
        figure("peak_x", peak - resident);
        figure("process_peak_x", peak);
    }
    QFile out(qEnvironmentVariable("VOSTREL_APP_MEMORY_OUT"));
    if (out.open(QIODevice::WriteOnly))
        out.write(figures);
}

const bool childRegistered = [] {
    if (qEnvironmentVariableIsSet("VOSTREL_APP_MEMORY_FILE"))
        benchmark::RegisterBenchmark("AppMemoryChild", appMemoryChild)->Iterations(1);
    return true;
}();

void BM_AppMemory(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data.json"_s);
    const QString out = dir.filePath(u"figures.txt"_s);
    double fileBytes = 0;
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            fileBytes = double(file.write(LargeJournals::dataFile(int(state.range(0)))));
    }
    for (auto _ : state) {
        QFile::remove(out);
        if (ProcessMemory::runChild(u"^AppMemoryChild/"_s,
                                    {{"VOSTREL_APP_MEMORY_FILE", QFile::encodeName(path)},
                                     {"VOSTREL_APP_MEMORY_OUT", QFile::encodeName(out)}}) != 0) {
            state.SkipWithError("the measuring child failed");
            return;
        }
    }
    QFile figures(out);
    if (!figures.open(QIODevice::ReadOnly)) {
        state.SkipWithError("the measuring child wrote nothing");
        return;
    }
    for (const QByteArray& line : figures.readAll().split('\n')) {
        const QList<QByteArray> parts = line.split(' ');
        if (parts.size() == 2)
            state.counters[QString::fromUtf8(parts[0]).toStdString()] = parts[1].toDouble() / fileBytes;
    }
    state.counters["file_MB"] = fileBytes / 1e6;
}
BENCHMARK(BM_AppMemory)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
