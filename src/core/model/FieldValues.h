#pragma once

#include "core/model/FieldValue.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <initializer_list>
#include <iterator>
#include <utility>

// A record's values: at most one entry per key (a field's id text), kept in ascending key order, which is
// also the order the data file lists them in. Records hold a handful of values each and are read far more
// often than changed, so the entries lie side by side in one small implicitly shared array: copying a
// record shares it until one of the copies changes, and a look-up walks a few adjacent entries instead of
// a tree of separately allocated nodes. A key that is the field's shared key text (fieldKey) is found by
// comparing pointers; any other string with the same characters finds the same entry by comparing text.
class FieldValues {
    struct Entry {
        QString key;
        FieldValue value;
    };

public:
    // Walks the entries in key order. Dereferencing gives the value, as a map's iterator does.
    class const_iterator {
    public:
        using iterator_category = std::bidirectional_iterator_tag;
        using value_type = FieldValue;
        using difference_type = std::ptrdiff_t;
        using pointer = const FieldValue*;
        using reference = const FieldValue&;

        const_iterator() = default;
        const QString& key() const { return m_entry->key; }
        const FieldValue& value() const { return m_entry->value; }
        const FieldValue& operator*() const { return m_entry->value; }
        const FieldValue* operator->() const { return &m_entry->value; }
        const_iterator& operator++() {
            ++m_entry;
            return *this;
        }
        const_iterator operator++(int) { return const_iterator(m_entry++); }
        const_iterator& operator--() {
            --m_entry;
            return *this;
        }
        const_iterator operator--(int) { return const_iterator(m_entry--); }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class FieldValues;
        explicit const_iterator(const Entry* entry) : m_entry(entry) {}
        const Entry* m_entry = nullptr;
    };
    using iterator = const_iterator;
    using key_type = QString;
    using mapped_type = FieldValue;
    using size_type = qsizetype;

    FieldValues() = default;
    // A later pair with the same key replaces an earlier one.
    FieldValues(std::initializer_list<std::pair<QString, FieldValue>> entries);

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    void clear() { m_entries.clear(); }
    // Room for `count` entries, so that filling a record with values allocates once.
    void reserve(qsizetype count) { m_entries.reserve(count); }

    const_iterator begin() const { return const_iterator(m_entries.constData()); }
    const_iterator end() const { return const_iterator(m_entries.constData() + m_entries.size()); }
    const_iterator cbegin() const { return begin(); }
    const_iterator cend() const { return end(); }

    // The entry under the key, or end().
    const_iterator find(QStringView key) const {
        const Entry* e = entry(key);
        return e ? const_iterator(e) : end();
    }
    // The value under the key, or nothing when there is no entry.
    const FieldValue* valueFor(QStringView key) const {
        const Entry* e = entry(key);
        return e ? &e->value : nullptr;
    }
    bool contains(QStringView key) const { return entry(key) != nullptr; }
    // A copy of the value under the key, or `fallback`.
    FieldValue value(QStringView key, const FieldValue& fallback = {}) const {
        const Entry* e = entry(key);
        return e ? e->value : fallback;
    }
    // The keys in ascending order.
    QList<QString> keys() const;

    // Adds the entry, or replaces the value of the one whose key has the same text.
    void insert(const QString& key, FieldValue value);
    // The entry under the key, made empty first when there is none.
    FieldValue& operator[](const QString& key);
    // Removes the entry under the key; the number of entries removed (0 or 1).
    qsizetype remove(QStringView key);
    // Removes every entry for which `pred(iterator)` is true; the number removed.
    template <typename Predicate> qsizetype removeIf(Predicate pred) {
        return m_entries.removeIf([&pred](const Entry& e) { return pred(const_iterator(&e)); });
    }

    // Equal when both hold the same keys (as text) with equal values, however each is stored.
    friend bool operator==(const FieldValues& a, const FieldValues& b);
    // Whether the two are copies that still share their entries, and so hold the same without a look at
    // them.
    bool isSharedWith(const FieldValues& other) const { return m_entries.isSharedWith(other.m_entries); }

private:
    const Entry* entry(QStringView key) const;
    // The position of the first entry whose key is not below `key`.
    qsizetype lowerBound(QStringView key) const;

    QList<Entry> m_entries;
};
