#pragma once

#include <QCollatorSortKey>
#include <QString>
#include <QStringView>

// The natural order of texts shown to the user: Russian collation, letter case ignored, runs of digits
// compared by their value ("Заказ 2" before "Заказ 10", "апрель" the same as "Апрель").
// An empty text comes before every other text.

// Negative, zero or positive as a comes before, with or after b.
int naturalCompare(QStringView a, QStringView b);

// A precomputed key whose order is naturalCompare's order: sorting many texts compares bytes instead of
// running the collation again for every pair.
class NaturalSortKey {
public:
    explicit NaturalSortKey(const QString& text);
    int compare(const NaturalSortKey& other) const;

private:
    // The collation gives a text made only of ignorable characters the same key as the empty text;
    // naturalCompare still puts the empty text first, so the key remembers it.
    bool m_empty;
    QCollatorSortKey m_key;
};
