#include "KeysAhead.h"

#include "journal/RecordFilters.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

// Records per batch, and the time after which a step gives the window back.
constexpr qsizetype batch = 250;
constexpr qint64 stepMs = 12;

} // namespace

void KeysAhead::start(const Journal& journal, const Calendar& calendar, const QList<RecordSort>& columns) {
    m_journal = journal;
    m_calendar = calendar;
    m_textColumns.clear();
    for (const RecordSort& sort : columns) {
        if (sort.key.kind == RecordSort::Key::Kind::field && isTextual(sort.key.fieldType) &&
            m_textColumns.size() < RecordSort::keptTextColumns)
            m_textColumns.append(sort);
    }
    m_stage = 0;
    m_next = 0;
    if (!m_scheduled) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &KeysAhead::step);
    }
}

void KeysAhead::step() {
    m_scheduled = false;
    QElapsedTimer elapsed;
    elapsed.start();
    while (!done() && elapsed.elapsed() < stepMs) {
        if (m_next >= m_journal.records.size()) {
            ++m_stage;
            m_next = 0;
            continue;
        }
        if (m_stage == 0)
            RecordFilters::prepareSearch(m_journal, m_calendar, m_next, batch);
        else
            RecordSort::prepare(m_journal.records, m_textColumns[m_stage - 1], m_next, batch);
        m_next += batch;
    }
    if (!done()) {
        m_scheduled = true;
        QTimer::singleShot(0, this, &KeysAhead::step);
    }
}
