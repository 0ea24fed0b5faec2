#include "journal/NaturalOrder.h"
#include "journal/TextNormalizer.h"
#include "statistics/StatisticsPass.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

struct Group {
    QString key;
    QString title;
    std::vector<const Record*> rows;
};

// A strict total order on values, greater first, with not-a-number (possible after an overflow) last, so
// the sort stays well defined whatever the values are.
int compareDescending(double a, double b) {
    const bool aNan = std::isnan(a), bNan = std::isnan(b);
    if (aNan || bNan)
        return int(aNan) - int(bNan);
    return a > b ? -1 : (a < b ? 1 : 0);
}

} // namespace

namespace Statistics {

QList<BreakdownRow> breakdown(const Journal& journal, const FieldDef& field,
                              const std::optional<DateInterval>& interval) {
    if (journal.metrics.isEmpty())
        return {};
    // Groups in the order their first record appears: never an order taken from a hash.
    std::vector<Group> groups;
    TextTable<QString, qsizetype> groupOfKey;  // comparison key → group
    TextTable<QString, qsizetype> groupOfText; // display text → group: each distinct text normalised once
    for (const Record& record : journal.records) {
        const Hashed<QString> text(journal.displayValue(record, field));
        auto byText = groupOfText.find(text);
        if (byText == groupOfText.end()) {
            const QString key = TextNormalizer::compare(text.text);
            const auto [byKey, added] =
                groupOfKey.try_emplace(Hashed<QString>(key), qsizetype(groups.size()));
            if (added)
                groups.push_back(Group{key, QString(), {}});
            byText = groupOfText.emplace(text, byKey->second).first;
        }
        Group& group = groups[byText->second];
        if (group.title.isEmpty())
            group.title = text.text;
        group.rows.push_back(&record);
    }

    QList<BreakdownRow> rows;
    for (Group& group : groups) {
        BreakdownRow row{group.key, group.title.isEmpty() ? u"Не указано"_s : group.title, {}};
        row.values.reserve(journal.metrics.size());
        for (const MetricResult& result : computeOver(journal, interval, group.rows))
            row.values.append(result.value);
        if (std::all_of(row.values.cbegin(), row.values.cend(), [](double v) { return v == 0; }))
            continue;
        rows.append(std::move(row));
    }

    std::stable_sort(rows.begin(), rows.end(), [](const BreakdownRow& a, const BreakdownRow& b) {
        const qsizetype common = std::min(a.values.size(), b.values.size());
        for (qsizetype i = 0; i < common; ++i) {
            if (const int order = compareDescending(a.values[i], b.values[i]))
                return order < 0;
        }
        if (a.values.size() != b.values.size())
            return a.values.size() < b.values.size();
        return naturalCompare(a.title, b.title) < 0;
    });
    return rows;
}

} // namespace Statistics
