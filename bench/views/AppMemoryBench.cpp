// The whole application's memory against its data file's size, the file's first journal holding 50,000 or
// 200,000 records (the argument): once the store has read the file, with that journal's dashboard shown,
// with its records tab shown after a search, back on its dashboard, and once the small second journal is
// selected. Counted by the allocator (the heap in use, which drops as soon as memory is freed, where the
// resident size keeps freed pages and reuses pages the process had before).
#include "LargeJournals.h"
#include "app/AppRouter.h"
#include "core/store/Store.h"
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

void BM_AppMemory(benchmark::State& state) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    const QString path = dir.filePath(u"data.json"_s);
    double fileBytes = 0;
    {
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            fileBytes = double(file.write(LargeJournals::dataFile(int(state.range(0)))));
    }
    QSettings settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    QtFilePanels panels;
    warmUp(dir.filePath(u"small.json"_s), settings, panels);
    for (auto _ : state) {
        settle();
        const double before = heapBytes();
        {
            AppStore store(path);
            const double stored = heapBytes();
            AppRouter router([] { return LargeJournals::benchNow; });
            MainWindow window(store, router, panels, settings);
            window.show();
            settle();
            window.repaint();
            const double dashboard = heapBytes();
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
            const double records = heapBytes();
            router.setTab(JournalTab::dashboard);
            settle();
            window.repaint();
            const double back = heapBytes();
            router.setSelectedJournalID(store.journals().value(1).id);
            settle();
            window.repaint();
            const double other = heapBytes();
            const auto times = [&](double bytes) { return (bytes - before) / fileBytes; };
            state.counters["store_x"] = times(stored);
            state.counters["dashboard_x"] = times(dashboard);
            state.counters["records_x"] = times(records);
            state.counters["back_x"] = times(back);
            state.counters["other_x"] = times(other);
        }
        settle();
    }
    state.counters["file_MB"] = fileBytes / 1e6;
}
BENCHMARK(BM_AppMemory)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
