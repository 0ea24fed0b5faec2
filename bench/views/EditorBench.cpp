// The record editor over a journal of 50,000 records: what a keystroke costs, the duplicate check with it.
#include "DataFileGenerator.h"
#include "KeyTyping.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"
#include "views/records/RecordEditorView.h"

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
        // A field's box carries the field's name for assistive technology.
        for (const FieldDef& f : journal.fields) {
            if (f.key != key)
                continue;
            for (QLineEdit* box : view.findChildren<QLineEdit*>())
                if (box->accessibleName() == f.name)
                    return box;
        }
        return nullptr;
    }
};

// Each key press redraws the title, finds the duplicates once and updates the duplicate section and the
// save button. Here: a unique order number that no stored order has.
void BM_EditorKeystroke_UniqueField(benchmark::State& state) {
    static EditorFixture f(Templates::sales);
    const std::unique_ptr<RecordEditorView> view = f.open();
    QLineEdit* box = f.box(*view, u"number"_s);
    box->setText(u"ЗК-"_s);
    typeAndErase(state, box);
    state.SetLabel("sales, 50,000 records; target 30 ms");
}
BENCHMARK(BM_EditorKeystroke_UniqueField)->Unit(benchmark::kMillisecond);

// A product card without SKU: found by its identity (model, sizes, colour).
void BM_EditorKeystroke_Identity(benchmark::State& state) {
    static EditorFixture f(Templates::cards);
    const std::unique_ptr<RecordEditorView> view = f.open();
    QLineEdit* box = f.box(*view, u"sizeRU"_s);
    box->setText(u"4"_s);
    typeAndErase(state, box);
    state.SetLabel("product cards, 50,000 records; target 30 ms");
}
BENCHMARK(BM_EditorKeystroke_Identity)->Unit(benchmark::kMillisecond);

// Building the sheet: the duplicate keys of the journal indexed once, the rows, the first look-up.
void BM_EditorOpen(benchmark::State& state) {
    static EditorFixture f(Templates::sales);
    for (auto _ : state)
        benchmark::DoNotOptimize(f.open());
    state.SetLabel("sales, 50,000 records");
}
BENCHMARK(BM_EditorOpen)->Unit(benchmark::kMillisecond);

} // namespace
