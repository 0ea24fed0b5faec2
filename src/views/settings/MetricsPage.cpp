#include "views/settings/MetricsPage.h"

#include "views/kit/Icons.h"
#include "views/settings/ItemListColumn.h"
#include "views/settings/MetricEditor.h"
#include "views/settings/ReportEditor.h"

#include <QAction>
#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

MetricsPage::MetricsPage(SettingsState& state, Clock clock, Calendar calendar, QWidget* parent)
    : ListPage(state, DraftListModel::Items::metrics, &SettingsState::selectedMetricID,
               new QAction(Icons::icon(u"plus"_s), u"Добавить показатель"_s),
               // The minus button has no help text: the action has no text of its own.
               new QAction(Icons::icon(u"minus"_s), QString()), QString(), u"Выберите показатель слева"_s,
               parent) {
    QAction* add = column()->addButton()->defaultAction();
    add->setObjectName(u"addMetric"_s);
    connect(add, &QAction::triggered, this, [this] {
        m_state.addMetric();
        emit edited();
    });
    // The metric goes at once: the sheet's "Отмена" is the way back.
    QAction* remove = column()->removeButton()->defaultAction();
    remove->setObjectName(u"removeMetric"_s);
    connect(remove, &QAction::triggered, this, [this] {
        m_state.removeSelectedMetric();
        emit edited();
    });
    column()->removeButton()->setAccessibleName(u"Удалить показатель"_s);
    column()->list()->setObjectName(u"metricList"_s);
    m_report = new ReportEditor(state, std::move(clock), std::move(calendar), this);
    connect(m_report, &DraftPane::edited, this, &DraftPane::edited);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(12);
    columns()->setFixedHeight(330);
    layout->addWidget(columns());
    layout->addWidget(m_report);
    layout->addStretch(1);
}

MetricEditor* MetricsPage::editor() const {
    return qobject_cast<MetricEditor*>(shownEditor());
}

DraftPane* MetricsPage::buildEditor(const QUuid& id) {
    return new MetricEditor(m_state, id, nullptr);
}

void MetricsPage::sync() {
    ListPage::sync();
    m_report->sync();
}
