// Reading a large CSV file for import, as the window does when a file is picked: read, decode, split,
// recognise. Besides the time, the peak of resident memory the reading adds to the process is reported
// (the kernel's high-water mark, reset before each reading), with its ratio to the file's size.
#include "DataFileGenerator.h"
#include "app/importing/ImportFile.h"
#include "core/csv/CSVService.h"
#include "core/model/DateFormat.h"
#include "core/templates/Templates.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <map>
#include <memory>

using namespace Qt::StringLiterals;
using namespace importing;

namespace {

// A sales journal with a checkbox besides its text, number, choice, date, link and long-text fields, so
// that the file holds cells of every field type.
Journal salesWithCheckbox(const Clock& clock) {
    Journal journal = Templates::sales(clock);
    FieldDef gift;
    gift.id = QUuid::createUuid();
    gift.key = u"gift"_s;
    gift.name = u"Подарочная упаковка"_s;
    gift.type = FieldType::checkbox;
    journal.fields.append(gift);
    return journal;
}

// The exported records of a busy sales journal, written in slices until the file holds `megabytes`:
// each slice is a fresh generated journal exported with the UTF-8 mark, the header kept once.
QString writeSalesExport(const QString& path, qint64 megabytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return u"cannot write "_s + path;
    constexpr int slice = 5'000;
    DataFileGenerator::Timeline timeline;
    for (unsigned seed = 1; file.size() < megabytes * 1024 * 1024; ++seed) {
        const Journal part = DataFileGenerator::journal(salesWithCheckbox, slice, seed, timeline);
        QByteArray bytes = CSVService::exportData(part);
        if (seed > 1)
            bytes.remove(0, bytes.indexOf('\n') + 1); // the mark and the header stand once, at the top
        if (file.write(bytes) != bytes.size())
            return u"cannot write "_s + path;
        timeline.first = timeline.first.addSecs(qint64(slice) * timeline.spacingSeconds);
    }
    return QString();
}

// One value of /proc/self/status in kibibytes ("VmHWM", "VmRSS"); -1 when it cannot be read.
qint64 statusKiB(QByteArrayView key) {
    QFile status(u"/proc/self/status"_s);
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(key) && line.size() > key.size() && line[key.size()] == ':')
            return line.mid(key.size() + 1).trimmed().split(' ').first().toLongLong();
    }
    return -1;
}

// Returns freed memory to the system and makes the current resident size the new high-water mark, so
// the next reading of VmHWM covers only what happens from here on.
bool resetPeak() {
    malloc_trim(0);
    QFile refs(u"/proc/self/clear_refs"_s);
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

struct SalesFile {
    QTemporaryDir dir;
    QString path;
    qint64 bytes = 0;
    QString problem;
};

const SalesFile& salesFile(qint64 megabytes) {
    static std::map<qint64, std::unique_ptr<SalesFile>> files;
    std::unique_ptr<SalesFile>& file = files[megabytes];
    if (!file) {
        file = std::make_unique<SalesFile>();
        file->path = file->dir.filePath(u"продажи.csv"_s);
        file->problem = writeSalesExport(file->path, megabytes);
        file->bytes = QFile(file->path).size();
    }
    return *file;
}

void BM_ReadImportFile(benchmark::State& state) {
    const SalesFile& file = salesFile(state.range(0));
    if (!file.problem.isEmpty()) {
        state.SkipWithError(file.problem.toStdString().c_str());
        return;
    }
    // The journal the file goes into already keeps a few thousand orders.
    const Journal journal = DataFileGenerator::journal(salesWithCheckbox, 2'000, 99);
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
        const qint64 before = statusKiB("VmRSS");
        state.ResumeTiming();
        auto outcome = std::make_unique<ImportOutcome>(
            readImportFile(file.path, journal, DateFormat::defaultCalendar(), clock));
        state.PauseTiming();
        peakKiB = std::max(peakKiB, statusKiB("VmHWM") - before);
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
BENCHMARK(BM_ReadImportFile)->Arg(10)->Arg(100)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

} // namespace
