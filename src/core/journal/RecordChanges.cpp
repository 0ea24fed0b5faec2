#include "core/journal/RecordChanges.h"

#include <QHash>

bool RecordChanges::none() const {
    if (!fresh.empty())
        return false;
    for (size_t i = 0; i < newPosition.size(); ++i) {
        if (newPosition[i] != int(i))
            return false;
    }
    return true;
}

bool RecordChanges::inPlace() const {
    size_t changed = 0;
    for (size_t i = 0; i < newPosition.size(); ++i) {
        if (newPosition[i] < 0)
            ++changed;
        else if (newPosition[i] != int(i))
            return false;
    }
    // As many records now as before: the fresh ones are exactly those that left their places.
    return changed == fresh.size();
}

RecordChanges RecordChanges::between(const QList<Record>& before, const QList<Record>& after) {
    RecordChanges changes;
    changes.newPosition.assign(size_t(before.size()), -1);
    // Lists that share their records changed nothing; comparing records that share their values is quick.
    if (before.constData() == after.constData() && before.size() == after.size()) {
        for (size_t i = 0; i < changes.newPosition.size(); ++i)
            changes.newPosition[i] = int(i);
        return changes;
    }
    QHash<QUuid, qsizetype> positions; // of the records before, made when a short search fails
    qsizetype i = 0, j = 0;
    while (j < after.size()) {
        // The record at j is looked for from i on; the records skipped on the way are gone. Not finding it
        // means it is new, and i stays.
        qsizetype k = i;
        if (i < before.size() && before[i].id != after[j].id) {
            // Most changes remove a few records or append some: look a short way ahead first.
            const qsizetype end = std::min(before.size(), i + 64);
            while (k < end && before[k].id != after[j].id)
                ++k;
            if (k == end) {
                if (positions.isEmpty()) {
                    positions.reserve(before.size());
                    for (qsizetype p = before.size() - 1; p >= 0; --p)
                        positions.insert(before[p].id, p);
                }
                k = positions.value(after[j].id, -1);
                if (k < i)
                    k = before.size();
            }
        }
        if (k < before.size() && before[k].id == after[j].id) {
            if (before[k] == after[j])
                changes.newPosition[size_t(k)] = int(j);
            else
                changes.fresh.push_back(int(j));
            i = k + 1;
        } else {
            changes.fresh.push_back(int(j));
        }
        ++j;
    }
    return changes;
}

RecordChanges RecordChanges::all(qsizetype before, qsizetype after) {
    RecordChanges changes;
    changes.newPosition.assign(size_t(before), -1);
    changes.fresh.resize(size_t(after));
    for (size_t j = 0; j < changes.fresh.size(); ++j)
        changes.fresh[j] = int(j);
    return changes;
}
