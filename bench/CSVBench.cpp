#include "CSVService.h"

#include <benchmark/benchmark.h>

namespace {

// About 100,000 lines of a sales journal as another program might write them: Cyrillic text, quoted
// cells with delimiters, quotes and line breaks, decimal commas. Roughly 20 MB of UTF-8.
const QString& salesText() {
    static const QString text = [] {
        QString out;
        out += u"Товар;Клиент;Комментарий;Сумма;Дата;Оплачено;Ссылка;Статус;ID\r\n";
        for (int i = 0; i < 100'000; ++i) {
            out += u"Чай зелёный байховый, пачка "_qs + QString::number(i % 977) + u';';
            out += u"ООО «Ромашка и партнёры» № "_qs + QString::number(i % 313) + u';';
            out += (i % 5 == 0)
                       ? u"\"Доставка до двери; позвонить заранее\r\nвторой этаж, \"\"код\"\" 1234\";"_qs
                       : u"Самовывоз со склада на Лесной улице, дом 7, без звонка;"_qs;
            out += u'"' + QString::number(i) + u",5\";"_qs;
            out += u"05.03.2024;да;https://example.com/orders/"_qs + QString::number(i) + u';';
            out += u"Оплачен;0F1E2D3C-4B5A-6978-8796-A5B4C3D2E1F0\r\n"_qs;
        }
        return out;
    }();
    return text;
}

void BM_CSVParse(benchmark::State& state) {
    const QString& text = salesText();
    for (auto _ : state) {
        const QChar delimiter = CSVService::detectDelimiter(text);
        benchmark::DoNotOptimize(CSVService::parseRows(text, delimiter));
    }
    state.SetBytesProcessed(state.iterations() * text.toUtf8().size());
}
BENCHMARK(BM_CSVParse)->Unit(benchmark::kMillisecond);

void BM_CSVDecode(benchmark::State& state) {
    const QByteArray bytes = QByteArray("\xEF\xBB\xBF") + salesText().toUtf8();
    for (auto _ : state)
        benchmark::DoNotOptimize(CSVService::decode(bytes));
    state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_CSVDecode)->Unit(benchmark::kMillisecond);

} // namespace
