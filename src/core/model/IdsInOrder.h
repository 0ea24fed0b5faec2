#pragma once

#include <QList>
#include <QUuid>

// The ids of the items (journals, fields, statuses, metrics, records), in list order, repeats kept. A
// caller that only asks whether an id is there makes a QSet of them.
template <typename Items> QList<QUuid> idsInOrder(const Items& items) {
    QList<QUuid> ids;
    ids.reserve(items.size());
    for (const auto& item : items)
        ids.append(item.id);
    return ids;
}
