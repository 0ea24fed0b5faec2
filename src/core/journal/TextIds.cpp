#include "core/journal/TextIds.h"

#include <QHashFunctions>

TextIds::TextIds() {
    of(QString());
}

size_t TextIds::hashOf(const QString& text) {
    return qHash(text);
}

int TextIds::of(const QString& text, size_t hash) {
    m_slots.makeRoom(size(), [this](int id) { return m_hashes[size_t(id)]; });
    const size_t slot = m_slots.find(hash, [&](int id) { return m_texts[size_t(id)] == text; });
    if (const int id = m_slots.idAt(slot); id >= 0)
        return id;
    m_slots.put(slot, size(), hash);
    m_texts.push_back(text);
    m_hashes.push_back(hash);
    return size() - 1;
}
