#pragma once

#include "core/model/Model.h"
#include "core/statistics/ReportPeriod.h"
#include "core/statistics/Statistics.h"

#include <QList>

#include <memory>
#include <optional>
#include <vector>

namespace MetricColumns {
struct Table;
}

// A journal prepared for its figures: the values its metrics read are taken from every record once, into
// flat columns, and then the metrics of any range, of the range before it, a breakdown by a field and the
// number of groups are each a short walk over those columns. This is how Statistics computes everything,
// so the figures are the same whichever way they are asked for.
//
// A view that shows figures keeps one for its journal and asks it again for every period or field. Handed
// the next copy of the journal, the table reads again only the records that were added or changed; other
// fields or metrics make it read every record. It reads no calendar:
// display texts of dates are read in the user's time zone, as Journal::displayValue reads them.
class MetricTable {
public:
    // A table of no journal yet: the first update reads one.
    MetricTable();
    // Reads the journal's records, with the values of the fields to break down by given here read in the
    // same pass (any other field is read on its first breakdown).
    explicit MetricTable(const Journal& journal, const QList<FieldDef>& breakdownFields = {});
    // Reads the given records in place of the journal's own.
    MetricTable(const Journal& journal, const QList<Record>& records, const QList<FieldDef>& breakdownFields);
    MetricTable(MetricTable&&) noexcept;
    MetricTable& operator=(MetricTable&&) noexcept;
    ~MetricTable();

    // The journal the table was built from, holding the records it read.
    const Journal& journal() const { return m_journal; }
    // Brings the table to the journal. The fields to break down by are read in the same pass when every
    // record is read.
    void update(const Journal& journal, const QList<FieldDef>& breakdownFields = {});

    // Every metric of the journal over the range, in metric order, formulas computed from the results
    // before them.
    QList<MetricResult> compute(const std::optional<DateInterval>& interval) const;
    // The records that the metric at this position counts over the range, in their order.
    QList<Record> records(qsizetype metric, const std::optional<DateInterval>& interval) const;
    // The metrics computed separately for the records of each value of the field, biggest first. The
    // field's values are read once and kept for the next breakdowns.
    QList<BreakdownRow> breakdown(const FieldDef& field, const std::optional<DateInterval>& interval);
    // The number of distinct group keys among the records.
    qsizetype groupCount() const;

private:
    struct Split;
    Split& split(const FieldDef& field);

    Journal m_journal;
    std::unique_ptr<MetricColumns::Table> m_columns;
    std::vector<std::unique_ptr<Split>> m_splits; // one per field broken down by so far
};
