// The import preview at scale: a file of 10,000 rows read against a journal of 50,000 records. The file
// repeats 3,000 stored records, brings 6,500 new ones and 500 rows without content.
#include "DataFileGenerator.h"
#include "Teardown.h"
#include "app/AppRouter.h"
#include "core/csv/CSVImport.h"
#include "core/model/DateFormat.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"
#include "views/importing/ImportPreviewModel.h"
#include "views/importing/ImportPreviewView.h"
#include "views/shell/ContentView.h"
#include "views/shell/MainWindow.h"
#include "views/shell/QtFilePanels.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct ImportFixture {
    QTemporaryDir dir;
    QSettings settings{dir.filePath(u"settings.ini"_s), QSettings::IniFormat};
    AppStore store{dir.filePath(u"data.json"_s)};
    AppRouter router;
    QtFilePanels panels;
    std::unique_ptr<MainWindow> window;
    ImportPreviewItem item;

    ImportFixture() {
        Journal source = DataFileGenerator::journal(Templates::sales, 59'500);
        Journal journal = source;
        journal.records = source.records.mid(0, 50'000);
        store.addJournal(journal);
        QList<Record> rows = source.records.mid(47'000, 9'500);
        for (int i = 0; i < 500; ++i)
            rows.append(Record{QUuid::createUuid(), source.statuses.first().id, {}, {}, {}});
        QString error;
        item = {QUuid::createUuid(), journal.id, u"заказы.csv"_s,
                CSVService::prepareImport(CSVService::exportJournal(source, rows), journal,
                                          DateFormat::defaultCalendar(), systemNow, &error)
                    .value_or(ImportResult{})};
        window = std::make_unique<MainWindow>(store, router, panels, settings);
        window->show();
        QCoreApplication::processEvents();
    }

    ImportPreviewView* open() {
        item.id = QUuid::createUuid();
        router.setImportPreview(item);
        for (ImportPreviewView* sheet : window->findChildren<ImportPreviewView*>())
            if (sheet->isVisible())
                return sheet;
        return nullptr;
    }
    void close() {
        router.setImportPreview(std::nullopt);
        QCoreApplication::processEvents();
    }
};

ImportFixture& fixture() {
    static std::unique_ptr<ImportFixture> shared;
    if (!shared) {
        shared = std::make_unique<ImportFixture>();
        atTeardown([] { shared.reset(); });
    }
    return *shared;
}

// From the router's item to the painted sheet.
void BM_ImportPreview_Show10kRows(benchmark::State& state) {
    ImportFixture& f = fixture();
    for (auto _ : state) {
        ImportPreviewView* sheet = f.open();
        if (!sheet) {
            state.SkipWithError("no sheet");
            break;
        }
        QCoreApplication::processEvents();
        sheet->repaint();
        state.PauseTiming();
        f.close();
        state.ResumeTiming();
    }
    state.counters["duplicates"] = double(f.item.result.duplicateCount());
}
BENCHMARK(BM_ImportPreview_Show10kRows)->Unit(benchmark::kMillisecond);

// One check box, as a click on it sets it, to the repainted counts and table.
void BM_ImportPreview_ToggleOneRow(benchmark::State& state) {
    ImportFixture& f = fixture();
    ImportPreviewView* sheet = f.open();
    sheet->repaint();
    const QModelIndex box =
        qobject_cast<ImportPreviewModel*>(sheet->findChild<QTableView*>(u"rows"_s)->model())
            ->index(3, ImportPreviewModel::includeColumn);
    for (auto _ : state) {
        const bool on = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        qobject_cast<ImportPreviewModel*>(sheet->findChild<QTableView*>(u"rows"_s)->model())
            ->setData(box, on ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        sheet->repaint();
    }
    f.close();
}
BENCHMARK(BM_ImportPreview_ToggleOneRow)->Unit(benchmark::kMillisecond);

// A preset over all 10,000 rows, alternating so that every press changes rows.
void BM_ImportPreview_Preset(benchmark::State& state) {
    ImportFixture& f = fixture();
    ImportPreviewView* sheet = f.open();
    sheet->repaint();
    auto* withDuplicates = sheet->findChild<QPushButton*>(u"preset_1"_s);
    auto* onlyNew = sheet->findChild<QPushButton*>(u"preset_0"_s);
    bool flip = false;
    for (auto _ : state) {
        (flip ? onlyNew : withDuplicates)->click();
        flip = !flip;
        sheet->repaint();
    }
    f.close();
}
BENCHMARK(BM_ImportPreview_Preset)->Unit(benchmark::kMillisecond);

} // namespace
