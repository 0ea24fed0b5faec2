// The records tab on one journal of 50,000 and of 200,000 records (the argument), each step up to a
// repainted tab: opening the tab on a journal just selected, and at once after it the first search key
// and the first click on a text and on a number header; a later key while typing; a quick status from the
// action bar up to the repainted table, without the store's save, and that save on its own. Beside them, a
// plain table model sorting the same records by collation keys built beforehand.
#include "DataFileGenerator.h"
#include "app/AppRouter.h"
#include "core/journal/JournalIndex.h"
#include "core/journal/NaturalOrder.h"
#include "core/store/AppStore.h"
#include "core/store/DataFile.h"
#include "core/templates/Templates.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"

#include <QAbstractTableModel>
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <map>
#include <memory>
#include <numeric>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

const QDateTime benchNow = QDateTime(QDate(2024, 6, 20), QTime(12, 0), Qt::UTC);

// The sales journal as the application holds it after a start: read back from its data file.
const Journal& sales(int records) {
    static std::map<int, Journal> journals;
    auto it = journals.find(records);
    if (it == journals.end()) {
        rapidjson::StringBuffer bytes;
        QString error;
        DataFile::encode({DataFileGenerator::journal(Templates::sales, records)}, benchNow, bytes, &error);
        const QByteArray data(bytes.GetString(), qsizetype(bytes.GetSize()));
        it = journals.emplace(records, DataFile::decode(data, benchNow, &error)->first()).first;
    }
    return it->second;
}

// The journal under new ids, so that nothing derived from an earlier iteration applies to it: a journal
// the user has just selected.
Journal unseen(const Journal& journal) {
    Journal copy = journal;
    copy.id = QUuid::createUuid();
    for (Record& record : copy.records)
        record.id = QUuid::createUuid();
    return copy;
}

// A store holding the one journal (its file is written only by the change benchmark), a router, and the
// tab at the size it has in a 1440-point window.
struct Tab {
    QTemporaryDir dir;
    std::unique_ptr<AppStore> store;
    AppRouter router{[] { return benchNow; }};
    std::unique_ptr<RecordsListView> view;

    Tab() {
        QStandardPaths::setTestModeEnabled(true);
        store = std::make_unique<AppStore>(dir.filePath(u"data.json"_s));
    }
    // The tab as the journal screen builds it for a journal just selected: with an index of its own.
    void open(const Journal& journal) {
        view = std::make_unique<RecordsListView>(*store, router, journal,
                                                 std::make_shared<JournalIndex>(router.calendar()));
        view->resize(1170, 780);
        view->show();
        repaint();
    }
    void close() {
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Everything queued runs (layouts, deferred work), then the whole tab is drawn.
    void repaint() {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
        emit view->findChild<RecordsTableView*>(u"recordsTable"_s)
            ->horizontalHeader()
            ->sectionClicked(section);
        repaint();
    }
};

void BM_OpenRecordsTab(benchmark::State& state) {
    Tab tab;
    const Journal& journal = sales(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        const Journal selected = unseen(journal);
        state.ResumeTiming();
        tab.open(selected);
        state.PauseTiming();
        tab.close();
        state.ResumeTiming();
    }
}

// The first key of a search pressed at once after the tab was painted.
void BM_FirstSearchKeyAtOnce(benchmark::State& state) {
    Tab tab;
    const Journal& journal = sales(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        tab.open(unseen(journal));
        state.ResumeTiming();
        tab.search(u"ф"_s);
        state.PauseTiming();
        tab.close();
        state.ResumeTiming();
    }
}

// Typing a word key by key after the first key, then deleting it again.
void BM_LaterSearchKey(benchmark::State& state) {
    Tab tab;
    tab.open(sales(int(state.range(0))));
    tab.search(u"ф"_s);
    const QStringList typed{u"фу"_s, u"фут"_s, u"футб"_s, u"фут"_s, u"фу"_s, u"ф"_s};
    qsizetype next = 0;
    for (auto _ : state)
        tab.search(typed[next++ % typed.size()]);
}

// A click on a header pressed at once after the tab was painted.
void headerClickAtOnce(benchmark::State& state, const QString& header) {
    Tab tab;
    const Journal& journal = sales(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        tab.open(unseen(journal));
        const int section = tab.column(header);
        state.ResumeTiming();
        tab.clickHeader(section);
        state.PauseTiming();
        tab.close();
        state.ResumeTiming();
    }
}

// For comparison: a plain table model over the same records showing the same fields, with the collation
// keys of the client's name built beforehand, sorting its rows by them, up to a repainted table.
class PlainModel : public QAbstractTableModel {
public:
    PlainModel(const Journal& journal, const QString& header) : m_journal(journal) {
        m_fields = journal.tableFields();
        for (const FieldDef& f : m_fields) {
            if (f.name != header)
                continue;
            const QString key = fieldKey(f.id);
            for (const Record& r : journal.records)
                m_keys.emplace_back(r.text(key));
        }
        m_rows.resize(size_t(journal.records.size()));
        std::iota(m_rows.begin(), m_rows.end(), 0);
    }
    int rowCount(const QModelIndex& = {}) const override { return int(m_rows.size()); }
    int columnCount(const QModelIndex& = {}) const override { return int(m_fields.size()); }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole)
            return {};
        return m_journal.displayValue(m_journal.records[m_rows[size_t(index.row())]],
                                      m_fields[index.column()]);
    }
    void sortByKeys() {
        beginResetModel();
        std::stable_sort(m_rows.begin(), m_rows.end(),
                         [&](int a, int b) { return m_keys[size_t(a)].compare(m_keys[size_t(b)]) < 0; });
        endResetModel();
    }
    void unsort() { std::iota(m_rows.begin(), m_rows.end(), 0); }

private:
    const Journal& m_journal;
    QList<FieldDef> m_fields;
    std::vector<NaturalSortKey> m_keys;
    std::vector<int> m_rows;
};

void BM_PlainModelTextSortWithReadyKeys(benchmark::State& state) {
    const Journal& journal = sales(int(state.range(0)));
    PlainModel model(journal, u"Клиент"_s);
    QTableView table;
    table.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table.setModel(&model);
    table.resize(1170, 700);
    table.show();
    for (auto _ : state) {
        state.PauseTiming();
        model.unsort();
        state.ResumeTiming();
        model.sortByKeys();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(table.grab());
    }
}

void BM_TextHeaderSortAtOnce(benchmark::State& state) {
    headerClickAtOnce(state, u"Клиент"_s);
}

void BM_NumberHeaderSortAtOnce(benchmark::State& state) {
    headerClickAtOnce(state, u"Сумма"_s);
}

// A click on the header that leads the order already: the order turns round, its ranks at hand.
void BM_TextHeaderSortTurnedRound(benchmark::State& state) {
    Tab tab;
    tab.open(sales(int(state.range(0))));
    const int section = tab.column(u"Клиент"_s);
    for (auto _ : state)
        tab.clickHeader(section);
}

// A quick status from the action bar on the row selected in the middle of the table: the store changes
// the record and tells the tab, which shows the changed journal up to a repainted table. The store's save
// of the whole file that follows is left out: BM_StoreSaveOfTheJournal measures it.
void BM_QuickStatusViewSide(benchmark::State& state) {
    Tab tab;
    tab.store->setJournals({sales(int(state.range(0)))});
    const QUuid journalID = tab.store->journals().first().id;
    tab.open(tab.store->journals().first());
    tab.view->findChild<RecordsTableView*>(u"recordsTable"_s)
        ->selectRow(tab.view->findChild<RecordsTableView*>(u"recordsTable"_s)->model()->rowCount() / 2);
    tab.repaint();
    tab.store->save(); // the run's one backup copy is made before the measured saves
    bool paused = false;
    QObject::connect(tab.store.get(), &AppStore::journalsChanged, tab.view.get(), [&] {
        tab.view->setJournal(*tab.store->journal(journalID));
        tab.repaint();
        state.PauseTiming();
        paused = true;
    });
    int next = 0;
    for (auto _ : state) {
        QAction* action = tab.view->findChild<QAction*>(u"quickStatus"_s + QString::number(next++ % 2));
        if (!action || !action->isEnabled()) {
            state.SkipWithError("no quick status to set");
            break;
        }
        paused = false;
        action->trigger();
        if (paused)
            state.ResumeTiming();
        if (tab.store->lastError())
            state.SkipWithError("the save failed");
    }
}

void BM_StoreSaveOfTheJournal(benchmark::State& state) {
    Tab tab;
    tab.store->setJournals({sales(int(state.range(0)))});
    tab.store->save();
    for (auto _ : state) {
        if (!tab.store->save())
            state.SkipWithError("the save failed");
    }
}

} // namespace

BENCHMARK(BM_OpenRecordsTab)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstSearchKeyAtOnce)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LaterSearchKey)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextHeaderSortAtOnce)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextHeaderSortTurnedRound)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainModelTextSortWithReadyKeys)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NumberHeaderSortAtOnce)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuickStatusViewSide)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_StoreSaveOfTheJournal)->Arg(50'000)->Arg(200'000)->Unit(benchmark::kMillisecond)->Iterations(3);
