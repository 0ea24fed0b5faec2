#include "views/dashboard/DashboardView.h"
#include "DashboardParts.h"
#include "Looks.h"
#include "RecordFixtures.h"
#include "ShellFixture.h"
#include "ShellSamples.h"
#include "ShownText.h"
#include "core/templates/Templates.h"
#include "views/dashboard/BreakdownTable.h"
#include "views/dashboard/StatTile.h"
#include "views/dashboard/WrappedText.h"
#include "views/kit/ElidedText.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <functional>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

// The shell's clock reads 15 November 2023, 01:13 in Moscow.
QDateTime moscow(int month, int day, int hour = 12) {
    return at("Europe/Moscow", 2023, month, day, hour);
}

// The sales template's fields these tests fill, by position.
enum SalesField { client = 1, amount = 4, channel = 5, paidDate = 7 };

// An order of 100 ₽ through the site, paid on the day by a client named after the day.
Record paidOrder(const Journal& j, const QDateTime& day) {
    Record r{QUuid::createUuid(), {}, {}, day, day};
    put(r, j.fields[client], FieldValue::ofText(u"Клиент "_s + day.toString(u"dd"_s)));
    put(r, j.fields[channel], FieldValue::ofText(u"Сайт"_s));
    put(r, j.fields[amount], FieldValue::ofNumber(100));
    put(r, j.fields[paidDate], FieldValue::ofDate(day));
    return r;
}

Journal salesPaidOn(const QList<QDateTime>& days) {
    Journal j = named(Templates::sales(), u"Продажи"_s);
    for (const QDateTime& day : days)
        j.records.append(paidOrder(j, day));
    return j;
}

// Shows the tab again: a new dashboard, shown once the events are processed.
void rebuild(Shell& shell) {
    shell.router->setTab(JournalTab::records);
    shell.router->setTab(JournalTab::dashboard);
    QCoreApplication::processEvents();
}

void pick(QComboBox* picker, const QString& text) {
    const int index = picker->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    picker->setCurrentIndex(index);
    emit picker->activated(index);
}

// What the tab shows of the journal's figures: the count line, each tile's value and comparison, and the
// breakdown's rows.
QStringList figuresShown(const DashboardView& view) {
    QStringList shown{countLineOf(&view)};
    for (const StatTile* tile : tilesOf(&view))
        shown.append(tile->valueText() + u" / "_s + tile->comparisonText());
    if (const auto* table = view.findChild<BreakdownTable*>())
        for (const QStringList& row : table->rows())
            shown.append(row.join(u" | "_s));
    return shown;
}

} // namespace

// Every change of the records shows at once in what the tab kept from the journal: the tab shows what a
// tab built afresh on the changed journal shows, after changes made on the dashboard and on the records tab
// alike.
TEST(DashboardView, FiguresFollowEveryChangeOfTheRecordsAtOnce) {
    const Journal sales = salesPaidOn({moscow(11, 3), moscow(11, 5), moscow(11, 8), moscow(10, 30)});
    const QUuid returned = sales.statuses[4].id;
    Shell shell({sales});
    const auto stored = [&] { return *shell.store->journal(sales.id); };
    const struct {
        const char* what;
        std::function<void(AppStore&)> change;
    } changes[] = {
        {"a record added",
         [&](AppStore& store) { store.addRecords({paidOrder(sales, moscow(11, 10))}, sales.id); }},
        {"another client and channel",
         [&](AppStore& store) {
             Record edited = stored().records[0];
             put(edited, sales.fields[client], FieldValue::ofText(u"Клиент 05"_s));
             put(edited, sales.fields[channel], FieldValue::ofText(u"Маркетплейс"_s));
             store.updateRecord(edited, sales.id);
         }},
        {"a return set",
         [&](AppStore& store) {
             store.setStatus(returned, {stored().records[1].id}, sales.id, moscow(11, 14));
         }},
        {"an amount counted up",
         [&](AppStore& store) {
             store.changeNumber(sales.fields[amount].id, 1, {stored().records[2].id}, sales.id);
         }},
        {"the first records deleted",
         [&](AppStore& store) {
             store.deleteRecords({stored().records[0].id, stored().records[1].id}, sales.id);
         }},
        {"every record deleted",
         [&](AppStore& store) {
             QSet<QUuid> all;
             for (const Record& r : stored().records)
                 all.insert(r.id);
             store.deleteRecords(all, sales.id);
         }},
        {"records added again",
         [&](AppStore& store) {
             store.addRecords({paidOrder(sales, moscow(11, 1)), paidOrder(sales, moscow(10, 2))}, sales.id);
         }},
    };
    for (const bool onRecordsTab : {false, true}) {
        for (const auto& c : changes) {
            SCOPED_TRACE(std::string(c.what) + (onRecordsTab ? " on the records tab" : " on the dashboard"));
            if (onRecordsTab)
                shell.router->setTab(JournalTab::records);
            c.change(*shell.store);
            shell.router->setTab(JournalTab::dashboard);
            const DashboardView* kept = shell.shown<DashboardView>();
            ASSERT_TRUE(kept);
            const DashboardView afresh(*shell.router, *shell.settings, stored(),
                                       std::make_shared<MetricTable>());
            EXPECT_EQ(figuresShown(*kept), figuresShown(afresh));
        }
    }
    EXPECT_EQ(countLineOf(shell.shown<DashboardView>()), u"В журнале: 2 заказа, 2 клиента");
}

// The period is the user's pick for the journal, kept in the settings; the figures and texts for it are
// worked out and tested without the tab.
TEST(DashboardView, PeriodIsKeptPerJournalAndWrittenOnlyWhenPicked) {
    const Journal a = salesPaidOn({}), b = named(Templates::tasks(), u"Задачи"_s);
    Shell shell({a, b}, false);
    const QString keyA = u"period."_s + idText(a.id);
    shell.settings->setValue(keyA, u"ThisYear"_s);
    shell.show();
    const auto periodShown = [&] { return periodPickerOf(shell.shown<DashboardView>())->currentText(); };

    // An unknown stored text reads as this month and stays stored while nobody picks.
    EXPECT_EQ(periodShown(), u"Этот месяц");
    shell.router->setSelectedJournalID(b.id);
    EXPECT_EQ(shell.settings->allKeys(), QStringList{keyA});
    EXPECT_EQ(shell.settings->value(keyA), u"ThisYear"_s);
    EXPECT_TRUE(shell.router->filters().isEmpty());

    shell.router->setSelectedJournalID(a.id);
    pick(periodPickerOf(shell.shown<DashboardView>()), u"Всё время"_s);
    EXPECT_EQ(shell.settings->value(keyA), u"allTime"_s);
    shell.router->setSelectedJournalID(b.id);
    EXPECT_EQ(periodShown(), u"Этот месяц");
    shell.router->setSelectedJournalID(a.id);
    EXPECT_EQ(periodShown(), u"Всё время");
}

TEST(DashboardView, CustomDaysAreShownUsedAndKeptUntilRebuilt) {
    const Journal sales = salesPaidOn({moscow(11, 3), moscow(11, 5), moscow(11, 8), moscow(10, 30)});
    Shell shell({sales});
    DashboardView* view = shell.shown<DashboardView>();
    ASSERT_EQ(tilesOf(view).size(), 5);
    EXPECT_EQ(tilesOf(view)[1]->valueText() + u", "_s + tilesOf(view)[1]->comparisonText(),
              u"3, +2 к прошлому периоду");
    EXPECT_FALSE(shell.shown<QDateEdit>(u"customStart"_s)) << "shown for a custom period only";

    pick(periodPickerOf(view), u"Свой период"_s);
    auto* start = shell.shown<QDateEdit>(u"customStart"_s);
    auto* end = shell.shown<QDateEdit>(u"customEnd"_s);
    ASSERT_TRUE(start && end);
    EXPECT_EQ(start->date(), QDate(2023, 11, 1));
    EXPECT_EQ(end->date(), QDate(2023, 11, 15));
    start->setDate(QDate(2023, 11, 8));
    end->setDate(QDate(2023, 11, 4));
    EXPECT_EQ(shell.shown<QLabel>(u"periodDescription"_s)->text(), u"04.11.2023 — 08.11.2023");
    EXPECT_EQ(tilesOf(view)[1]->valueText(), u"2");
    // Compared with the five days before: 30 October and 3 November.
    EXPECT_EQ(tilesOf(view)[1]->comparisonText(), u"как в прошлом периоде");

    // A store change hands over a new copy: same view, same days, fresh figures.
    shell.store->addRecords({paidOrder(sales, moscow(11, 6))}, sales.id);
    ASSERT_EQ(shell.shown<DashboardView>(), view);
    EXPECT_EQ(start->date(), QDate(2023, 11, 8));
    EXPECT_EQ(tilesOf(view)[1]->valueText(), u"3");
    EXPECT_EQ(tilesOf(view)[1]->comparisonText(), u"+1 к прошлому периоду");
    EXPECT_EQ(countLineOf(view), u"В журнале: 5 заказов, 5 клиентов");
    // An edit that keeps the number of records is a different journal all the same.
    Record edited = sales.records[1];
    put(edited, sales.fields[client], FieldValue::ofText(u"Клиент 03"_s));
    shell.store->updateRecord(edited, sales.id);
    EXPECT_EQ(countLineOf(view), u"В журнале: 5 заказов, 4 клиента");

    rebuild(shell);
    EXPECT_EQ(shell.shown<QDateEdit>(u"customStart"_s)->date(), QDate(2023, 11, 1))
        << "a new tab starts afresh";
}

TEST(DashboardView, WithoutMetricsOnlyTheMessageStandsForTilesReportAndBreakdown) {
    Journal j = salesPaidOn({moscow(11, 3)});
    j.metrics.clear();
    Shell shell({j});
    EXPECT_TRUE(shell.shown<QLabel>(u"noMetrics"_s));
    EXPECT_TRUE(tilesOf(shell.shown<DashboardView>()).isEmpty());
    for (const char* gone : {"reportBox", "breakdown", "periodRecords"})
        EXPECT_FALSE(shell.shown(QString::fromLatin1(gone))) << gone;
}

TEST(DashboardView, ReportCopiesByButtonAndKeyAndItsMarkReturnsAfterTheFirstPress) {
    Shell shell({salesPaidOn({moscow(11, 3)})});
    const auto button = [&] { return shell.shown<QToolButton>(u"copyReportButton"_s); };
    EXPECT_EQ(button()->text(), u"Скопировать отчёт");
    QGuiApplication::clipboard()->clear();

    // The key works with the focus anywhere in the window.
    shell.content().setFocus();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(shell.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        u"За период оплачен 1 заказ на 100 ₽"));
    EXPECT_EQ(button()->text(), u"Скопировано");
    QTest::qWait(1000);
    button()->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return button()->text() == u"Скопировать отчёт"; }, 2500));
    EXPECT_LT(clock.elapsed(), 2700) << "the first press's return is not put off by the second";

    // A copy just before the tab is rebuilt: the pending return goes with the old box.
    button()->click();
    rebuild(shell);
    QTest::qWait(2200);
    EXPECT_EQ(button()->text(), u"Скопировать отчёт");

    // Not on the records tab.
    shell.router->setTab(JournalTab::records);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(shell.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(QGuiApplication::clipboard()->text().isEmpty());
}

TEST(DashboardView, AReportWordLongerThanTheBoxWrapsInsideIt) {
    Journal j = salesPaidOn({});
    j.reportTemplate = QString(600, u'ж');
    Shell shell({j});
    shell.window->resize(1050, 680);
    QCoreApplication::processEvents();
    auto* box = shell.shown(u"reportBox"_s);
    const auto* text = box->findChild<WrappedText*>();
    ASSERT_TRUE(text);
    EXPECT_LE(text->geometry().right(), box->width());
    EXPECT_GE(text->height(), 3 * text->fontMetrics().height()) << "every line of it shown";
}

// A tile's change is read whole: a long one wraps onto more lines at the least window and on a laptop's
// width, and the tiles of a row stay alike in height.
TEST(DashboardView, ATilesChangeWrapsRatherThanBeingCut) {
    Journal j = salesPaidOn({moscow(11, 3), moscow(10, 3)});
    put(j.records[1], j.fields[amount], FieldValue::ofNumber(1038463.47));
    for (const QSize window : {QSize(1050, 680), QSize(1366, 768)}) {
        SCOPED_TRACE(window.width());
        Shell shell({j});
        shell.window->resize(window);
        QCoreApplication::processEvents();
        const QList<StatTile*> tiles = tilesOf(shell.shown<DashboardView>());
        ASSERT_GE(tiles.size(), 2);
        ASSERT_EQ(tiles[0]->comparisonText(),
                  u"\u22121\u00A0038\u00A0363,47 ₽ к прошлому периоду");
        auto* change = tiles[0]->findChild<ElidedText*>(u"tileComparison"_s);
        ASSERT_TRUE(change);
        // Drawn whole: every character of the text but the blanks the wrapping took.
        QString drawn;
        for (const DrawnText& run : drawnTexts(change))
            drawn += run.text;
        QString whole = tiles[0]->comparisonText();
        EXPECT_EQ(drawn.remove(u' ').remove(u'\u00A0'), whole.remove(u' ').remove(u'\u00A0'));
        EXPECT_GE(change->height(), 2 * change->fontMetrics().height());
        EXPECT_LE(change->mapTo(tiles[0], QPoint(0, change->height())).y(), tiles[0]->height());
        EXPECT_EQ(tiles[1]->height(), tiles[0]->height());
    }
}

// A tile in every colour a metric may take, its figure rising and falling: on its tinted face the symbol
// and the change's arrow are found as marks must be, in the colour's hue, and its texts read as drawn.
TEST(DashboardView, ATilesMarksAndTextsReadOnItsFace) {
    const Journal j = salesPaidOn({});
    for (const AppColor appColor : allAppColors) {
        for (const double previous : {1.0, 1000.0}) {
            const QColor hue = Style::color(appColor);
            SCOPED_TRACE(hue.name().toStdString() + (previous > 1 ? " falling" : " rising"));
            MetricDef metric = j.metrics.first();
            metric.color = appColor;
            StatTile tile;
            tile.setFigures(MetricResult{metric, 100, 1}, j, previous);
            tile.resize(260, 200);
            const QImage drawn = shown(&tile);
            const QColor face = drawn.pixelColor(tile.width() / 2, 3);
            QList<QLabel*> symbols;
            for (QLabel* label : tile.findChildren<QLabel*>())
                if (!label->pixmap().isNull())
                    symbols.append(label);
            ASSERT_EQ(symbols.size(), 2) << "the metric's symbol and the change's arrow";
            for (const QLabel* symbol : symbols) {
                const std::optional<QColor> mark = soleColour(symbol->pixmap().toImage());
                ASSERT_TRUE(mark);
                EXPECT_GE(Contrast::ratio(*mark, face), Contrast::marks) << mark->name().toStdString();
            }
            if (hue.hslSaturationF() > 0.2) {
                EXPECT_TRUE(sameHue(*soleColour(symbols.first()->pixmap().toImage()), hue));
            }
            for (const ElidedText* text : tile.findChildren<ElidedText*>()) {
                const QRect area(text->mapTo(&tile, QPoint()), text->size());
                EXPECT_GE(smoothedText(drawn, area).ratio(), Contrast::normalText)
                    << text->text().toStdString();
            }
        }
    }
}

TEST(DashboardView, ActionsSetTheRoutersFields) {
    Journal sales = salesPaidOn({moscow(11, 3)});
    Shell shell({sales});
    RecordFilters stale = shell.router->filtersFor(sales.id);
    stale.search = u"старый поиск"_s;
    shell.router->writeFilters(sales.id, stale);
    shell.shown<QPushButton>(u"openRecords"_s)->click();
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    EXPECT_EQ(shell.router->filtersFor(sales.id).search, u"старый поиск")
        << "opening the records filters nothing";

    shell.router->setTab(JournalTab::dashboard);
    pick(periodPickerOf(shell.shown<DashboardView>()), u"Свой период"_s);
    shell.shown<QDateEdit>(u"customStart"_s)->setDate(QDate(2023, 11, 5));
    shell.shown<QDateEdit>(u"customEnd"_s)->setDate(QDate(2023, 11, 10));
    shell.shown<QPushButton>(u"periodRecords"_s)->click();
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    const RecordFilters shown = shell.router->filtersFor(sales.id);
    EXPECT_EQ(std::tuple(shown.dateFieldID, shown.from, shown.to),
              std::tuple(std::optional(sales.fields[paidDate].id), moscow(11, 5, 0),
                         at("Europe/Moscow", 2023, 11, 10, 23, 59, 59)));
}

TEST(DashboardView, BreakdownFieldPickedForTheTabOnly) {
    Journal sales = salesPaidOn({moscow(11, 3), moscow(11, 4)});
    Shell shell({sales});
    const auto picker = [&] { return shell.shown<QComboBox>(u"breakdownField"_s); };
    const auto rows = [&] { return shell.shown<BreakdownTable>()->rows().size(); };
    ASSERT_TRUE(picker());
    EXPECT_EQ(picker()->currentText(), u"Канал продаж");
    EXPECT_EQ(rows(), 1);
    pick(picker(), u"Клиент"_s);
    ASSERT_EQ(rows(), 2);
    shell.shown<QPushButton>(u"copyBreakdown"_s)->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(u"Клиент\tВыручка\t"_s));

    shell.store->addRecords({paidOrder(sales, moscow(11, 5))}, sales.id);
    EXPECT_EQ(picker()->currentText(), u"Клиент") << "a store change keeps the pick";
    EXPECT_EQ(rows(), 3);
    rebuild(shell);
    EXPECT_EQ(picker()->currentText(), u"Канал продаж");

    pick(periodPickerOf(shell.shown<DashboardView>()), u"Вчера"_s);
    EXPECT_TRUE(shell.shown<QLabel>(u"breakdownEmpty"_s));
    EXPECT_FALSE(shell.shown<QPushButton>(u"copyBreakdown"_s)->isEnabled());

    // The journal's own field of a type the picker does not offer: used, but no entry is marked.
    sales.breakdownFieldID = sales.fields[amount].id;
    shell.store->updateSettings(sales);
    EXPECT_EQ(picker()->currentIndex(), -1);
}

TEST(DashboardView, FooterKeysFoldedUntilOpened) {
    Shell shell({salesPaidOn({})});
    EXPECT_FALSE(shell.shown(u"keysList"_s));
    shell.shown<QToolButton>(u"keysToggle"_s)->click();
    EXPECT_TRUE(shell.shown(u"keysList"_s));
    EXPECT_TRUE(shell.shown<WrappedText>(u"metricNotes"_s)
                    ->text()
                    .endsWith(u"«Возвраты» — по полю «Дата возврата»."));
}
