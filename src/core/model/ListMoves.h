#pragma once

#include <QList>

#include <algorithm>
#include <iterator>
#include <set>

// Drag-and-drop reordering of a list: the items at `positions` (order and repeats do not matter; positions
// outside the list are ignored) move, in list order, to stand before the item that was at `destination`
// (clamped to the list; the list's size means the end). Positions count before the move.
template <typename T>
QList<T> moved(const QList<T>& items, const QList<qsizetype>& positions, qsizetype destination) {
    const qsizetype count = items.size();
    std::set<qsizetype> moving;
    for (qsizetype p : positions) {
        if (p >= 0 && p < count)
            moving.insert(p);
    }
    destination = std::clamp<qsizetype>(destination, 0, count);
    QList<T> taken, rest;
    for (qsizetype i = 0; i < count; ++i)
        (moving.count(i) ? taken : rest).append(items[i]);
    // The moved items that stood above the destination no longer count once they are taken out.
    const auto at = destination - qsizetype(std::distance(moving.begin(), moving.lower_bound(destination)));
    QList<T> result = rest.first(at);
    result.append(taken);
    result.append(rest.sliced(at));
    return result;
}
