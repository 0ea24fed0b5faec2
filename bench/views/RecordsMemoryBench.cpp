// What the records tab keeps in memory, in the whole window on a journal of 50,000 or 200,000 records
// (the argument) beside a small one: the heap in use once the tab has shown the large journal (searched
// and sorted by a text column), and once the small journal is shown instead, each against the heap while
// the small journal's records tab was shown before.
#include "DataFileGenerator.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/shell/MainWindow.h"
#include "views/shell/QtFilePanels.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

using namespace Qt::StringLiterals;

namespace {

double heapMB() {
    const struct mallinfo2 info = mallinfo2();
    return double(info.uordblks + info.hblkhd) / 1e6;
}

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_RecordsTabMemory(benchmark::State& state) {
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    QSettings settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    QtFilePanels panels;
    AppStore store(dir.filePath(u"data.json"_s));
    store.setJournals({DataFileGenerator::journal(Templates::crm, 100),
                       DataFileGenerator::journal(Templates::sales, int(state.range(0)))});
    const QUuid small = store.journals()[0].id, large = store.journals()[1].id;
    AppRouter router;
    MainWindow window(store, router, panels, settings);
    window.show();
    router.setTab(JournalTab::records);
    for (auto _ : state) {
        router.setSelectedJournalID(small);
        settle();
        const double before = heapMB();
        router.setSelectedJournalID(large);
        settle();
        // The user searches and sorts by a text column.
        RecordFilters filters = router.filtersFor(large);
        filters.search = u"фу"_s;
        router.writeFilters(large, filters);
        settle();
        if (auto* tab = window.findChild<RecordsListView*>())
            emit tab->findChild<RecordsTableView*>(u"recordsTable"_s)->horizontalHeader()->sectionClicked(2);
        filters.search.clear();
        router.writeFilters(large, filters);
        settle();
        window.repaint();
        const double shown = heapMB();
        router.setSelectedJournalID(small);
        settle();
        const double other = heapMB();
        state.counters["tab_MB"] = shown - before;
        state.counters["otherJournal_MB"] = other - before;
    }
}

} // namespace

BENCHMARK(BM_RecordsTabMemory)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(1);
