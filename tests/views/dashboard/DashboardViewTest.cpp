#include "dashboard/DashboardView.h"
#include "../ShellFixture.h"
#include "JournalDetailView.h"
#include "RecordFixtures.h"
#include "ShellSamples.h"
#include "dashboard/BreakdownSection.h"
#include "dashboard/BreakdownTable.h"
#include "dashboard/DashboardFooter.h"
#include "dashboard/DashboardHeader.h"
#include "dashboard/ReportBox.h"
#include "dashboard/StatTile.h"
#include "dashboard/WrappedText.h"
#include "templates/Templates.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

// The shell's clock reads 15 November 2023, 01:13 in Moscow.
QDateTime moscow(int month, int day, int hour = 12) {
    return at("Europe/Moscow", 2023, month, day, hour);
}

const FieldDef& fieldKeyed(const Journal& j, const QString& key) {
    for (const FieldDef& f : j.fields) {
        if (f.key == key)
            return f;
    }
    throw std::runtime_error("no such field");
}

// An order of 100 ₽ through the site, paid on the day by a client named after the day.
Record paidOrder(const Journal& j, const QDateTime& day) {
    Record r{QUuid::createUuid(), {}, {}, day, day};
    put(r, fieldKeyed(j, u"client"_s), FieldValue::ofText(u"Клиент "_s + day.toString(u"dd"_s)));
    put(r, fieldKeyed(j, u"channel"_s), FieldValue::ofText(u"Сайт"_s));
    put(r, fieldKeyed(j, u"amount"_s), FieldValue::ofNumber(100));
    put(r, fieldKeyed(j, u"paidDate"_s), FieldValue::ofDate(day));
    return r;
}

Journal salesPaidOn(const QList<QDateTime>& days) {
    Journal j = named(Templates::sales(), u"Продажи"_s);
    for (const QDateTime& day : days)
        j.records.append(paidOrder(j, day));
    return j;
}

DashboardView* dashboardOf(const Shell& shell) {
    return qobject_cast<DashboardView*>(shell.content().detail()->content());
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

} // namespace

TEST(DashboardView, PeriodIsKeptPerJournalAndWrittenOnlyWhenPicked) {
    const Journal a = salesPaidOn({}), b = named(Templates::tasks(), u"Задачи"_s);
    Shell shell({a, b}, false);
    const QString keyA = u"period."_s + idText(a.id);
    shell.settings->setValue(keyA, u"ThisYear"_s);
    shell.show();

    // An unknown stored text reads as this month and stays stored while nobody picks.
    EXPECT_EQ(dashboardOf(shell)->header()->periodPicker()->currentText(), u"Этот месяц");
    shell.router->setSelectedJournalID(b.id);
    EXPECT_EQ(dashboardOf(shell)->period(), ReportPeriod::thisMonth);
    EXPECT_EQ(shell.settings->allKeys(), QStringList{keyA});
    EXPECT_EQ(shell.settings->value(keyA), u"ThisYear"_s);
    EXPECT_TRUE(shell.router->filters().isEmpty());

    shell.router->setSelectedJournalID(a.id);
    pick(dashboardOf(shell)->header()->periodPicker(), u"Всё время"_s);
    EXPECT_EQ(shell.settings->value(keyA), u"allTime"_s);
    EXPECT_EQ(dashboardOf(shell)->header()->descriptionText(), u"Все записи");
    shell.router->setSelectedJournalID(b.id);
    EXPECT_EQ(dashboardOf(shell)->period(), ReportPeriod::thisMonth);
    shell.router->setSelectedJournalID(a.id);
    EXPECT_EQ(dashboardOf(shell)->header()->periodPicker()->currentText(), u"Всё время");
}

TEST(DashboardView, CustomDaysAreShownUsedAndKeptUntilRebuilt) {
    const Journal sales = salesPaidOn({moscow(11, 3), moscow(11, 5), moscow(11, 8), moscow(10, 30)});
    Shell shell({sales});
    DashboardView* view = dashboardOf(shell);
    ASSERT_EQ(view->tiles().size(), 5);
    EXPECT_EQ(view->tiles()[0]->titleText() + view->tiles()[0]->valueText(), u"Выручка300 ₽")
        << "metric order";
    EXPECT_EQ(view->tiles()[1]->titleText() + view->tiles()[1]->valueText(), u"Оплачено заказов3");
    EXPECT_EQ(view->tiles()[1]->comparisonText(), u"+2 к прошлому периоду");
    DashboardHeader* header = view->header();
    EXPECT_FALSE(header->startPicker()->isVisible());

    pick(header->periodPicker(), u"Свой период"_s);
    ASSERT_TRUE(header->startPicker()->isVisible());
    EXPECT_EQ(header->startPicker()->date(), QDate(2023, 11, 1));
    EXPECT_EQ(header->endPicker()->date(), QDate(2023, 11, 15));
    header->startPicker()->setDate(QDate(2023, 11, 8));
    header->endPicker()->setDate(QDate(2023, 11, 4));
    EXPECT_EQ(header->descriptionText(), u"04.11.2023 — 08.11.2023");
    EXPECT_EQ(view->tiles()[1]->valueText(), u"2");
    // Compared with the five days before: 30 October and 3 November.
    EXPECT_EQ(view->tiles()[1]->comparisonText(), u"как в прошлом периоде");

    // A store change hands over a new copy: same view, same days, fresh figures.
    shell.store->addRecords({paidOrder(sales, moscow(11, 6))}, sales.id);
    ASSERT_EQ(dashboardOf(shell), view);
    EXPECT_EQ(header->startPicker()->date(), QDate(2023, 11, 8));
    EXPECT_EQ(view->tiles()[1]->valueText(), u"3");
    EXPECT_EQ(view->tiles()[1]->comparisonText(), u"+1 к прошлому периоду");
    EXPECT_EQ(header->countText(), u"В журнале: 5 заказов, 5 клиентов");
    // An edit that keeps the number of records is a different journal all the same.
    Record edited = sales.records[1];
    put(edited, fieldKeyed(sales, u"client"_s), FieldValue::ofText(u"Клиент 03"_s));
    shell.store->updateRecord(edited, sales.id);
    EXPECT_EQ(header->countText(), u"В журнале: 5 заказов, 4 клиента");

    pick(header->periodPicker(), u"Сегодня"_s);
    EXPECT_FALSE(header->startPicker()->isVisible());
    pick(header->periodPicker(), u"Свой период"_s);
    rebuild(shell);
    EXPECT_EQ(dashboardOf(shell)->header()->startPicker()->date(), QDate(2023, 11, 1))
        << "a new tab starts afresh";
}

TEST(DashboardView, WithoutMetricsOnlyTheMessageStandsForTilesReportAndBreakdown) {
    Journal j = salesPaidOn({moscow(11, 3)});
    j.metrics.clear();
    Shell shell({j});
    DashboardView* view = dashboardOf(shell);
    EXPECT_TRUE(view->noMetricsText()->isVisible());
    EXPECT_TRUE(view->tiles().isEmpty());
    EXPECT_FALSE(view->reportBox()->isVisible());
    EXPECT_FALSE(view->breakdown()->isVisible());
    EXPECT_FALSE(view->periodRecordsButton()->isVisible());
    EXPECT_EQ(view->header()->countText(), u"В журнале: 1 заказ, 1 клиент");
}

TEST(DashboardView, ReportCopiesByButtonAndKeyAndItsMarkReturnsAfterTheFirstPress) {
    Shell shell({salesPaidOn({moscow(11, 3)})});
    ReportBox* box = dashboardOf(shell)->reportBox();
    QToolButton* button = box->copyButton();
    EXPECT_EQ(button->text(), u"Скопировать отчёт");
    QGuiApplication::clipboard()->clear();

    // The key works with the focus anywhere in the window.
    shell.content().setFocus();
    QElapsedTimer clock;
    clock.start();
    QTest::keyClick(shell.window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), box->report());
    EXPECT_TRUE(box->report().startsWith(u"За период оплачен 1 заказ на 100 ₽"));
    EXPECT_EQ(button->text(), u"Скопировано");
    QTest::qWait(1000);
    button->click();
    EXPECT_TRUE(QTest::qWaitFor([&] { return button->text() == u"Скопировать отчёт"; }, 2500));
    EXPECT_LT(clock.elapsed(), 2700) << "the first press's return is not put off by the second";

    // A copy just before the tab is rebuilt: the pending return goes with the old box.
    button->click();
    rebuild(shell);
    QTest::qWait(2200);
    EXPECT_EQ(dashboardOf(shell)->reportBox()->copyButton()->text(), u"Скопировать отчёт");

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
    ReportBox* box = dashboardOf(shell)->reportBox();
    const auto* text = box->findChild<WrappedText*>();
    ASSERT_TRUE(text);
    EXPECT_LE(text->geometry().right(), box->width());
    EXPECT_GE(text->height(), 3 * text->fontMetrics().height()) << "every line of it shown";
}

TEST(DashboardView, ActionsSetTheRoutersFields) {
    Journal sales = salesPaidOn({moscow(11, 3)});
    Shell shell({sales});
    DashboardView* view = dashboardOf(shell);
    EXPECT_EQ(view->addButton()->text(), sales.batchTitle);
    view->addButton()->click();
    ASSERT_TRUE(shell.router->batch());
    shell.router->setBatch(std::nullopt);

    const FieldDef paid = fieldKeyed(sales, u"paidDate"_s);
    RecordFilters stale = shell.router->filtersFor(sales.id);
    stale.search = u"старый поиск"_s;
    shell.router->writeFilters(sales.id, stale);
    view->openRecordsButton()->click();
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    EXPECT_EQ(shell.router->filtersFor(sales.id).search, u"старый поиск")
        << "opening the records filters nothing";

    shell.router->setTab(JournalTab::dashboard);
    view = dashboardOf(shell);
    pick(view->header()->periodPicker(), u"Свой период"_s);
    view->header()->startPicker()->setDate(QDate(2023, 11, 5));
    view->header()->endPicker()->setDate(QDate(2023, 11, 10));
    EXPECT_EQ(view->periodRecordsButton()->text(), u"Записи за период (дата оплаты)");
    view->periodRecordsButton()->click();
    EXPECT_EQ(shell.router->tab(), JournalTab::records);
    RecordFilters expected = RecordFilters::defaults(shell.router->clock(), shell.router->calendar());
    expected.dateFieldID = paid.id;
    expected.from = moscow(11, 5, 0);
    expected.to = at("Europe/Moscow", 2023, 11, 10, 23, 59, 59);
    EXPECT_EQ(shell.router->filtersFor(sales.id), expected);
}

TEST(DashboardView, BreakdownFieldPickedForTheTabOnly) {
    Journal sales = salesPaidOn({moscow(11, 3), moscow(11, 4)});
    Shell shell({sales});
    BreakdownSection* section = dashboardOf(shell)->breakdown();
    ASSERT_TRUE(section->isVisible());
    EXPECT_EQ(section->fieldPicker()->currentText(), u"Канал продаж");
    EXPECT_EQ(section->table()->rows().size(), 1);
    pick(section->fieldPicker(), u"Клиент"_s);
    ASSERT_EQ(section->table()->rows().size(), 2);
    section->copyButton()->click();
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
        u"Клиент\tВыручка\tОплачено заказов\tСредний чек\tКлиентов\tВозвраты\nКлиент 0"_s));

    shell.store->addRecords({paidOrder(sales, moscow(11, 5))}, sales.id);
    EXPECT_EQ(section->fieldPicker()->currentText(), u"Клиент") << "a store change keeps the pick";
    EXPECT_EQ(section->table()->rows().size(), 3);
    rebuild(shell);
    section = dashboardOf(shell)->breakdown();
    EXPECT_EQ(section->fieldPicker()->currentText(), u"Канал продаж");

    pick(dashboardOf(shell)->header()->periodPicker(), u"Вчера"_s);
    EXPECT_TRUE(section->emptyText()->isVisible());
    EXPECT_FALSE(section->copyButton()->isEnabled());

    // The journal's own field of a type the picker does not offer: used, but no entry is marked.
    sales.breakdownFieldID = fieldKeyed(sales, u"amount"_s).id;
    shell.store->updateSettings(sales);
    EXPECT_EQ(section->fieldPicker()->currentIndex(), -1);

    Journal numbersOnly = sales;
    numbersOnly.fields = {fieldKeyed(sales, u"amount"_s), fieldKeyed(sales, u"paidDate"_s)};
    numbersOnly.breakdownFieldID.reset();
    shell.store->updateSettings(numbersOnly);
    EXPECT_FALSE(section->isVisible()) << "no text or choice field";
}

TEST(DashboardView, FooterKeysFoldedUntilOpened) {
    Shell shell({salesPaidOn({})});
    DashboardFooter* footer = dashboardOf(shell)->footer();
    EXPECT_FALSE(footer->keysList()->isVisible());
    footer->keysToggle()->click();
    ASSERT_TRUE(footer->keysList()->isVisible());
    EXPECT_EQ(footer->keysList()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly).size(), 14);
    EXPECT_TRUE(footer->notes()->text().endsWith(u"«Возвраты» — по полю «Дата возврата»."));
}
