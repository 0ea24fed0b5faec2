// Distinct values: the plain definition on the journal, and the journal index's, which keeps them.
#include "core/journal/JournalIndex.h"
#include "core/journal/NaturalOrder.h"
#include "core/journal/NaturalRanks.h"
#include "core/journal/TextNormalizer.h"
#include "core/model/DateFormat.h"
#include "core/model/Model.h"

#include <algorithm>
#include <numeric>
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

QStringList JournalIndex::distinctValues(const FieldDef& field) {
    for (const auto& [f, values] : m_distinct) {
        if (f == field)
            return values;
    }
    TextColumn& column = shownTexts(field, DateFormat::defaultCalendar(), true);
    const std::vector<int>& keys = column.keys(m_keys);
    // The first text met for each key, in record order.
    std::vector<int> firstMet;
    std::vector<bool> seen(size_t(m_keys.size()));
    for (int at = 0; at < count(); ++at) {
        const int text = column.idAt(at);
        if (text == 0 || seen[size_t(keys[size_t(text)])])
            continue;
        seen[size_t(keys[size_t(text)])] = true;
        firstMet.push_back(text);
    }
    std::vector<int> ranks;
    if (field.type == FieldType::number || field.type == FieldType::date ||
        field.type == FieldType::checkbox) {
        std::vector<QString> texts;
        texts.reserve(firstMet.size());
        for (const int text : firstMet)
            texts.push_back(column.texts().text(text));
        ranks = naturalRanks(texts);
    } else {
        const std::vector<int>& all = column.ranks();
        for (const int text : firstMet)
            ranks.push_back(all[size_t(text)]);
    }
    std::vector<size_t> order(firstMet.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return ranks[a] < ranks[b]; });
    QStringList values;
    values.reserve(qsizetype(order.size()));
    for (const size_t i : order)
        values.append(column.texts().text(firstMet[i]));
    m_distinct.emplace_back(field, values);
    return values;
}
