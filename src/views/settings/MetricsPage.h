#pragma once

#include "views/settings/ListPage.h"

#include "core/model/Calendar.h"

class ReportEditor;

// The page "Итоги и отчёт": the draft's metrics, numbered in list order and reorderable, the editor of the
// selected metric, and under them the report template with its example.
class MetricsPage : public ListPage {
    Q_OBJECT
public:
    MetricsPage(Settings::SettingsState& state, Clock clock, Calendar calendar, QWidget* parent);

    // Also redoes the example report: call it only while the page is shown.
    void sync() override;

protected:
    void addItem() override;
    void removeItem() override;
    DraftPane* buildEditor(const QUuid& id) override;

private:
    ReportEditor* m_report;
};
