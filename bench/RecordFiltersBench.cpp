#include "core/journal/RecordFilters.h"
#include "core/journal/RecordSort.h"
#include "core/journal/TextNormalizer.h"
#include "core/templates/Templates.h"

#include <benchmark/benchmark.h>

#include <random>

namespace {

// A sales journal of n records with a value in every field, drawn from a fixed seed.
Journal salesJournal(int n) {
    Journal j = Templates::sales([] { return QDateTime(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC); });
    const QStringList words{"Футболка", "Кружка", "Худи",   "Блокнот", "Рюкзак",  "Шапка",   "Носки",
                            "Свитер",   "Сумка",  "Брелок", "красный", "синий",   "зелёный", "чёрный",
                            "белый",    "хлопок", "шерсть", "детский", "мужской", "женский", "подарочный"};
    std::mt19937 rng(1);
    auto pick = [&](const QStringList& list) { return list[int(rng() % list.size())]; };
    const QDateTime base(QDate(2024, 1, 1), QTime(0, 0), Qt::UTC);
    j.records.reserve(n);
    for (int i = 0; i < n; ++i) {
        Record r;
        r.id = QUuid::createUuid();
        r.createdAt = r.updatedAt = base.addSecs(qint64(i) * 600);
        if (!j.statuses.isEmpty())
            r.statusID = j.statuses[int(rng() % j.statuses.size())].id;
        for (const FieldDef& f : j.fields) {
            const QString key = fieldKey(f.id);
            switch (f.type) {
            case FieldType::text:
            case FieldType::longText:
                r.values.insert(key, FieldValue::ofText(pick(words) + ' ' + pick(words) + ' ' +
                                                        QString::number(rng() % 1000)));
                break;
            case FieldType::choice:
                r.values.insert(key, FieldValue::ofText(f.options.isEmpty() ? pick(words) : pick(f.options)));
                break;
            case FieldType::link:
                r.values.insert(key, FieldValue::ofText("https://example.com/item/" + QString::number(i)));
                break;
            case FieldType::number:
                r.values.insert(key, FieldValue::ofNumber((rng() % 1000000) / 100.0));
                break;
            case FieldType::date:
                r.values.insert(key, FieldValue::ofDate(base.addSecs(qint64(rng() % (365 * 86400)))));
                break;
            case FieldType::checkbox:
                if (rng() % 2)
                    r.values.insert(key, FieldValue::ofFlag(true));
                break;
            }
        }
        j.records.append(r);
    }
    return j;
}

const Journal& journal() {
    static const Journal j = salesJournal(50000);
    return j;
}

const FieldDef& firstTextField(const Journal& j) {
    for (const FieldDef& f : j.fields) {
        if (f.type == FieldType::text)
            return f;
    }
    return j.fields.first();
}

const Calendar calendar{QTimeZone(QByteArray("Europe/Moscow"))};

RecordFilters searchFor(const char* text) {
    RecordFilters f;
    f.search = QString::fromUtf8(text);
    return f;
}

// What the records tab does on each keystroke in its search box.
void searchThenSort(benchmark::State& state, const char* search) {
    const Journal& j = journal();
    const RecordFilters f = searchFor(search);
    const QList<RecordSort> order{RecordSort::byField(firstTextField(j))};
    qsizetype shown = 0;
    benchmark::DoNotOptimize(
        RecordSort::sorted(f.apply(j, calendar), order).size()); // as after the first key
    for (auto _ : state) {
        const QList<Record> rows = RecordSort::sorted(f.apply(j, calendar), order);
        shown = rows.size();
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["shown"] = double(shown);
}

void BM_SearchTwoWordsAndSortByText(benchmark::State& state) {
    searchThenSort(state, "футболка син");
}
void BM_SearchTwoCommonWordsAndSortByText(benchmark::State& state) {
    searchThenSort(state, "а е");
}

// The first search after another journal was searched: no search text is kept from before.
void BM_FirstSearchOfAJournalAndSortByText(benchmark::State& state) {
    Journal journals[2]{journal(), journal()};
    journals[1].id = QUuid::createUuid();
    const RecordFilters f = searchFor("футболка син");
    const QList<RecordSort> order{RecordSort::byField(firstTextField(journals[0]))};
    int turn = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordSort::sorted(f.apply(journals[turn++ % 2], calendar), order).data());
}

void BM_SortAllByText(benchmark::State& state) {
    const Journal& j = journal();
    const QList<RecordSort> order{RecordSort::byField(firstTextField(j))};
    for (auto _ : state)
        benchmark::DoNotOptimize(RecordSort::sorted(j.records, order).data());
}

void BM_DistinctValues(benchmark::State& state) {
    const Journal& j = journal();
    for (auto _ : state)
        benchmark::DoNotOptimize(j.distinctValues(firstTextField(j)).size());
}

// The display values of every date field of every record: the share of a search text that dates take.
void displayDates(benchmark::State& state, const Calendar& zone) {
    const Journal& j = journal();
    const QList<FieldDef> dates = j.dateFields();
    for (auto _ : state) {
        for (const Record& r : j.records) {
            for (const FieldDef& f : dates)
                benchmark::DoNotOptimize(j.displayValue(r, f, zone).data());
        }
    }
}
void BM_DisplayDateValues(benchmark::State& state) {
    displayDates(state, calendar);
}
void BM_DisplayDateValuesWithDaylightSaving(benchmark::State& state) {
    displayDates(state, Calendar{QTimeZone(QByteArray("Europe/Berlin"))});
}

// The comparison keys of every record's search text, built as a first search builds them.
void BM_ComparisonKeysOfSearchTexts(benchmark::State& state) {
    const Journal& j = journal();
    QStringList texts;
    for (const Record& r : j.records) {
        QStringList parts;
        for (const FieldDef& f : j.fields)
            parts.append(j.displayValue(r, f, calendar));
        parts.append(j.status(r.statusID)->name);
        texts.append(parts.join(u' '));
    }
    for (auto _ : state) {
        for (const QString& t : texts)
            benchmark::DoNotOptimize(TextNormalizer::compare(t).data());
    }
}

} // namespace

BENCHMARK(BM_DisplayDateValues)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DisplayDateValuesWithDaylightSaving)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComparisonKeysOfSearchTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoWordsAndSortByText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchTwoCommonWordsAndSortByText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSearchOfAJournalAndSortByText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortAllByText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DistinctValues)->Unit(benchmark::kMillisecond);
