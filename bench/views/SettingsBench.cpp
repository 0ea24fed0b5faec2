// The settings sheet over a 50,000-record sales journal: the example report redone per keystroke.
#include "DataFileGenerator.h"
#include "app/AppRouter.h"
#include "core/store/AppStore.h"
#include "core/templates/Templates.h"
#include "views/settings/JournalSettingsView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

const Calendar moscow{QTimeZone(QByteArrayLiteral("Europe/Moscow"))};
// The records run from January to June 2024, one every five minutes: about 9,000 of them fall in March.
const QDateTime benchNow(QDate(2024, 3, 15), QTime(12, 0), QTimeZone(QByteArrayLiteral("Europe/Moscow")));

const Journal& salesJournal() {
    static const Journal journal = DataFileGenerator::journal(Templates::sales, 50'000);
    return journal;
}

struct Sheet {
    QTemporaryDir dir;
    AppStore store{dir.filePath(u"data.json"_s), [] { return benchNow; }, moscow};
    AppRouter router{[] { return benchNow; }, moscow};
    std::unique_ptr<JournalSettingsView> view;

    Sheet() {
        store.setJournals({salesJournal()});
        view = std::make_unique<JournalSettingsView>(store, router, salesJournal(), nullptr);
    }
    QString example() const { return view->findChild<QLabel*>(u"reportExample"_s)->text(); }
};

void typeOne(QWidget* box, QChar c) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(box, &press);
}

// A keystroke in the report template: the figures are kept, only the text is filled again.
void BM_SettingsTemplateKeystroke(benchmark::State& state) {
    Sheet sheet;
    sheet.view->showTab(SettingsTab::metrics);
    auto* box = sheet.view->findChild<QPlainTextEdit*>(u"reportTemplate"_s);
    box->moveCursor(QTextCursor::End);
    for (auto _ : state)
        typeOne(box, u'x');
    benchmark::DoNotOptimize(sheet.example());
}
BENCHMARK(BM_SettingsTemplateKeystroke)->Unit(benchmark::kMillisecond);

// A keystroke in a metric's title: the month's figures are computed again.
void BM_SettingsMetricKeystroke(benchmark::State& state) {
    Sheet sheet;
    sheet.view->showTab(SettingsTab::metrics);
    auto* title = sheet.view->findChild<QLineEdit*>(u"metricTitle"_s);
    for (auto _ : state)
        typeOne(title, u'x');
    benchmark::DoNotOptimize(sheet.example());
}
BENCHMARK(BM_SettingsMetricKeystroke)->Unit(benchmark::kMillisecond);

// A keystroke in a metric's condition value: that change recounts the month's figures.
void BM_SettingsConditionKeystroke(benchmark::State& state) {
    Journal journal = salesJournal();
    journal.metrics[0].filterFieldID = journal.fields[1].id; // the client, a text field
    Sheet sheet;
    sheet.view = std::make_unique<JournalSettingsView>(sheet.store, sheet.router, journal, nullptr);
    sheet.view->showTab(SettingsTab::metrics);
    auto* value = sheet.view->findChild<QLineEdit*>(u"metricFilterValue"_s);
    for (auto _ : state)
        typeOne(value, u'x');
    benchmark::DoNotOptimize(sheet.example());
}
BENCHMARK(BM_SettingsConditionKeystroke)->Unit(benchmark::kMillisecond);

// A keystroke on another page computes nothing.
void BM_SettingsGeneralKeystroke(benchmark::State& state) {
    Sheet sheet;
    auto* name = sheet.view->findChild<QLineEdit*>(u"journalName"_s);
    for (auto _ : state)
        typeOne(name, u'x');
}
BENCHMARK(BM_SettingsGeneralKeystroke)->Unit(benchmark::kMillisecond);

// Opening the sheet and showing the metrics page.
void BM_SettingsOpenOnMetrics(benchmark::State& state) {
    QTemporaryDir dir;
    AppStore store(
        dir.filePath(u"data.json"_s), [] { return benchNow; }, moscow);
    AppRouter router([] { return benchNow; }, moscow);
    for (auto _ : state) {
        JournalSettingsView view(store, router, salesJournal(), nullptr);
        view.showTab(SettingsTab::metrics);
    }
}
BENCHMARK(BM_SettingsOpenOnMetrics)->Unit(benchmark::kMillisecond);

} // namespace
