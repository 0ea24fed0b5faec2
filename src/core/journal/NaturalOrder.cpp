#include "core/journal/NaturalOrder.h"

#include <QCollator>
#include <QLocale>

namespace {

// One collator per thread: building one is costly, and a collator must not be shared between threads.
QCollator& collator() {
    thread_local QCollator instance = [] {
        QCollator c{QLocale(QLocale::Russian, QLocale::Russia)};
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return instance;
}

} // namespace

int naturalCompare(QStringView a, QStringView b) {
    if (a.isEmpty() || b.isEmpty())
        return int(!a.isEmpty()) - int(!b.isEmpty());
    return collator().compare(a, b);
}

NaturalSortKey::NaturalSortKey(const QString& text)
    : m_empty(text.isEmpty()), m_key(collator().sortKey(text)) {}

int NaturalSortKey::compare(const NaturalSortKey& other) const {
    if (m_empty || other.m_empty)
        return int(!m_empty) - int(!other.m_empty);
    return m_key.compare(other.m_key);
}
