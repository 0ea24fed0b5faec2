#pragma once

#include "core/journal/JournalIndex.h"
#include "core/journal/RecordFilters.h"
#include "core/journal/RecordSort.h"

#include <QList>
#include <QStringList>

#include <memory>
#include <vector>

namespace Records {

// What the records tab shows of its journal: the records that pass its filters (RecordFilters::apply),
// sorted by its comparators (RecordSort::sorted), as positions in the journal's records. Worked out
// through the journal's index and kept from one call to the next: after a change of a few records only
// those are filtered and put in their place again, and a search that adds to the one before looks only
// among the records that one kept. Whatever it shows is what the plain definitions give.
class ShownRecords {
public:
    explicit ShownRecords(std::shared_ptr<JournalIndex> index);

    // Shows the journal through the filters, sorted by the comparators.
    void show(const Journal& journal, const RecordFilters& filters, const QList<RecordSort>& order);

    const Journal& journal() const { return m_index->journal(); }
    // The shown records' positions in the table's order.
    const std::vector<int>& rows() const { return m_rows; }
    // The positions of the records that pass the filters, in journal order.
    const std::vector<int>& passing() const { return m_passing; }
    // The shown records in the table's order.
    QList<Record> records() const;
    // Prepares in one go what groupCount() and distinctValues(valueField) read, and what sorting by the
    // number fields given reads (JournalIndex::prepare).
    void prepare(const std::optional<FieldDef>& valueField, const QList<QUuid>& numberFields) {
        m_index->prepare(valueField, numberFields);
    }
    // The number of different group keys among the shown records.
    qsizetype groupCount() { return m_index->groupCount(m_passing); }
    // Journal::distinctValues of the field.
    QStringList distinctValues(const FieldDef& field) { return m_index->distinctValues(field); }

private:
    // The passing records worked out afresh, looking only among those an earlier search kept when the
    // new one adds to it.
    void filterAfresh(const RecordFilters& filters);
    // The records kept, the fresh ones filtered and put in their place.
    void follow(const RecordChanges& changes, const RecordFilters& filters, const QList<RecordSort>& order);

    std::shared_ptr<JournalIndex> m_index;
    // Whether passing and rows show the index as it stood at m_version.
    bool m_shown = false;
    quint64 m_version = 0;
    RecordFilters m_filters;
    QList<RecordSort> m_order;
    std::vector<int> m_passing;
    std::vector<int> m_rows;
    // Earlier searches under the same other filters and records: their words and what passed.
    struct Search {
        QStringList words;
        std::vector<int> passing;
    };
    std::vector<Search> m_searches;
};

} // namespace Records
