#pragma once

#include <QList>
#include <QUuid>

// The first item with the id, without copying it; null when no item has it.
template <typename T> const T* firstWithId(const QList<T>& items, const QUuid& id) {
    for (const T& item : items) {
        if (item.id == id)
            return &item;
    }
    return nullptr;
}
