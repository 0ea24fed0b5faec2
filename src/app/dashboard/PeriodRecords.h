#pragma once

#include "core/journal/RecordFilters.h"
#include "core/model/Model.h"
#include "core/statistics/ReportPeriod.h"

#include <QString>

#include <optional>

namespace Dashboard {

// The dashboard's way to the records of its period: the records tab filtered by the date field the first
// metric counts by.

// That field: the first metric's date field when the journal still has it; later metrics are not asked.
std::optional<FieldDef> periodDateField(const Journal& journal);
// "Записи за период (дата оплаты)".
QString periodRecordsTitle(const FieldDef& field);
// Fresh filters (`defaults`) narrowed to the period's days by the field; all time keeps the defaults.
// The filter's end is the period's last second, so the records tab's day range ends on its last day.
RecordFilters periodFilters(const FieldDef& field, const std::optional<DateInterval>& interval,
                            RecordFilters defaults);

} // namespace Dashboard
