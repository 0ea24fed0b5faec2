// The records tab at 50,000 records: opening it, a search keystroke and a header click, each up to a
// repainted tab.
#include "AppRouter.h"
#include "DataFileGenerator.h"
#include "records/RecordsListView.h"
#include "records/RecordsTableView.h"
#include "store/Store.h"
#include "templates/Templates.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

constexpr int records = 50000;

const Journal& sales() {
    static const Journal journal = DataFileGenerator::journal(Templates::sales, records);
    return journal;
}

// A store on a data file of its own (it stays empty: the tab reads the journal it is handed), a router,
// and the tab at the size it has in a 1440-point window.
struct Tab {
    QTemporaryDir dir;
    std::unique_ptr<AppStore> store;
    AppRouter router;
    std::unique_ptr<RecordsListView> view;

    Tab() {
        QStandardPaths::setTestModeEnabled(true);
        store = std::make_unique<AppStore>(dir.filePath(u"data.json"_s));
    }
    void open(const Journal& journal) {
        view = std::make_unique<RecordsListView>(*store, router, journal);
        view->resize(1170, 780);
        view->show();
        repaint();
    }
    // Everything queued runs (layouts, deferred work), then the whole tab is drawn.
    void repaint() {
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(view->grab());
    }
    void search(const QString& text) {
        RecordFilters filters = router.filtersFor(view->journal().id);
        filters.search = text;
        router.writeFilters(view->journal().id, filters);
        repaint();
    }
    int column(const QString& header) const {
        const QList<RecordsColumn> columns = RecordsTable::columns(view->journal());
        for (int i = 0; i < columns.size(); ++i) {
            if (columns[i].header == header)
                return i;
        }
        return 0;
    }
    void clickHeader(int section) {
        emit view->table()->horizontalHeader()->sectionClicked(section);
        repaint();
    }
};

void BM_OpenRecordsTab(benchmark::State& state) {
    Tab tab;
    sales();
    for (auto _ : state) {
        tab.open(sales());
        state.PauseTiming();
        tab.view.reset();
        state.ResumeTiming();
    }
}

// The first keystroke of a search right after the tab opened, each time on a journal searched for the
// first time.
void BM_FirstSearchKeystroke(benchmark::State& state) {
    Tab tab;
    Journal journal = sales();
    for (auto _ : state) {
        state.PauseTiming();
        journal.id = QUuid::createUuid();
        tab.open(journal);
        // The user starts typing once the tab has settled.
        QCoreApplication::processEvents(QEventLoop::AllEvents, 2000);
        state.ResumeTiming();
        tab.search(u"ф"_s);
        state.PauseTiming();
        tab.view.reset();
        state.ResumeTiming();
    }
}

// Typing a word letter by letter, then deleting it again.
void BM_SearchKeystroke(benchmark::State& state) {
    Tab tab;
    tab.open(sales());
    const QStringList typed{u"ф"_s, u"фу"_s, u"фут"_s, u"футб"_s, u"фут"_s, u"фу"_s, u"ф"_s, QString()};
    qsizetype next = 0;
    for (auto _ : state)
        tab.search(typed[next++ % typed.size()]);
}

// A click on a header of the tab as it opened (newest first) and settled, the columns taken in turn.
void headerClick(benchmark::State& state, const QStringList& headers) {
    Tab tab;
    qsizetype next = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tab.open(sales());
        QCoreApplication::processEvents(QEventLoop::AllEvents, 3000);
        const int section = tab.column(headers[next++ % headers.size()]);
        state.ResumeTiming();
        tab.clickHeader(section);
        state.PauseTiming();
        tab.view.reset();
        state.ResumeTiming();
    }
}

void BM_HeaderSortByNumber(benchmark::State& state) {
    headerClick(state, {u"Сумма"_s, u"Количество"_s});
}

// The text columns, whose collation keys the tab builds ahead.
void BM_HeaderSortByText(benchmark::State& state) {
    headerClick(state,
                {u"Номер заказа"_s, u"Клиент"_s, u"Товар или услуга"_s, u"Канал продаж"_s, u"Ссылка"_s});
}

// A click that comes before the tab could build any key: at once after the tab opened.
void BM_HeaderSortByTextAtOnce(benchmark::State& state) {
    Tab tab;
    Journal journal = sales();
    for (auto _ : state) {
        state.PauseTiming();
        for (Record& record : journal.records) // records no sort has seen
            record.id = QUuid::createUuid();
        tab.open(journal);
        state.ResumeTiming();
        tab.clickHeader(1);
        state.PauseTiming();
        tab.view.reset();
        state.ResumeTiming();
    }
}

// A second click on the same header: the order turns round.
void BM_HeaderSortTurnedRound(benchmark::State& state) {
    Tab tab;
    tab.open(sales());
    const int section = tab.column(u"Сумма"_s);
    for (auto _ : state)
        tab.clickHeader(section);
}

} // namespace

BENCHMARK(BM_OpenRecordsTab)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSearchKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchKeystroke)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSortByNumber)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSortByText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSortByTextAtOnce)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HeaderSortTurnedRound)->Unit(benchmark::kMillisecond);
