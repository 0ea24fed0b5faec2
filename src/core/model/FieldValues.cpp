#include "core/model/FieldValues.h"

#include <algorithm>

namespace {

// The same string, not merely the same text: both refer to the same characters.
bool sameString(const QString& stored, QStringView key) {
    return static_cast<const void*>(stored.constData()) == static_cast<const void*>(key.data()) &&
           stored.size() == key.size();
}

// The order of QStringView's operator<, code unit by code unit, written out: keys are id texts that mostly
// differ in their first unit, where a call into the general comparison costs more than the comparing.
bool lessThan(QStringView a, QStringView b) {
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        if (a[i] != b[i])
            return a[i] < b[i];
    }
    return a.size() < b.size();
}

} // namespace

FieldValues::FieldValues(std::initializer_list<std::pair<QString, FieldValue>> entries) {
    m_entries.reserve(qsizetype(entries.size()));
    for (const auto& [key, value] : entries)
        insert(key, value);
}

const FieldValues::Entry* FieldValues::entry(QStringView key) const {
    const Entry* const first = m_entries.constData();
    const Entry* const last = first + m_entries.size();
    // Keys are usually the field's shared string, and a record holds few entries: a pass comparing
    // pointers finds those without reading any text.
    for (const Entry* e = first; e != last; ++e) {
        if (sameString(e->key, key))
            return e;
    }
    const Entry* const at = first + lowerBound(key);
    return at != last && QStringView(at->key) == key ? at : nullptr;
}

qsizetype FieldValues::lowerBound(QStringView key) const {
    const Entry* const first = m_entries.constData();
    return std::lower_bound(first, first + m_entries.size(), key,
                            [](const Entry& e, QStringView k) { return lessThan(e.key, k); }) -
           first;
}

QList<QString> FieldValues::keys() const {
    QList<QString> out;
    out.reserve(m_entries.size());
    for (const Entry& e : m_entries)
        out.append(e.key);
    return out;
}

void FieldValues::insert(const QString& key, FieldValue value) {
    (*this)[key] = std::move(value);
}

FieldValue& FieldValues::operator[](const QString& key) {
    // Values are usually added in key order (a file being read, a record being filled field by field
    // through sorted keys), so the end is tried first.
    const qsizetype n = m_entries.size();
    const qsizetype at =
        n == 0 || QStringView(std::as_const(m_entries).last().key) < QStringView(key) ? n : lowerBound(key);
    if (at < n && QStringView(std::as_const(m_entries)[at].key) == QStringView(key))
        return m_entries[at].value;
    if (at == n && n < m_entries.capacity() && m_entries.isDetached()) {
        m_entries.append(Entry{key, FieldValue{}}); // into room reserved ahead: a record being read
        return m_entries.last().value;
    }
    // Otherwise the array is made anew at exactly its new length. Records are read far more often than
    // filled, and arrays that grow ahead of their entries leave a journal's records larger and farther
    // apart, which every pass over them pays for.
    QList<Entry> grown;
    grown.reserve(n + 1);
    const bool own = m_entries.isDetached();
    for (qsizetype i = 0; i <= n; ++i) {
        if (i == at)
            grown.append(Entry{key, FieldValue{}});
        if (i == n)
            break;
        if (own)
            grown.append(std::move(m_entries[i]));
        else
            grown.append(std::as_const(m_entries)[i]);
    }
    m_entries = std::move(grown);
    return m_entries[at].value;
}

qsizetype FieldValues::remove(QStringView key) {
    const Entry* e = entry(key);
    if (!e)
        return 0;
    m_entries.remove(e - m_entries.constData());
    return 1;
}

bool operator==(const FieldValues& a, const FieldValues& b) {
    const qsizetype n = a.m_entries.size();
    if (n != b.m_entries.size())
        return false;
    const FieldValues::Entry* x = a.m_entries.constData();
    const FieldValues::Entry* y = b.m_entries.constData();
    if (x == y)
        return true;
    for (qsizetype i = 0; i < n; ++i) {
        if (!(sameString(x[i].key, y[i].key) || x[i].key == y[i].key) || !(x[i].value == y[i].value))
            return false;
    }
    return true;
}
