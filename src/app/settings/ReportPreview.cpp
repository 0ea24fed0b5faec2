#include "app/settings/ReportPreview.h"

using namespace Qt::StringLiterals;

namespace Settings {

namespace {

MetricDef counted(MetricDef metric) {
    metric.title.clear();
    metric.subtitle.clear();
    metric.unit.clear();
    metric.symbol.clear();
    metric.color = AppColor::gray;
    return metric;
}

// A metric places a record by its creation time or by the date in one of its values; a record with
// neither in the month counts for no metric, so leaving it out changes no value, not even the order in
// which a sum adds.
bool mayCount(const Record& record, const DateInterval& month) {
    if (month.contains(record.createdAt))
        return true;
    for (const FieldValue& value : record.values) {
        if (value.date && month.contains(*value.date))
            return true;
    }
    return false;
}

} // namespace

QString ReportPreview::text(const Journal& draft, const QDateTime& now, const Calendar& calendar) {
    const std::optional<DateInterval> month = interval(ReportPeriod::thisMonth, now, now, now, calendar);
    if (draft.records.constData() != m_records || draft.records.size() != m_recordCount || month != m_month) {
        m_records = draft.records.constData();
        m_recordCount = draft.records.size();
        m_month = month;
        m_candidates.clear();
        for (const Record& record : draft.records) {
            if (!month || mayCount(record, *month))
                m_candidates.append(record);
        }
        m_inputs.reset();
    }
    Inputs inputs{draft.fields, {}, draft.titleFieldID};
    for (const MetricDef& metric : draft.metrics)
        inputs.metrics.append(counted(metric));
    if (inputs != m_inputs) {
        m_results = Statistics::compute(draft, month, m_candidates);
        m_inputs = std::move(inputs);
    }
    // The same metrics in the same order: only their titles and units may have changed since.
    for (qsizetype i = 0; i < m_results.size(); ++i)
        m_results[i].metric = draft.metrics[i];
    return u"Пример за этот месяц: "_s + Statistics::report(draft, m_results);
}

} // namespace Settings
