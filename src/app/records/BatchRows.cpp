#include "app/records/BatchRows.h"

#include "app/records/RecordEditor.h"
#include "core/journal/DuplicateIndex.h"
#include "core/journal/TextNormalizer.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Records {

namespace {

QList<FieldDef> repeatableFields(const Journal& journal) {
    QList<FieldDef> fields;
    for (const FieldDef& f : journal.fields) {
        if (f.isUnique && f.isPerItem)
            fields.append(f);
    }
    return fields;
}

} // namespace

BatchRows::BatchRows(const Journal& journal, const DuplicateIndex& index, Record templateRecord, Clock clock)
    : m_journal(journal), m_index(index), m_repeatable(repeatableFields(journal)),
      m_grouped(!journal.groupFields().isEmpty()), m_template(std::move(templateRecord)),
      m_clock(std::move(clock)) {}

bool BatchRows::anyFilled() const {
    return std::any_of(m_reviews.cbegin(), m_reviews.cend(), [](const Review& r) { return r.filled; });
}

BatchRows::Review BatchRows::reviewed(const BatchRow& row) const {
    Review review;
    review.keys.reserve(m_repeatable.size());
    for (const FieldDef& f : m_repeatable)
        review.keys.append(TextNormalizer::compare(row.values.value(f.id)));
    if (row.isEmpty())
        return review;
    review.filled = true;
    // The row's record as saving will make it, on the shared values.
    const BatchBuilder::Records made = BatchBuilder::makeRecords(m_journal, m_template, {row}, m_clock());
    const Record& record = made.records.first();
    review.warnings = made.warnings;
    const QList<Journal::DuplicateFinding> found = m_index.findings(record);
    for (const Journal::DuplicateFinding& f : found.first(std::min<qsizetype>(2, found.size())))
        review.stored.append(RecordEditor::duplicateLine(m_journal, f));
    if (m_grouped)
        review.groupKey = m_journal.groupKey(record);
    review.hasContent = !m_journal.isEmptyContent(record);
    return review;
}

QList<qsizetype> BatchRows::markRepeats() {
    // The keys of the rows above, per repeatable field. Blank rows count among them too: their keys are
    // empty and never match.
    QList<QSet<QString>> above(m_repeatable.size());
    QList<qsizetype> changed;
    for (qsizetype i = 0; i < m_reviews.size(); ++i) {
        Review& review = m_reviews[i];
        QList<qsizetype> repeated;
        for (qsizetype k = 0; k < m_repeatable.size(); ++k) {
            const QString& key = review.keys[k];
            if (review.filled && !key.isEmpty() && above[k].contains(key))
                repeated.append(k);
            above[k].insert(key);
        }
        if (repeated != review.repeated) {
            review.repeated = repeated;
            changed.append(i);
        }
    }
    return changed;
}

void BatchRows::reindex() {
    m_positions.clear();
    m_positions.reserve(m_rows.size());
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        m_positions.insert(m_rows[i].id, i);
}

void BatchRows::setTemplate(const Record& templateRecord) {
    m_template = templateRecord;
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        const QList<qsizetype> repeated = m_reviews[i].repeated;
        m_reviews[i] = reviewed(m_rows[i]);
        m_reviews[i].repeated = repeated;
    }
}

void BatchRows::append(const QList<BatchRow>& rows, bool dropBlank) {
    if (dropBlank) {
        for (qsizetype i = m_rows.size() - 1; i >= 0; --i) {
            if (!m_reviews[i].filled) {
                m_rows.removeAt(i);
                m_reviews.removeAt(i);
            }
        }
    }
    m_rows.reserve(m_rows.size() + rows.size());
    m_reviews.reserve(m_rows.size() + rows.size());
    for (const BatchRow& row : rows) {
        m_rows.append(row);
        m_reviews.append(reviewed(row));
    }
    markRepeats();
    reindex();
}

bool BatchRows::remove(const QUuid& id) {
    const qsizetype position = indexOf(id);
    if (position < 0)
        return false;
    m_rows.removeAt(position);
    m_reviews.removeAt(position);
    markRepeats();
    reindex();
    return true;
}

QList<qsizetype> BatchRows::setCell(const QUuid& rowID, const QUuid& fieldID, const QString& text) {
    const qsizetype position = indexOf(rowID);
    if (position < 0)
        return {};
    m_rows[position].values.insert(fieldID, text);
    const QList<qsizetype> repeated = m_reviews[position].repeated;
    m_reviews[position] = reviewed(m_rows[position]);
    m_reviews[position].repeated = repeated;
    QList<qsizetype> changed = markRepeats();
    if (!changed.contains(position))
        changed.prepend(position);
    return changed;
}

bool BatchRows::hasLines(qsizetype position) const {
    const Review& r = m_reviews[position];
    return !r.warnings.isEmpty() || !r.stored.isEmpty() || !r.repeated.isEmpty();
}

const QStringList& BatchRows::warnings(qsizetype position) const {
    return m_reviews[position].warnings;
}

QStringList BatchRows::duplicates(qsizetype position) const {
    const Review& r = m_reviews[position];
    QStringList lines = r.stored;
    for (qsizetype k : r.repeated) {
        lines.append(m_repeatable[k].name + u" «"_s + m_rows[position].values.value(m_repeatable[k].id) +
                     u"» повторяется в этой форме"_s);
    }
    return lines;
}

QStringList BatchRows::lines(qsizetype position) const {
    return warnings(position) + duplicates(position);
}

QStringList BatchRows::duplicateLines() const {
    QStringList all;
    for (qsizetype i = 0; i < m_rows.size(); ++i)
        all.append(duplicates(i));
    return all;
}

BatchTotals BatchRows::totals() const {
    BatchTotals totals;
    QSet<QString> groups;
    totals.savable = true;
    for (const Review& r : m_reviews) {
        if (!r.filled)
            continue;
        ++totals.records;
        totals.savable = totals.savable && r.hasContent;
        if (m_grouped)
            groups.insert(r.groupKey);
    }
    totals.groups = groups.size();
    totals.savable = totals.savable && totals.records > 0;
    return totals;
}

} // namespace Records
