#pragma once

#include "app/dashboard/DashboardFigures.h"
#include "views/kit/JournalTabView.h"

#include <QList>
#include <QUuid>

#include <memory>
#include <optional>

class AdaptiveGridLayout;
class AppRouter;
class BreakdownSection;
class DashboardFooter;
class DashboardHeader;
class QLabel;
class QPushButton;
class QSettings;
class ReportBox;
class StatTile;

// The dashboard tab of one journal: the header with the period, a tile per metric, the short report, the
// ways to the records, the breakdown by a field and the footer. Its period is kept per journal in the
// settings, written only when the user picks one; the custom days and the breakdown's field live as long
// as the tab and survive every new copy of the journal. Each redraw computes the period's figures once
// and hands the same results to the tiles, the report and the breakdown. The journal's records are
// prepared for the figures in a table that the journal screen keeps while the journal is shown: picking a
// period, a day or a field reads no record again, a new copy of the journal reads only the records that
// changed, and the tab shown again finds the table ready.
class DashboardView : public JournalTabView {
    Q_OBJECT
public:
    // `table` is brought to the journal on every redraw.
    DashboardView(AppRouter& router, QSettings& settings, const Journal& journal,
                  std::shared_ptr<MetricTable> table, QWidget* parent = nullptr);
    void setJournal(const Journal& journal) override;

private:
    QWidget* makeActions(QWidget* parent);
    // The parts that follow the journal alone, then the period's figures.
    void redraw();
    // What depends on the period: the description, the tiles, the report and the breakdown.
    void redrawFigures();
    void redrawTiles();
    void redrawBreakdown();
    void pickPeriod(ReportPeriod period);
    void showPeriodRecords();

    AppRouter& m_router;
    QSettings& m_settings;
    Journal m_journal;
    std::shared_ptr<MetricTable> m_table;
    ReportPeriod m_period = ReportPeriod::thisMonth;
    Dashboard::CustomDates m_custom;
    std::optional<QUuid> m_breakdownFieldID; // the field the user picked in the breakdown, if any
    Dashboard::DashboardFigures m_figures;

    DashboardHeader* m_header = nullptr;
    QLabel* m_noMetrics = nullptr;
    QWidget* m_tileGrid = nullptr;
    AdaptiveGridLayout* m_tileLayout = nullptr;
    QList<StatTile*> m_tiles;
    ReportBox* m_report = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_openRecords = nullptr;
    QPushButton* m_periodRecords = nullptr;
    BreakdownSection* m_breakdown = nullptr;
    DashboardFooter* m_footer = nullptr;
};
