// Reading a large CSV file for import, as the window does when a file is picked: read, decode, split,
// recognise. Besides the time, the peak of resident memory the reading adds to the process is reported
// (the kernel's high-water mark, reset before each reading), with its ratio to the file's size; both
// shapes of file, realistic and short rows.
#include "DataFileGenerator.h"
#include "ImportFiles.h"
#include "ProcessMemory.h"
#include "app/importing/ImportFile.h"
#include "core/model/DateFormat.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace Importing;
using namespace ProcessMemory;

namespace {

void BM_ReadImportFile(benchmark::State& state, ImportFiles::Rows shape) {
    const ImportFiles::File& file = ImportFiles::file(state.range(0), shape);
    if (!file.problem.isEmpty()) {
        state.SkipWithError(file.problem.toStdString().c_str());
        return;
    }
    // The journal the file goes into already keeps a few thousand orders.
    const Journal journal = DataFileGenerator::journal(ImportFiles::salesWithCheckbox, 2'000, 99);
    const QDateTime now(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);
    const Clock clock = [now] { return now; };
    qint64 peakKiB = 0;
    qsizetype rows = 0;
    for (auto _ : state) {
        state.PauseTiming();
        if (!resetPeak()) {
            state.SkipWithError("the peak of resident memory cannot be reset");
            return;
        }
        const qint64 before = statusKb("VmRSS:");
        state.ResumeTiming();
        auto outcome = std::make_unique<ImportOutcome>(
            readImportFile(file.path, journal, DateFormat::defaultCalendar(), clock));
        state.PauseTiming();
        peakKiB = std::max(peakKiB, statusKb("VmHWM:") - before);
        const auto* item = std::get_if<ImportPreviewItem>(outcome.get());
        if (!item) {
            state.SkipWithError(std::get<QString>(*outcome).toStdString().c_str());
            return;
        }
        rows = item->result.rows.size();
        outcome.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = double(file.bytes) / (1024 * 1024);
    state.counters["peak_MB"] = double(peakKiB) / 1024;
    state.counters["peak_per_file"] = double(peakKiB) * 1024 / double(file.bytes);
    state.counters["rows"] = double(rows);
}
BENCHMARK_CAPTURE(BM_ReadImportFile, realistic_rows, ImportFiles::Rows::realistic)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK_CAPTURE(BM_ReadImportFile, short_rows, ImportFiles::Rows::shortRows)
    ->Arg(10)
    ->Arg(100)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);

} // namespace
