// Journal: distinct values.
#include "core/journal/NaturalOrder.h"
#include "core/journal/TextNormalizer.h"
#include "core/model/Model.h"

#include <algorithm>
#include <vector>

QStringList Journal::distinctValues(const FieldDef& of) const {
    QStringList values;
    QSet<QString> seenKeys;
    for (const Record& r : records) {
        QString value = displayValue(r, of);
        if (value.isEmpty())
            continue;
        // The first form met stands for all the forms with the same comparison key.
        if (const QString key = TextNormalizer::compare(value); !seenKeys.contains(key)) {
            seenKeys.insert(key);
            values.append(std::move(value));
        }
    }
    std::vector<std::pair<NaturalSortKey, qsizetype>> order;
    order.reserve(values.size());
    for (qsizetype i = 0; i < values.size(); ++i)
        order.emplace_back(NaturalSortKey(values[i]), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first.compare(b.first) < 0; });
    QStringList sorted;
    sorted.reserve(values.size());
    for (const auto& entry : order)
        sorted.append(values[entry.second]);
    return sorted;
}
