#pragma once

#include <QDateTime>
#include <QList>

#include <random>

// The random choices of generated records, all taken from one generator, so that a seed always gives the
// same records.
class Draw {
public:
    explicit Draw(std::mt19937& rng) : m_rng(rng) {}

    // A whole number from low to high, both included.
    int between(int low, int high) { return low + int(m_rng() % unsigned(high - low + 1)); }
    bool chance(int percent) { return int(m_rng() % 100) < percent; }
    // Any entry of a list; an entry that stands several times is drawn as often.
    template <typename T> const T& pick(const QList<T>& list) {
        return list[qsizetype(m_rng() % list.size())];
    }
    // Roubles from low to high in whole steps of `step`, as prices and payments are set.
    double roubles(int low, int high, int step) { return double(between(low / step, high / step) * step); }
    // A moment some whole days after `from`, a few hours into that day's work: a step that follows another.
    QDateTime later(const QDateTime& from, int minDays, int maxDays) {
        const qint64 days = between(minDays, maxDays);
        return from.addSecs(days * 86'400 + between(10 * 60, 6 * 3600));
    }

private:
    std::mt19937& m_rng;
};
