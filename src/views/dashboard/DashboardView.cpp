#include "views/dashboard/DashboardView.h"

#include "app/AddTitles.h"
#include "app/AppRouter.h"
#include "app/dashboard/BreakdownTexts.h"
#include "app/dashboard/PeriodRecords.h"
#include "app/kit/ShortcutText.h"
#include "views/dashboard/AdaptiveGridLayout.h"
#include "views/dashboard/BreakdownSection.h"
#include "views/dashboard/DashboardFooter.h"
#include "views/dashboard/DashboardHeader.h"
#include "views/dashboard/ReportBox.h"
#include "views/dashboard/StatTile.h"
#include "views/kit/Style.h"
#include "views/kit/SymbolButton.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Dashboard;

namespace {

QPushButton* actionButton(const QString& symbol, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    Style::makeLarge(button);
    setSymbol(button, symbol);
    return button;
}

} // namespace

DashboardView::DashboardView(AppRouter& router, QSettings& settings, const Journal& journal,
                             std::shared_ptr<MetricTable> table, QWidget* parent)
    : JournalTabView(parent), m_router(router), m_settings(settings), m_journal(journal),
      m_table(std::move(table)), m_custom(CustomDates::initial(router.clock()(), router.calendar())) {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroller = new QScrollArea(this);
    scroller->setObjectName(u"dashboardScroller"_s);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroller);

    // The sections stand in one column at most 1150 px wide, at the leading edge of a wider window.
    auto* page = new QWidget;
    auto* pageLayout = new QHBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* column = new QWidget(page);
    column->setMaximumWidth(1150);
    pageLayout->addWidget(column, 1);
    pageLayout->addStretch(0);
    auto* sections = new QVBoxLayout(column);
    sections->setContentsMargins(24, 24, 24, 24);
    sections->setSpacing(22);

    m_header = new DashboardHeader(router.calendar(), column);
    m_header->setObjectName(u"dashboardHeader"_s);
    sections->addWidget(m_header);

    m_noMetrics = new QLabel(u"В журнале нет показателей. Добавьте их в настройках журнала."_s, column);
    m_noMetrics->setObjectName(u"noMetrics"_s);
    m_noMetrics->setTextFormat(Qt::PlainText);
    m_noMetrics->setWordWrap(true);
    Style::setSecondary(m_noMetrics);
    sections->addWidget(m_noMetrics);

    m_tileGrid = new QWidget(column);
    m_tileGrid->setObjectName(u"tiles"_s);
    m_tileLayout = new AdaptiveGridLayout(210, 16, 16, m_tileGrid);
    sections->addWidget(m_tileGrid);

    m_report = new ReportBox(column);
    m_report->setObjectName(u"reportBox"_s);
    sections->addWidget(m_report);
    sections->addWidget(makeActions(column));

    m_breakdown = new BreakdownSection(column);
    sections->addWidget(m_breakdown);
    m_footer = new DashboardFooter(column);
    sections->addWidget(m_footer);
    sections->addStretch(1);
    scroller->setWidget(page);

    connect(m_header, &DashboardHeader::periodPicked, this, &DashboardView::pickPeriod);
    connect(m_header, &DashboardHeader::customStartPicked, this, [this](const QDateTime& start) {
        m_custom.start = start;
        redrawFigures();
    });
    connect(m_header, &DashboardHeader::customEndPicked, this, [this](const QDateTime& end) {
        m_custom.end = end;
        redrawFigures();
    });
    connect(m_breakdown, &BreakdownSection::fieldPicked, this, [this](const QUuid& id) {
        m_breakdownFieldID = id;
        if (const auto field = breakdownField(m_journal, m_breakdownFieldID))
            m_figures.breakdown = m_table->breakdown(*field, m_figures.interval);
        redrawBreakdown();
    });
    redraw();
}

QWidget* DashboardView::makeActions(QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    m_add = new QPushButton(row);
    m_add->setObjectName(u"addRecords"_s);
    Style::makeBigAdd(m_add);
    m_openRecords = actionButton(u"list.bullet.rectangle"_s, u"openRecords"_s, row);
    m_openRecords->setText(u"Открыть записи"_s);
    m_periodRecords = actionButton(u"line.3.horizontal.decrease.circle"_s, u"periodRecords"_s, row);
    for (QPushButton* button : {m_add, m_openRecords, m_periodRecords})
        layout->addWidget(button);
    layout->addStretch(1);

    connect(m_add, &QPushButton::clicked, this, [this] { m_router.primaryAdd(m_journal); });
    connect(m_openRecords, &QPushButton::clicked, this, [this] { m_router.setTab(JournalTab::records); });
    connect(m_periodRecords, &QPushButton::clicked, this, &DashboardView::showPeriodRecords);
    return row;
}

void DashboardView::setJournal(const Journal& journal) {
    m_journal = journal;
    redraw();
}

void DashboardView::redraw() {
    const auto field = breakdownField(m_journal, m_breakdownFieldID);
    m_table->update(m_journal, field ? QList<FieldDef>{*field} : QList<FieldDef>{});
    m_header->setJournal(m_journal, countLine(*m_table));
    m_add->setText(literalLabel(newRecordsButtonTitle(m_journal)));
    const auto dateField = periodDateField(m_journal);
    m_periodRecords->setVisible(dateField.has_value());
    if (dateField)
        m_periodRecords->setText(literalLabel(periodRecordsTitle(*dateField)));
    m_footer->setJournal(m_journal);
    redrawFigures();
}

void DashboardView::redrawFigures() {
    m_period = storedPeriod(m_settings.value(periodSettingsKey(m_journal.id)));
    m_figures = computeFigures(*m_table, m_period, m_custom, m_router.clock()(), m_router.calendar(),
                               breakdownField(m_journal, m_breakdownFieldID));
    m_header->setPeriod(m_period, m_custom, periodDescription(m_figures.interval, m_router.calendar()));
    const bool hasMetrics = !m_figures.results.isEmpty();
    m_noMetrics->setVisible(!hasMetrics);
    m_tileGrid->setVisible(hasMetrics);
    m_report->setVisible(hasMetrics);
    redrawTiles();
    if (hasMetrics)
        m_report->setReport(Statistics::report(m_journal, m_figures.results));
    redrawBreakdown();
}

void DashboardView::redrawTiles() {
    const QList<MetricResult>& results = m_figures.results;
    while (m_tiles.size() > results.size()) {
        StatTile* tile = m_tiles.takeLast();
        m_tileLayout->removeWidget(tile);
        tile->deleteLater();
    }
    while (m_tiles.size() < results.size()) {
        auto* tile = new StatTile(m_tileGrid);
        m_tileLayout->addWidget(tile);
        m_tiles.append(tile);
    }
    for (qsizetype i = 0; i < results.size(); ++i)
        m_tiles[i]->setFigures(results[i], m_journal, m_figures.previous(i));
}

void DashboardView::redrawBreakdown() {
    const auto field = breakdownField(m_journal, m_breakdownFieldID);
    m_breakdown->setVisible(field.has_value());
    if (field)
        m_breakdown->setBreakdown(m_journal, *field, m_figures.breakdown);
}

void DashboardView::pickPeriod(ReportPeriod period) {
    m_settings.setValue(periodSettingsKey(m_journal.id), rawValue(period));
    redrawFigures();
}

void DashboardView::showPeriodRecords() {
    const auto field = periodDateField(m_journal);
    if (!field)
        return;
    const RecordFilters defaults = RecordFilters::defaults(m_router.clock(), m_router.calendar());
    m_router.writeFilters(m_journal.id, periodFilters(*field, m_figures.interval, defaults));
    m_router.setTab(JournalTab::records);
}
