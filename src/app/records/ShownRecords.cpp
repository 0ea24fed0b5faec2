#include "app/records/ShownRecords.h"

#include "core/journal/RecordMatcher.h"
#include "core/journal/RecordOrder.h"
#include "core/journal/TextNormalizer.h"

#include <algorithm>

namespace Records {

namespace {

// Earlier searches kept for going back (erasing letters) and narrowing.
constexpr size_t keptSearches = 8;

QStringList wordsOf(const RecordFilters& filters) {
    return TextNormalizer::compare(filters.search).split(u' ', Qt::SkipEmptyParts);
}

// The filters with what does not change which records pass left out: a journal without stored filters
// reads fresh ones every time, whose day range ends now, and the range counts only with a date field.
RecordFilters effective(RecordFilters filters) {
    if (!filters.dateFieldID)
        filters.from = filters.to = QDateTime();
    return filters;
}

// Whether two filters differ in their search alone, if at all.
bool sameApartFromSearch(RecordFilters a, RecordFilters b) {
    a.search.clear();
    b.search.clear();
    return a == b;
}

// Whether every record the words keep is one the earlier words keep: each earlier word lies inside one of
// the words.
bool narrows(const QStringList& words, const QStringList& earlier) {
    return std::all_of(earlier.cbegin(), earlier.cend(), [&](const QString& e) {
        return std::any_of(words.cbegin(), words.cend(), [&](const QString& w) { return w.contains(e); });
    });
}

} // namespace

ShownRecords::ShownRecords(std::shared_ptr<JournalIndex> index) : m_index(std::move(index)) {}

void ShownRecords::show(const Journal& journal, const RecordFilters& given, const QList<RecordSort>& order) {
    const RecordFilters filters = effective(given);
    // Another user of the index may have brought it to other records meanwhile: then the changes it tells
    // are not the ones since this was shown.
    if (m_index->version() != m_version)
        m_shown = false;
    const RecordChanges changes = m_index->update(journal);
    m_version = m_index->version();
    const bool sameRecords = changes.none();
    if (!sameRecords || !m_shown || !sameApartFromSearch(filters, m_filters))
        m_searches.clear();
    const bool sameFilters = m_shown && filters == m_filters;
    const bool sameView = sameFilters && order == m_order;
    if (sameView && sameRecords)
        return;
    // A change of a few records: only those are filtered and put in their place. Many fresh records
    // (other fields, a large import) are worked out as a whole.
    if (sameView && changes.fresh.size() <= size_t(m_index->count()) / 16 + 16) {
        follow(changes, filters, order);
    } else {
        if (!sameFilters || !sameRecords)
            filterAfresh(filters);
        m_rows = m_passing;
        RecordOrder(*m_index, order).sort(m_rows);
    }
    m_filters = filters;
    m_order = order;
    m_shown = true;
}

void ShownRecords::filterAfresh(const RecordFilters& filters) {
    const QStringList words = wordsOf(filters);
    const std::vector<int>* candidates = nullptr;
    for (const Search& earlier : m_searches) {
        if (earlier.words == words) {
            m_passing = earlier.passing;
            return;
        }
        if (narrows(words, earlier.words) && (!candidates || earlier.passing.size() < candidates->size()))
            candidates = &earlier.passing;
    }
    m_passing = RecordMatcher(*m_index, filters).matching(candidates);
    if (m_searches.size() == keptSearches)
        m_searches.erase(m_searches.begin());
    m_searches.push_back(Search{words, m_passing});
}

void ShownRecords::follow(const RecordChanges& changes, const RecordFilters& filters,
                          const QList<RecordSort>& order) {
    RecordMatcher matcher(*m_index, filters);
    std::vector<int> fresh;
    for (const int at : changes.fresh) {
        if (matcher.passes(at))
            fresh.push_back(at);
    }
    // Records that stayed keep their order, in the journal and in the table.
    std::vector<int> kept;
    kept.reserve(m_passing.size());
    for (const int at : m_passing) {
        if (const int now = changes.newPosition[size_t(at)]; now >= 0)
            kept.push_back(now);
    }
    m_passing.clear();
    std::merge(kept.begin(), kept.end(), fresh.begin(), fresh.end(), std::back_inserter(m_passing));

    std::vector<int> rows;
    rows.reserve(m_rows.size() + fresh.size());
    for (const int at : m_rows) {
        if (const int now = changes.newPosition[size_t(at)]; now >= 0)
            rows.push_back(now);
    }
    RecordOrder sorted(*m_index, order);
    for (const int at : fresh)
        rows.insert(
            std::upper_bound(rows.begin(), rows.end(), at, [&](int a, int b) { return sorted.less(a, b); }),
            at);
    m_rows = std::move(rows);
}

QList<Record> ShownRecords::records() const {
    QList<Record> shown;
    shown.reserve(qsizetype(m_rows.size()));
    for (const int at : m_rows)
        shown.append(journal().records[at]);
    return shown;
}

} // namespace Records
