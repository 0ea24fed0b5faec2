// Batch entry over a journal of 50,000 records: what a keystroke costs with 50 rows on the sheet.
#include "AppRouter.h"
#include "DataFileGenerator.h"
#include "FormSection.h"
#include "KeyTyping.h"
#include "records/BatchAddView.h"
#include "records/BatchRowWidget.h"
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
    typeAndErase(state, view->findChildren<BatchRowWidget*>()[10]->cell(f.field(u"number"_s).id));
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

} // namespace
