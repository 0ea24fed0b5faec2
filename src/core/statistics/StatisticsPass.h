#pragma once

#include "statistics/Statistics.h"

#include <QHashFunctions>
#include <QStringList>

#include <unordered_map>
#include <utility>
#include <vector>

namespace Statistics {

// Every metric of the journal over the given records, which are used in place of the journal's own.
// The breakdown calls it once per group without copying the group's records.
QList<MetricResult> computeOver(const Journal& journal, const std::optional<DateInterval>& interval,
                                const std::vector<const Record*>& rows);

// Tables keyed by texts that are looked up once per record. Qt's seeded string hash measured several
// times slower than the unseeded one on the processors this was tuned on, and it dominated whole
// computations; these tables live for one call, so the unseeded hash serves. Each key carries its hash,
// so walking a bucket or growing the table never hashes a text again, and unequal keys rarely compare
// their texts.
template <typename Text> struct Hashed {
    explicit Hashed(Text t) : text(std::move(t)), hash(hashOf(text)) {}

    Text text;
    std::size_t hash;

    bool operator==(const Hashed& other) const { return hash == other.hash && text == other.text; }

private:
    static std::size_t hashOf(const QString& t) { return qHash(QStringView(t), 0); }
    static std::size_t hashOf(const QStringList& texts) {
        std::size_t h = 0;
        for (const QString& t : texts)
            h = h * 31 + hashOf(t);
        return h;
    }
};

struct HashOfHashed {
    template <typename Text> std::size_t operator()(const Hashed<Text>& key) const noexcept {
        return key.hash;
    }
};

template <typename Text, typename Value>
using TextTable = std::unordered_map<Hashed<Text>, Value, HashOfHashed>;

} // namespace Statistics
