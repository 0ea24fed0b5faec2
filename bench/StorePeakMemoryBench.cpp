// The peak memory of the store's start-up and one change on the data file of 50,000 records, beside the
// same file read and written again through Qt's QJsonDocument. Each road runs in a fresh process of this
// program, so neither counts the other's pages or the benchmarks' own data.
#include "ProcessMemory.h"
#include "StoreBenchFile.h"
#include "core/store/AppStore.h"

#include <QFile>
#include <QJsonDocument>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;
using namespace StoreBenchFile;

namespace {

// The child's side: runs one road and writes how far the resident size rose above where it started.
void peakChild(benchmark::State& state) {
    const QByteArray road = qgetenv("VOSTREL_PEAK_ROAD");
    const QString path = qEnvironmentVariable("VOSTREL_PEAK_FILE");
    const long before = ProcessMemory::statusKb("VmRSS:");
    for (auto _ : state) {
        if (road == "store") {
            // Start-up and one change: read the file, set a status, write the file again.
            AppStore store(path);
            const Journal& sales = store.journals().value(0);
            if (!sales.statuses.isEmpty() && !sales.records.isEmpty())
                store.setStatus(sales.statuses[0].id, {sales.records[0].id}, sales.id,
                                QDateTime::currentDateTimeUtc());
        } else {
            QFile file(path);
            if (file.open(QIODevice::ReadOnly)) {
                QJsonDocument doc = QJsonDocument::fromJson(file.readAll());
                file.close();
                const QByteArray out = doc.toJson(QJsonDocument::Indented);
                writeAndSync(path, out.constData(), std::size_t(out.size()));
            }
        }
    }
    QFile out(qEnvironmentVariable("VOSTREL_PEAK_OUT"));
    if (out.open(QIODevice::WriteOnly))
        out.write(QByteArray::number(qint64(ProcessMemory::statusKb("VmHWM:") - before)));
}

const bool peakChildRegistered = [] {
    if (qEnvironmentVariableIsSet("VOSTREL_PEAK_ROAD"))
        benchmark::RegisterBenchmark("PeakChild", peakChild)->Iterations(1);
    return true;
}();

// Runs this program again on a copy of the data file for one road; the child's peak above its start, in kB.
long childPeakKb(const char* road) {
    const QString path = fixture().copy(u"peak"_s);
    const QString out = fixture().dir.filePath(u"peak.txt"_s);
    QFile::remove(out);
    ProcessMemory::runChild(u"^PeakChild/"_s, {{"VOSTREL_PEAK_ROAD", road},
                                               {"VOSTREL_PEAK_FILE", QFile::encodeName(path)},
                                               {"VOSTREL_PEAK_OUT", QFile::encodeName(out)}});
    QFile result(out);
    return result.open(QIODevice::ReadOnly) ? result.readAll().toLong() : -1;
}

void peakMemory(benchmark::State& state, const char* road) {
    long kb = 0;
    for (auto _ : state)
        kb = childPeakKb(road);
    if (kb < 0)
        state.SkipWithError("the measuring child failed");
    state.counters["peak_MB"] = double(kb) * 1024 / 1e6;
    state.counters["x_file"] = double(kb) * 1024 / double(fixture().bytes.size());
}

void BM_PeakMemoryStore(benchmark::State& state) {
    peakMemory(state, "store");
}
BENCHMARK(BM_PeakMemoryStore)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_PeakMemoryQJsonDocument(benchmark::State& state) {
    peakMemory(state, "qjson");
}
BENCHMARK(BM_PeakMemoryQJsonDocument)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
