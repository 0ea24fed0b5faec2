// The record editor over a journal of 50,000 records: what a keystroke costs, the duplicate search with it.
#include "AppRouter.h"
#include "DataFileGenerator.h"
#include "records/EditorRows.h"
#include "records/RecordEditorView.h"
#include "store/Store.h"
#include "templates/Templates.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct EditorFixture {
    QTemporaryDir dir;
    std::unique_ptr<AppStore> store;
    AppRouter router;
    Journal journal;

    explicit EditorFixture(Journal (*make)(const Clock&))
        : store(std::make_unique<AppStore>(dir.filePath(u"data.json"_s))),
          journal(DataFileGenerator::journal(make, 50'000)) {}

    std::unique_ptr<RecordEditorView> open() {
        return std::make_unique<RecordEditorView>(
            *store, router, journal,
            EditorItem{QUuid::createUuid(), journal.id, journal.newRecord(QDateTime::currentDateTimeUtc()),
                       true},
            nullptr);
    }
    QLineEdit* box(RecordEditorView& view, const QString& key) const {
        for (const FieldDef& f : journal.fields) {
            if (f.key == key)
                return qobject_cast<QLineEdit*>(view.row(f.id)->focusBox());
        }
        return nullptr;
    }
};

// Types a character, then takes it back, one key press per iteration: each redraws the title, runs the
// duplicate search once and updates the duplicate section and the save button.
void typeAndErase(benchmark::State& state, QLineEdit* box, const QString& start) {
    box->setText(start);
    bool erase = false;
    for (auto _ : state) {
        QKeyEvent press(QEvent::KeyPress, erase ? Qt::Key_Backspace : Qt::Key_unknown, Qt::NoModifier,
                        erase ? QString() : u"7"_s);
        QApplication::sendEvent(box, &press);
        erase = !erase;
    }
}

// A unique order number that no stored order has: the whole journal is searched by that field.
void BM_EditorKeystroke_UniqueField(benchmark::State& state) {
    static EditorFixture f(Templates::sales);
    const std::unique_ptr<RecordEditorView> view = f.open();
    typeAndErase(state, f.box(*view, u"number"_s), u"ЗК-"_s);
    state.SetLabel("sales, 50,000 records; target 30 ms");
}
BENCHMARK(BM_EditorKeystroke_UniqueField)->Unit(benchmark::kMillisecond);

// A product card without SKU: every stored card's identity (model, sizes, colour) is compared.
void BM_EditorKeystroke_Identity(benchmark::State& state) {
    static EditorFixture f(Templates::cards);
    const std::unique_ptr<RecordEditorView> view = f.open();
    typeAndErase(state, f.box(*view, u"sizeRU"_s), u"4"_s);
    state.SetLabel("product cards, 50,000 records; target 30 ms");
}
BENCHMARK(BM_EditorKeystroke_Identity)->Unit(benchmark::kMillisecond);

// Typing the product's name once the order number is in: the findings cannot change, so no search runs.
void BM_EditorKeystroke_OtherField(benchmark::State& state) {
    static EditorFixture f(Templates::sales);
    const std::unique_ptr<RecordEditorView> view = f.open();
    QLineEdit* number = f.box(*view, u"number"_s);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, u"7"_s);
    QApplication::sendEvent(number, &press);
    typeAndErase(state, f.box(*view, u"item"_s), u"Худи"_s);
    state.SetLabel("sales, 50,000 records; target 30 ms");
}
BENCHMARK(BM_EditorKeystroke_OtherField)->Unit(benchmark::kMillisecond);

// The search alone, for comparison: what a keystroke costs beyond it is the sheet's own work.
void BM_EditorSearchAlone(benchmark::State& state) {
    static EditorFixture f(Templates::sales);
    Record r = f.journal.newRecord(QDateTime::currentDateTimeUtc());
    for (const FieldDef& field : f.journal.fields) {
        if (field.key == u"number")
            r.setText(u"ЗК-7"_s, field.id);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(f.journal.possibleDuplicates(f.journal.normalized(r), {r.id}));
    state.SetLabel("sales, 50,000 records");
}
BENCHMARK(BM_EditorSearchAlone)->Unit(benchmark::kMillisecond);

// Building the sheet: its rows and the first duplicate search.
void BM_EditorOpen(benchmark::State& state) {
    static EditorFixture f(Templates::sales);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.open());
    state.SetLabel("sales, 50,000 records");
}
BENCHMARK(BM_EditorOpen)->Unit(benchmark::kMillisecond);

} // namespace
