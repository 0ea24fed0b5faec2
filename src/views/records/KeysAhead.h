#pragma once

#include "journal/RecordSort.h"
#include "model/Calendar.h"
#include "model/Model.h"

#include <QObject>

// Builds a journal's search texts, then the collation keys of its text columns, while the window is
// idle, a few milliseconds at a time. A journal's first search, or its first sort by a text column, would
// otherwise build them all on one keystroke or click, taking longer than either may. Whatever is still
// missing when the user gets there is built then; texts and keys of unchanged records are kept when the
// journal changes.
class KeysAhead : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts over for the journal and the table's sort criteria.
    void start(const Journal& journal, const Calendar& calendar, const QList<RecordSort>& columns);
    bool done() const { return m_stage > m_textColumns.size(); }

private:
    void step();

    Journal m_journal;
    Calendar m_calendar;
    QList<RecordSort> m_textColumns;
    qsizetype m_stage = 0; // 0: search texts; then one stage per text column
    qsizetype m_next = 0;  // the next record of the stage
    bool m_scheduled = false;
};
