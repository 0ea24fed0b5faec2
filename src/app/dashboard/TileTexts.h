#pragma once

#include "core/model/Model.h"
#include "core/statistics/Statistics.h"

#include <QString>

#include <optional>

namespace Dashboard {

// What a metric tile writes under its value.

// The metric's subtitle and, for counts, sums and averages of a journal with group fields, how many
// groups the counted records belong to ("3 клиента"), joined by " · ". Empty when neither applies.
QString tileSubtitle(const MetricResult& result, const Journal& journal);

// How a value compares with the period before.
struct Comparison {
    enum class Trend { down, same, up };

    Trend trend = Trend::same;
    QString
        text; // "+1 500 ₽ к прошлому периоду", "как в прошлом периоде"

    bool operator==(const Comparison&) const = default;
};

// A change too small to show at the metric's precision (0.001 ₽, float noise between two sums of the
// same amounts) reads as no change rather than as "+0 ₽". Nothing when either value, or the change, went
// past the largest number: such a value shows as "—", and two of them are no more equal than they are
// different.
std::optional<Comparison> comparison(double value, double previous, const MetricDef& metric);

} // namespace Dashboard
