// Batch entry over a journal of 50,000 records: what a keystroke costs with 50 rows on the sheet, and with
// 5,000 rows made from pasted lists: making them, a key in the first, middle and last row, saving them.
#include "DataFileGenerator.h"
#include "KeyTyping.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"
#include "views/kit/FormSection.h"
#include "views/records/BatchAddView.h"
#include "views/records/BatchRowWidget.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct BatchFixture {
    QTemporaryDir dir;
    std::unique_ptr<AppStore> store;
    AppRouter router;
    Journal journal = DataFileGenerator::journal(Templates::sales, 50'000);

    BatchFixture() : store(std::make_unique<AppStore>(dir.filePath(u"data.json"_s))) {}

    const FieldDef& field(const QString& key) const {
        return *std::find_if(journal.fields.cbegin(), journal.fields.cend(),
                             [&](const FieldDef& f) { return f.key == key; });
    }
    // A field's box in the form section with this title: it carries the field's name for assistive
    // technology.
    QWidget* box(const BatchAddView& view, const QString& section, const QString& key) const {
        for (const FormSection* s : view.findChildren<FormSection*>()) {
            if (s->title() != section)
                continue;
            for (QWidget* box : s->findChildren<QWidget*>())
                if (box->accessibleName() == field(key).name)
                    return box;
        }
        return nullptr;
    }
    std::unique_ptr<BatchAddView> open() {
        return std::make_unique<BatchAddView>(
            *store, router, journal, BatchItem{QUuid::createUuid(), journal.id, std::nullopt}, nullptr);
    }
    // 50 rows made from quick lists: order numbers, names and amounts.
    std::unique_ptr<BatchAddView> openWithRows() {
        std::unique_ptr<BatchAddView> view = open();
        QStringList numbers, names, amounts;
        for (int i = 0; i < 50; ++i) {
            numbers.append(u"ЗК-"_s + QString::number(900'000 + i));
            names.append(u"Худи синий № "_s + QString::number(i));
            amounts.append(QString::number(100 + i));
        }
        const auto type = [&](const QString& key, const QString& text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
            QApplication::sendEvent(box(*view, u"Быстрый ввод списком"_s, key), &press);
        };
        type(u"number"_s, numbers.join(u", "_s));
        type(u"amount"_s, amounts.join(u", "_s));
        view->fillFromQuick();
        return view;
    }
};

BatchFixture& fixture() {
    static BatchFixture f;
    return f;
}

// A shared value changes every row's record: every row is reviewed again against the journal.
void BM_BatchKeystroke_SharedField(benchmark::State& state) {
    BatchFixture& f = fixture();
    const std::unique_ptr<BatchAddView> view = f.openWithRows();
    typeAndErase(state, f.box(*view, u"Общие поля"_s, u"client"_s));
    state.SetLabel("50 rows vs 50,000 records; target 100 ms");
}
BENCHMARK(BM_BatchKeystroke_SharedField)->Unit(benchmark::kMillisecond);

// A cell of one row: its own review, and the rows below it compare with it.
void BM_BatchKeystroke_RowCell(benchmark::State& state) {
    BatchFixture& f = fixture();
    const std::unique_ptr<BatchAddView> view = f.openWithRows();
    typeAndErase(state, view->showRow(10)->cell(f.field(u"number"_s).id));
    state.SetLabel("50 rows vs 50,000 records; target 100 ms");
}
BENCHMARK(BM_BatchKeystroke_RowCell)->Unit(benchmark::kMillisecond);

// Opening the sheet: the duplicate keys of the journal are indexed once, then the form is built.
void BM_BatchOpen(benchmark::State& state) {
    BatchFixture& f = fixture();
    for (auto _ : state)
        benchmark::DoNotOptimize(f.open());
    state.SetLabel("50,000 records");
}
BENCHMARK(BM_BatchOpen)->Unit(benchmark::kMillisecond);

// Rows made from a pasted column of 1,000 sums, until the shown sheet has them on screen: the list is laid
// out once, not again for every row that comes on screen.
void BM_BatchRowsFromPastedList(benchmark::State& state) {
    BatchFixture& f = fixture();
    QStringList sums;
    for (int i = 0; i < 1000; ++i)
        sums.append(QString::number(10'000 + i) + u".25"_s);
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<BatchAddView> view = f.open();
        view->show();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, sums.join(u'\n'));
        QApplication::sendEvent(f.box(*view, u"Быстрый ввод списком"_s, u"amount"_s), &paste);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        view->fillFromQuick();
        QCoreApplication::processEvents();
        state.PauseTiming();
        view.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    state.SetLabel("1,000 rows vs 50,000 records");
}
BENCHMARK(BM_BatchRowsFromPastedList)->Unit(benchmark::kMillisecond);

// ---- 5,000 rows made from pasted lists ----

constexpr int manyRows = 5000;

// The three lists a user pastes from a spreadsheet: order numbers, item names one per line, sums.
struct PastedLists {
    QString numbers, names, amounts;
    PastedLists() {
        QStringList n, i, a;
        for (int k = 0; k < manyRows; ++k) {
            n.append(u"ЗК-"_s + QString::number(900'000 + k));
            i.append(u"Худи синий № "_s + QString::number(k));
            a.append(QString::number(100 + k % 900) + u",50"_s);
        }
        numbers = n.join(u'\n');
        names = i.join(u'\n');
        amounts = a.join(u'\n');
    }
};

void paste(BatchFixture& f, BatchAddView& view, const QString& key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
    QApplication::sendEvent(f.box(view, u"Быстрый ввод списком"_s, key), &press);
}

std::unique_ptr<BatchAddView> shownWithLists(BatchFixture& f) {
    static const PastedLists lists;
    std::unique_ptr<BatchAddView> view = f.open();
    view->show();
    paste(f, *view, u"number"_s, lists.numbers);
    paste(f, *view, u"item"_s, lists.names);
    paste(f, *view, u"amount"_s, lists.amounts);
    QCoreApplication::processEvents();
    return view;
}

void painted(QWidget& view) {
    QCoreApplication::processEvents();
    view.repaint();
}

// A key typed into the box and taken back, one per iteration, each until the sheet is painted again.
void keysUntilPainted(benchmark::State& state, QWidget* box, QWidget& view) {
    box->setFocus();
    painted(view);
    bool erase = false;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier,
                        erase ? QString() : u"7"_s);
        QApplication::sendEvent(box, &press);
        painted(view);
        erase = !erase;
    }
}

// "Создать строки" with three pasted lists of 5,000 items, until the sheet is painted with its rows.
void BM_BatchFillFromQuick5000(benchmark::State& state) {
    BatchFixture& f = fixture();
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<BatchAddView> view = shownWithLists(f);
        state.ResumeTiming();
        view->fillFromQuick();
        painted(*view);
        state.PauseTiming();
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    state.SetLabel("5,000 rows vs 50,000 records; target 1 s");
}
BENCHMARK(BM_BatchFillFromQuick5000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// A key typed into the order number of row 1, 2,500 or 5,000 and taken back, each until painted.
void BM_BatchKeystroke5000Rows(benchmark::State& state) {
    BatchFixture& f = fixture();
    std::unique_ptr<BatchAddView> view = shownWithLists(f);
    view->fillFromQuick();
    painted(*view);
    QLineEdit* cell = view->showRow(state.range(0) - 1)->cell(f.field(u"number"_s).id);
    keysUntilPainted(state, cell, *view);
    state.SetLabel("5,000 rows vs 50,000 records; target 100 ms");
}
BENCHMARK(BM_BatchKeystroke5000Rows)
    ->Arg(1)
    ->Arg(2500)
    ->Arg(5000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5);

// A key in a shared field with 5,000 rows: every row's record changes, so every row is reviewed again.
void BM_BatchKeystroke5000Rows_SharedField(benchmark::State& state) {
    BatchFixture& f = fixture();
    std::unique_ptr<BatchAddView> view = shownWithLists(f);
    view->fillFromQuick();
    painted(*view);
    QWidget* box = f.box(*view, u"Общие поля"_s, u"client"_s);
    keysUntilPainted(state, box, *view);
    state.SetLabel("5,000 rows vs 50,000 records");
}
BENCHMARK(BM_BatchKeystroke5000Rows_SharedField)->Unit(benchmark::kMillisecond)->Repetitions(5);

// Saving 5,000 rows: their records made, the duplicate review, the store's add and the data file written.
void BM_BatchSave5000(benchmark::State& state) {
    static BatchFixture f;
    static bool stored = false;
    if (!stored) {
        f.store->addJournal(f.journal);
        stored = true;
    }
    for (auto _ : state) {
        state.PauseTiming();
        std::unique_ptr<BatchAddView> view = shownWithLists(f);
        view->fillFromQuick();
        painted(*view);
        state.ResumeTiming();
        view->attemptSave();
        state.PauseTiming();
        view.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // Back to the 50,000 stored records for the next round.
        QSet<QUuid> added;
        const QList<Record> records = f.store->journal(f.journal.id)->records;
        for (qsizetype i = f.journal.records.size(); i < records.size(); ++i)
            added.insert(records[i].id);
        f.store->deleteRecords(added, f.journal.id);
        state.ResumeTiming();
    }
    state.SetLabel("5,000 rows into 50,000 records");
}
BENCHMARK(BM_BatchSave5000)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

// The store's share of that save: 5,000 records added to the journal and the data file written.
void BM_BatchSave5000StoreShare(benchmark::State& state) {
    static BatchFixture f;
    static bool stored = false;
    if (!stored) {
        f.store->addJournal(f.journal);
        stored = true;
    }
    for (auto _ : state) {
        state.PauseTiming();
        static const PastedLists lists;
        const QHash<QUuid, QString> quick{{f.field(u"number"_s).id, lists.numbers},
                                          {f.field(u"item"_s).id, lists.names},
                                          {f.field(u"amount"_s).id, lists.amounts}};
        const QDateTime now = QDateTime::currentDateTimeUtc();
        const QList<Record> records =
            BatchBuilder::makeRecords(f.journal, f.journal.newRecord(now),
                                      BatchBuilder::makeRows(quick, f.journal.perItemFields()), now)
                .records;
        state.ResumeTiming();
        f.store->addRecords(records, f.journal.id);
        state.PauseTiming();
        QSet<QUuid> added;
        for (const Record& r : records)
            added.insert(r.id);
        f.store->deleteRecords(added, f.journal.id);
        state.ResumeTiming();
    }
    state.SetLabel("5,000 records into 50,000");
}
BENCHMARK(BM_BatchSave5000StoreShare)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace
