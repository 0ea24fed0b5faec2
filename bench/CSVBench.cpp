#include "core/csv/CSVService.h"

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

// A sales journal of 100,000 records whose export is about 20 MB: Cyrillic text, comments with
// delimiters, quotes and line breaks, fractional sums, two dates, a checkbox and a link.
const Journal& salesJournal() {
    static const Journal journal = [] {
        Journal j;
        const auto add = [&j](const QString& name, FieldType type) {
            j.fields.append(FieldDef{QUuid::createUuid(), QString(), name, type});
            return fieldKey(j.fields.last().id);
        };
        const QString product = add(u"Товар"_s, FieldType::text);
        const QString client = add(u"Клиент"_s, FieldType::text);
        const QString comment = add(u"Комментарий"_s, FieldType::longText);
        const QString sum = add(u"Сумма"_s, FieldType::number);
        const QString ordered = add(u"Дата заказа"_s, FieldType::date);
        const QString paidOn = add(u"Дата оплаты"_s, FieldType::date);
        const QString paid = add(u"Оплачено"_s, FieldType::checkbox);
        const QString link = add(u"Ссылка"_s, FieldType::link);
        for (const QString& name : {u"Новый"_s, u"Оплачен"_s, u"Отгружен"_s})
            j.statuses.append(StatusDef{QUuid::createUuid(), name});
        const QDateTime start(QDate(2024, 1, 1), QTime(9, 0), QTimeZone::utc());
        j.records.reserve(100'000);
        for (int i = 0; i < 100'000; ++i) {
            Record r;
            r.id = QUuid::createUuid();
            r.statusID = j.statuses[i % 3].id;
            r.values.insert(product, FieldValue::ofText(u"Чай зелёный, пачка "_s + QString::number(i % 977)));
            r.values.insert(client, FieldValue::ofText(u"ООО «Ромашка» № "_s + QString::number(i % 313)));
            r.values.insert(comment, FieldValue::ofText(
                                         i % 5 == 0 ? u"Доставка до двери; позвонить заранее\nкод \"1234\""_s
                                                    : u"Самовывоз со склада"_s));
            r.values.insert(sum, FieldValue::ofNumber(i % 4 == 0 ? i * 10.0 : i * 10.25));
            r.values.insert(ordered, FieldValue::ofDate(start.addSecs(i * 600)));
            if (i % 3 != 0)
                r.values.insert(paidOn, FieldValue::ofDate(start.addSecs(i * 600 + 86'400)));
            r.values.insert(paid, FieldValue::ofFlag(i % 3 != 0));
            r.values.insert(link, FieldValue::ofText(u"https://example.com/orders/"_s + QString::number(i)));
            j.records.append(r);
        }
        return j;
    }();
    return journal;
}

void BM_CSVExport(benchmark::State& state) {
    const Journal& journal = salesJournal();
    qsizetype size = 0;
    for (auto _ : state) {
        const QByteArray bytes = CSVService::exportData(journal);
        size = bytes.size();
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() * size);
    state.counters["rows"] = double(journal.records.size());
    state.counters["file_MB"] = double(size) / 1e6;
}
BENCHMARK(BM_CSVExport)->Unit(benchmark::kMillisecond);

// Decoding, delimiter detection and row splitting of the exported file, as an import runs them.
void BM_CSVDecodeAndParse(benchmark::State& state) {
    const QByteArray bytes = CSVService::exportData(salesJournal());
    for (auto _ : state) {
        const QString text = CSVService::decode(bytes).value();
        benchmark::DoNotOptimize(CSVService::parseRows(text, CSVService::detectDelimiter(text)));
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_CSVDecodeAndParse)->Unit(benchmark::kMillisecond);

} // namespace
