#pragma once

#include "core/model/Model.h"
#include "core/statistics/Statistics.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

namespace Dashboard {

// The dashboard's breakdown table: which field it splits by, its cells and its copy for a spreadsheet.

// The fields the breakdown's picker offers: text and choice fields, in field order.
QList<FieldDef> breakdownCandidates(const Journal& journal);
// The field to split by: the one the user picked, else the journal's breakdown field (of whatever type),
// else the first candidate. Nothing when none is left, or when the journal has no metrics to show.
std::optional<FieldDef> breakdownField(const Journal& journal, const std::optional<QUuid>& picked);

// The text of value `position` of a row: by its metric's format, or a plain grouped number when the
// journal has no metric at that position.
QString breakdownCell(const QList<double>& values, qsizetype position, const QList<MetricDef>& metrics);

// Per figure column, one cell text of each layout among the rows' figures (NumberFormat::layout): cells of
// one layout differ only in their digits, so drawn with digits of equal width they are equally wide, and
// these are all the widths a column's figures take.
QList<QStringList> breakdownCellShapes(const QList<BreakdownRow>& rows, const QList<MetricDef>& metrics);

// The table as tab-separated lines for a spreadsheet: the field's name and the metric titles, then a line
// per row of its title and plain numbers (no unit, no grouping). Lines are joined by LF with none after
// the last; texts are copied as they are.
QString breakdownText(const QList<BreakdownRow>& rows, const FieldDef& field,
                      const QList<MetricDef>& metrics);

} // namespace Dashboard
