// A quick status set from the records tab's action bar, in the whole window: the store changes the record
// and writes the whole file, then the tab redraws from the changed journal, up to a repainted window.
// Measured on the 62 MB data file of 50,000 records in mixed journals, and on one sales journal holding
// all the file's records (50,000 and 200,000). Set beside the floor of writing that file
// (BM_FloorReadyBytesWriteSyncRename in vostrel_bench).
#include "DataFileGenerator.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/shell/MainWindow.h"
#include "views/shell/QtFilePanels.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

void quickStatusToRepaintedTable(benchmark::State& state, const QList<Journal>& journals) {
    QTemporaryDir dir;
    const QString dataPath = dir.filePath(u"data.json"_s);
    qint64 fileBytes = 0;
    {
        QFile file(dataPath);
        if (!file.open(QIODevice::WriteOnly) ||
            (fileBytes = file.write(DataFileGenerator::dataFile(journals))) <= 0) {
            state.SkipWithError("the data file could not be written");
            return;
        }
    }
    QSettings settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
    QtFilePanels panels;
    AppStore store(dataPath);
    AppRouter router;
    MainWindow window(store, router, panels, settings);
    window.show();
    router.setTab(JournalTab::records);
    QCoreApplication::processEvents();
    auto* tab = window.findChild<RecordsListView*>();
    if (!tab) {
        state.SkipWithError("the records tab did not open");
        return;
    }
    // The user selects a row in the middle of the table.
    tab->findChild<RecordsTableView*>(u"recordsTable"_s)
        ->selectRow(tab->findChild<RecordsTableView*>(u"recordsTable"_s)->model()->rowCount() / 2);
    QCoreApplication::processEvents();
    // The run's one backup copy is made at the first save, before the measured ones.
    store.save();
    int next = 0;
    for (auto _ : state) {
        // The tab is rebuilt from each changed journal: its actions are looked up afresh.
        auto* action = window.findChild<QAction*>(u"quickStatus"_s + QString::number(next++ % 2));
        if (!action || !action->isEnabled()) {
            state.SkipWithError("no quick status to set");
            break;
        }
        action->trigger();
        QCoreApplication::processEvents();
        window.repaint();
        if (store.lastError())
            state.SkipWithError("the save failed");
    }
    state.counters["file_MB"] = double(fileBytes) / 1e6;
}

void BM_QuickStatusToRepaintedTable(benchmark::State& state) {
    quickStatusToRepaintedTable(state, DataFileGenerator::journals(50'000));
}
BENCHMARK(BM_QuickStatusToRepaintedTable)->Unit(benchmark::kMillisecond)->MinTime(3);

// Every record of the file in the one journal whose table is shown.
void BM_QuickStatusToRepaintedTable_OneJournal(benchmark::State& state) {
    quickStatusToRepaintedTable(state, {DataFileGenerator::journal(Templates::sales, int(state.range(0)))});
}
BENCHMARK(BM_QuickStatusToRepaintedTable_OneJournal)
    ->Arg(50'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(3);

} // namespace
