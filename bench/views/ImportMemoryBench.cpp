// A large CSV file imported through the window, as the user does it: the file is picked, read into the
// preview sheet, and the import button stores the rows it offers into the journal, which saves the data
// file; the user leaves out one row first. The peak of resident memory above the window's own is reported
// at two moments, with its ratio to the file's size: once the sheet shows the file ("preview") and once the
// rows are stored ("imported").
#include "DataFileGenerator.h"
#include "ImportFiles.h"
#include "ProcessMemory.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "views/importing/ImportPreviewModel.h"
#include "views/importing/ImportPreviewView.h"
#include "views/shell/FilePanels.h"
#include "views/shell/MainWindow.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace ProcessMemory;

namespace {

// The open panel answers at once with the benchmark's file.
class ChosenFile : public FilePanels {
public:
    QString path;
    void openFile(QWidget*, Done done) override { done(path); }
    void saveFile(QWidget*, const QString&, Done done) override { done(QString()); }
};

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_ImportFileMemory(benchmark::State& state, ImportFiles::Rows shape) {
    const ImportFiles::File& file = ImportFiles::file(state.range(0), shape);
    if (!file.problem.isEmpty()) {
        state.SkipWithError(file.problem.toStdString().c_str());
        return;
    }
    QStandardPaths::setTestModeEnabled(true);
    qint64 previewKiB = 0, importedKiB = 0;
    qsizetype stored = 0;
    qint64 dataBytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A fresh store each time, holding a few thousand orders, so that every run adds the same rows.
        QTemporaryDir dir;
        QSettings settings(dir.filePath(u"settings.ini"_s), QSettings::IniFormat);
        ChosenFile panels;
        panels.path = file.path;
        auto store = std::make_unique<AppStore>(dir.filePath(u"data.json"_s));
        store->addJournal(DataFileGenerator::journal(ImportFiles::salesWithCheckbox, 2'000, 99));
        const Journal journal = store->journals().value(0);
        AppRouter router;
        auto window = std::make_unique<MainWindow>(*store, router, panels, settings);
        window->show();
        settle();
        if (!resetPeak()) {
            state.SkipWithError("the peak of resident memory cannot be reset");
            return;
        }
        const qint64 before = statusKb("VmRSS:");
        state.ResumeTiming();

        router.requestImport(journal);
        settle();
        state.PauseTiming();
        previewKiB = std::max(previewKiB, statusKb("VmHWM:") - before);
        QPushButton* import = nullptr;
        QAbstractItemModel* rows = nullptr;
        for (ImportPreviewView* sheet : window->findChildren<ImportPreviewView*>()) {
            if (sheet->isVisible()) {
                import = sheet->findChild<QPushButton*>(u"import"_s);
                rows = sheet->findChild<QTableView*>(u"rows"_s)->model();
            }
        }
        if (!import || !rows) {
            state.SkipWithError("no import preview");
            return;
        }
        state.ResumeTiming();

        // The user leaves out the first row, then imports the rest.
        rows->setData(rows->index(0, ImportPreviewModel::includeColumn), Qt::Unchecked, Qt::CheckStateRole);
        import->click();
        settle();
        state.PauseTiming();
        importedKiB = std::max(importedKiB, statusKb("VmHWM:") - before);
        stored = store->journals().value(0).records.size() - journal.records.size();
        dataBytes = QFileInfo(dir.filePath(u"data.json"_s)).size();
        window.reset();
        store.reset();
        state.ResumeTiming();
    }
    const auto perFile = [&](qint64 kib) { return double(kib) * 1024 / double(file.bytes); };
    state.counters["file_MB"] = double(file.bytes) / (1024 * 1024);
    state.counters["preview_MB"] = double(previewKiB) / 1024;
    state.counters["preview_per_file"] = perFile(previewKiB);
    state.counters["imported_MB"] = double(importedKiB) / 1024;
    state.counters["imported_per_file"] = perFile(importedKiB);
    state.counters["stored"] = double(stored);
    state.counters["data_file_MB"] = double(dataBytes) / (1024 * 1024);
}
BENCHMARK_CAPTURE(BM_ImportFileMemory, realistic_rows, ImportFiles::Rows::realistic)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_ImportFileMemory, short_rows, ImportFiles::Rows::shortRows)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

} // namespace
