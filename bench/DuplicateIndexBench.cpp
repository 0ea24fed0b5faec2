#include "DataFileGenerator.h"
#include "core/journal/DuplicateIndex.h"
#include "core/templates/Templates.h"

#include <benchmark/benchmark.h>

namespace {

const Journal& journalOf50k(Journal (*make)(const Clock&)) {
    static const Journal sales = DataFileGenerator::journal(Templates::sales, 50'000);
    static const Journal cards = DataFileGenerator::journal(Templates::cards, 50'000);
    return make == Templates::sales ? sales : cards;
}

// Indexing a journal's unique and identity keys, once per sheet that checks many records against it.
void BM_DuplicateIndex_Build(benchmark::State& state, Journal (*make)(const Clock&)) {
    const Journal& journal = journalOf50k(make);
    for (auto _ : state)
        benchmark::DoNotOptimize(DuplicateIndex(journal));
    state.SetLabel("50,000 records");
}
BENCHMARK_CAPTURE(BM_DuplicateIndex_Build, sales, Templates::sales)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_DuplicateIndex_Build, cards, Templates::cards)->Unit(benchmark::kMillisecond);

// One look-up against the index: the values of the last stored record that has a unique value, under a new
// id, so the search finds that record.
void BM_DuplicateIndex_Findings(benchmark::State& state, Journal (*make)(const Clock&)) {
    const Journal& journal = journalOf50k(make);
    const DuplicateIndex index(journal);
    const FieldDef unique = journal.uniqueFields().first();
    Record query = *std::find_if(journal.records.crbegin(), journal.records.crend(),
                                 [&](const Record& r) { return !r.text(unique.id).isEmpty(); });
    query.id = QUuid::createUuid();
    for (auto _ : state)
        benchmark::DoNotOptimize(index.findings(query));
    state.SetLabel("50,000 records");
}
BENCHMARK_CAPTURE(BM_DuplicateIndex_Findings, sales, Templates::sales)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_DuplicateIndex_Findings, cards, Templates::cards)->Unit(benchmark::kMicrosecond);

} // namespace
