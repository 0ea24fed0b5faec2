#include "CardsData.h"
#include "core/csv/CSVImport.h"
#include "core/model/DateFormat.h"

#include <benchmark/benchmark.h>

namespace {

// A file of 10,000 product cards, exported from a journal whose records continue the 50,000 stored ones
// from number 45,000: the first half repeats stored cards (by SKU or by identity), the rest are new.
void BM_PrepareImport_10kRowsInto50k(benchmark::State& state) {
    static const Journal journal = benchCardsJournal(50'000);
    static const QString file = [] {
        Journal source = benchCardsJournal(0);
        source.fields = journal.fields;
        for (int i = 45'000; i < 55'000; ++i) {
            Record r;
            r.id = QUuid::createUuid();
            for (const FieldDef& f : source.fields) {
                const QString text = benchCardsValue(f.key, i);
                if (!text.isEmpty())
                    Journal::assign(text, f, r);
            }
            r.statusID = journal.statuses[i % journal.statuses.size()].id;
            source.records.append(r);
        }
        return CSVService::exportJournal(source);
    }();
    qsizetype duplicates = 0;
    for (auto _ : state) {
        QString error;
        const std::optional<ImportResult> result =
            CSVService::prepareImport(file, journal, DateFormat::defaultCalendar(), systemNow, &error);
        duplicates = result->duplicateCount();
        benchmark::DoNotOptimize(result->rows.data());
    }
    state.counters["duplicates"] = double(duplicates);
}
BENCHMARK(BM_PrepareImport_10kRowsInto50k)->Unit(benchmark::kMillisecond);

} // namespace
