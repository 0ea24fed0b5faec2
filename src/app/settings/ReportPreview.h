#pragma once

#include "core/model/Calendar.h"
#include "core/model/Model.h"
#include "core/statistics/ReportPeriod.h"
#include "core/statistics/Statistics.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

namespace Settings {

// The settings sheet's example of the short report: the draft's report for the calendar month of the
// current moment, over the draft's records, with the template and metrics as edited so far.
//
// It is redone after every edit of the draft, so it keeps what it can: the records that can count in the
// month at all (the sheet never changes records), and the metric values while nothing they are made of
// changed. A keystroke in the template or in a metric's title then costs no recount.
class ReportPreview {
public:
    // "Пример за этот месяц: " followed by the report.
    QString text(const Journal& draft, const QDateTime& now, const Calendar& calendar);

private:
    // What the metric values are made of.
    struct Inputs {
        QList<FieldDef> fields;
        QList<MetricDef> metrics; // without the texts and looks they are shown with
        std::optional<QUuid> titleFieldID;

        bool operator==(const Inputs&) const = default;
    };

    // The records of the month's candidates: the list's shared data and size name them.
    const Record* m_records = nullptr;
    qsizetype m_recordCount = -1;
    std::optional<DateInterval> m_month;
    // The records placed in the month by their creation or by any date they hold: every record any
    // metric can count there, in their order.
    QList<Record> m_candidates;

    std::optional<Inputs> m_inputs;
    QList<MetricResult> m_results;
};

} // namespace Settings
