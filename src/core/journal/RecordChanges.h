#pragma once

#include "core/model/Model.h"

#include <QList>

#include <vector>

// How a journal's records moved from one copy of the journal to the next: which records stayed as they
// were, and where they are now; the rest were added or changed. Whatever was derived from a record that
// stayed can be kept; only the fresh records need their values read again.
//
// Records that stayed keep their order (the store appends, changes in place and removes, and never
// reorders), so positions of records that stayed rise in the same order before and after.
struct RecordChanges {
    // For each record before: its position now, or -1 when it is gone or changed.
    std::vector<int> newPosition;
    // The positions now of the records added or changed, ascending.
    std::vector<int> fresh;

    // Nothing changed: every record stayed where it was.
    bool none() const;
    // Every record is where it was, as many as before: the fresh ones changed in their places.
    bool inPlace() const;

    // The changes from `before` to `after`. A record stays when a record with its id and equal in every
    // member is found at or after the place where the previous record that stayed was found.
    static RecordChanges between(const QList<Record>& before, const QList<Record>& after);
    // Every record of `after` fresh.
    static RecordChanges all(qsizetype before, qsizetype after);
};
