#include "views/settings/MetricsPage.h"

#include "views/settings/MetricEditor.h"
#include "views/settings/ReportEditor.h"

#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Settings;

MetricsPage::MetricsPage(SettingsState& state, Clock clock, Calendar calendar, QWidget* parent)
    : ListPage(state, DraftListModel::Items::metrics, &SettingsState::selectedMetricID,
               {u"Добавить показатель"_s, u"addMetric"_s}, {u"Удалить показатель"_s, u"removeMetric"_s},
               u"metricList"_s, QString(), u"Выберите показатель слева"_s, parent) {
    // The minus button has no help text.
    dropRemoveHelp();
    m_report = new ReportEditor(state, std::move(clock), std::move(calendar), this);
    connect(m_report, &DraftPane::edited, this, &DraftPane::edited);

    pageLayout()->setSpacing(12);
    columns()->setFixedHeight(330);
    pageLayout()->addWidget(m_report);
    pageLayout()->addStretch(1);
}

void MetricsPage::addItem() {
    m_state.addMetric();
    emit edited();
}

// The metric goes at once: the sheet's "Отмена" is the way back.
void MetricsPage::removeItem() {
    m_state.removeSelectedMetric();
    emit edited();
}

DraftPane* MetricsPage::buildEditor(const QUuid& id) {
    return new MetricEditor(m_state, id, nullptr);
}

void MetricsPage::sync() {
    ListPage::sync();
    m_report->sync();
}
