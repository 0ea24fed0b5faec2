#include "app/dashboard/TileTexts.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace Dashboard {

QString tileSubtitle(const MetricResult& result, const Journal& journal) {
    QStringList parts;
    if (!result.metric.subtitle.isEmpty())
        parts.append(result.metric.subtitle);
    const MetricKind kind = result.metric.kind;
    const bool countsRecords =
        kind == MetricKind::count || kind == MetricKind::sum || kind == MetricKind::average;
    if (countsRecords && result.groups >= 1 && !journal.groupFields().isEmpty())
        parts.append(journal.groupNoun.counted(result.groups));
    return parts.join(u" · "_s);
}

std::optional<Comparison> comparison(double value, double previous, const MetricDef& metric) {
    const double change = value - previous;
    if (!std::isfinite(change))
        return std::nullopt; // also when either value is not finite
    // The formatter rounds at the metric's precision and writes no sign on a value that rounds to zero,
    // so a change that shows as zero is exactly one whose text equals zero's.
    const QString magnitude = Statistics::format(std::abs(change), metric);
    if (change == 0 || magnitude == Statistics::format(0, metric))
        return Comparison{Comparison::Trend::same, u"как в прошлом периоде"_s};
    const bool rise = change > 0;
    return Comparison{rise ? Comparison::Trend::up : Comparison::Trend::down,
                      (rise ? u"+"_s : u"\u2212"_s) + magnitude + u" к прошлому периоду"_s};
}

} // namespace Dashboard
