#include "CardsData.h"

#include <benchmark/benchmark.h>

namespace {

const Journal& journalOf50k() {
    static const Journal journal = benchCardsJournal(50'000);
    return journal;
}

Record recordLike(const Journal& journal, int i, bool withSku) {
    Record r;
    r.id = QUuid::createUuid();
    for (const FieldDef& f : journal.fields) {
        const QString text = f.key == u"sku" && !withSku ? QString() : benchCardsValue(f.key, i);
        if (!text.isEmpty())
            Journal::assign(text, f, r);
    }
    return r;
}

// The record editor's check as the user saves: a record with an SKU, judged by its unique value (a repeat
// of the last stored record, so the whole journal is searched).
void BM_PossibleDuplicates_UniqueValue(benchmark::State& state) {
    const Journal& journal = journalOf50k();
    const Record r = recordLike(journal, 49'998, true);
    for (auto _ : state)
        benchmark::DoNotOptimize(journal.possibleDuplicates(r, {}));
    state.SetLabel("one record vs 50,000");
}
BENCHMARK(BM_PossibleDuplicates_UniqueValue)->Unit(benchmark::kMillisecond);

// A record without an SKU: the unique phase finds nothing and every stored record's identity is compared.
void BM_PossibleDuplicates_Identity(benchmark::State& state) {
    const Journal& journal = journalOf50k();
    const Record r = recordLike(journal, 49'999, false);
    for (auto _ : state)
        benchmark::DoNotOptimize(journal.possibleDuplicates(r, {}));
    state.SetLabel("one record vs 50,000");
}
BENCHMARK(BM_PossibleDuplicates_Identity)->Unit(benchmark::kMillisecond);

// Group keys of a whole journal, as group counts compute them.
void BM_GroupKeys(benchmark::State& state) {
    const Journal& journal = journalOf50k();
    for (auto _ : state) {
        QSet<QString> groups;
        for (const Record& r : journal.records)
            groups.insert(journal.groupKey(r));
        benchmark::DoNotOptimize(groups.size());
    }
    state.SetLabel("50,000 records");
}
BENCHMARK(BM_GroupKeys)->Unit(benchmark::kMillisecond);

} // namespace
