#include "core/statistics/Statistics.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

// Report templates are free text typed by the user and read back from the data file: any text must
// render without a crash, and the short report must build from it.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const QList<double> values{3,
                               12.5,
                               -21,
                               0,
                               1e15,
                               std::numeric_limits<double>::quiet_NaN(),
                               -std::numeric_limits<double>::infinity()};
    const QString rendered = Statistics::render(text, values);
    // Only braces start placeholders: a text without one comes back as written.
    if (!text.contains(u'{') && rendered != text)
        __builtin_trap();

    Journal journal;
    journal.reportTemplate = text;
    QList<MetricResult> results;
    for (MetricKind kind : allMetricKinds)
        results.append(MetricResult{MetricDef{.kind = kind}, values[results.size()], 0});
    (void)Statistics::report(journal, results);
    return 0;
}
