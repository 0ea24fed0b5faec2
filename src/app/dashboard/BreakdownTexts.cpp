#include "app/dashboard/BreakdownTexts.h"

#include "core/model/NumberFormat.h"

using namespace Qt::StringLiterals;

namespace Dashboard {

QList<FieldDef> breakdownCandidates(const Journal& journal) {
    QList<FieldDef> candidates;
    for (const FieldDef& field : journal.fields) {
        if (field.type == FieldType::text || field.type == FieldType::choice)
            candidates.append(field);
    }
    return candidates;
}

std::optional<FieldDef> breakdownField(const Journal& journal, const std::optional<QUuid>& picked) {
    if (journal.metrics.isEmpty())
        return std::nullopt;
    if (auto field = journal.field(picked ? picked : journal.breakdownFieldID))
        return field;
    const QList<FieldDef> candidates = breakdownCandidates(journal);
    if (candidates.isEmpty())
        return std::nullopt;
    return candidates.first();
}

QString breakdownCell(const QList<double>& values, qsizetype position, const QList<MetricDef>& metrics) {
    const double value = values.value(position);
    if (position < metrics.size())
        return Statistics::format(value, metrics[position]);
    return NumberFormat::display(value, QString(), 2);
}

QList<QStringList> breakdownCellShapes(const QList<BreakdownRow>& rows, const QList<MetricDef>& metrics) {
    QList<QStringList> shapes;
    QList<QList<NumberFormat::Layout>> layouts;
    for (const BreakdownRow& row : rows) {
        for (qsizetype c = 0; c < row.values.size(); ++c) {
            if (c == shapes.size()) {
                shapes.append(QStringList());
                layouts.append(QList<NumberFormat::Layout>());
            }
            // The same digit counts as breakdownCell writes.
            const int fraction = c < metrics.size() ? Statistics::fractionDigits(metrics[c]) : 2;
            const NumberFormat::Layout layout = NumberFormat::layout(row.values[c], fraction);
            if (layouts[c].contains(layout))
                continue;
            layouts[c].append(layout);
            shapes[c].append(breakdownCell(row.values, c, metrics));
        }
    }
    return shapes;
}

QString breakdownText(const QList<BreakdownRow>& rows, const FieldDef& field,
                      const QList<MetricDef>& metrics) {
    QStringList lines;
    lines.reserve(rows.size() + 1);
    QStringList header{field.name};
    for (const MetricDef& metric : metrics)
        header.append(metric.title);
    lines.append(header.join(u'\t'));
    for (const BreakdownRow& row : rows) {
        QStringList cells{row.title};
        for (double value : row.values)
            cells.append(NumberFormat::string(value));
        lines.append(cells.join(u'\t'));
    }
    return lines.join(u'\n');
}

} // namespace Dashboard
