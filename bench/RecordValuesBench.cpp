// Reading a record's values is the innermost step of every table column, sort, filter and metric, and the
// values are most of what a loaded data file keeps in memory. Both are measured on journals as the store
// reads them from a data file, so the values' keys are shared as they are at run time.
#include "DataFileGenerator.h"
#include "core/store/DataFile.h"
#include "core/templates/Templates.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

constexpr int recordCount = 50'000;

QList<Journal> decoded(const QByteArray& bytes) {
    QString error;
    return DataFile::decode(bytes, QDateTime(QDate(2024, 6, 1), QTime(12, 0), Qt::UTC), &error)
        .value_or(QList<Journal>{});
}

// A sales journal of 50,000 records, read back from its data file.
const Journal& sales() {
    static const Journal j = [] {
        const QByteArray bytes =
            DataFileGenerator::dataFile({DataFileGenerator::journal(Templates::sales, recordCount)});
        return decoded(bytes).value(0);
    }();
    return j;
}

const FieldDef& firstField(const Journal& j, FieldType type) {
    for (const FieldDef& f : j.fields) {
        if (f.type == type)
            return f;
    }
    return j.fields.first();
}

// One number field of every record, by the key text that loops over many records build once.
void BM_ReadOneNumberOfEveryRecord_ByKey(benchmark::State& state) {
    const Journal& j = sales();
    const QString key = fieldKey(firstField(j, FieldType::number).id);
    for (auto _ : state) {
        double sum = 0;
        for (const Record& r : j.records)
            sum += r.number(key).value_or(0);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * j.records.size());
}
BENCHMARK(BM_ReadOneNumberOfEveryRecord_ByKey)->Unit(benchmark::kMicrosecond);

// One text field of every record, by the field's id as single look-ups address it.
void BM_ReadOneTextOfEveryRecord_ById(benchmark::State& state) {
    const Journal& j = sales();
    const QUuid id = firstField(j, FieldType::text).id;
    for (auto _ : state) {
        qsizetype length = 0;
        for (const Record& r : j.records)
            length += r.text(id).size();
        benchmark::DoNotOptimize(length);
    }
    state.SetItemsProcessed(state.iterations() * j.records.size());
}
BENCHMARK(BM_ReadOneTextOfEveryRecord_ById)->Unit(benchmark::kMicrosecond);

// The heap that 50,000 records of mixed journals hold once read (the file's bytes and the parser's
// document already gone), counted by the allocator itself rather than by the resident size, which keeps
// freed pages.
void BM_LoadedJournalsMemory(benchmark::State& state) {
    const QByteArray bytes = DataFileGenerator::dataFile(DataFileGenerator::journals(recordCount));
    const auto inUse = [] {
        const struct mallinfo2 info = mallinfo2();
        return double(info.uordblks + info.hblkhd);
    };
    double held = 0;
    for (auto _ : state) {
        const double before = inUse();
        const QList<Journal> journals = decoded(bytes);
        held = inUse() - before;
        if (journals.isEmpty())
            state.SkipWithError("the data file did not read");
    }
    state.counters["held_MB"] = held / 1e6;
    state.counters["x_file"] = held / double(bytes.size());
}
BENCHMARK(BM_LoadedJournalsMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
