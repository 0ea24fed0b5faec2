#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QString>

namespace Dashboard {

// The dashboard's footer: the list of the application's keys and the paragraph on how metrics count.

struct KeyHelp {
    QString keys;        // as the platform writes them: "Ctrl+Shift+C"
    QString description; // "скопировать отчёт"

    bool operator==(const KeyHelp&) const = default;
};

// The fourteen keys in the order the footer lists them, read from the one table of keys.
QList<KeyHelp> dashboardKeys();

// How one metric counts: "«Выручка» — по полю «Дата оплаты»", "«Т» — по дате добавления записи", or
// what a formula combines: "«Прибыль» = «Доходы» − «Расходы»", a ratio with " × 100 %"; "?" stands for an
// operand that names no metric.
QString metricNote(const MetricDef& metric, const Journal& journal);

// The journal's hint, then "Показатели считаются за период: " and the notes of all metrics; empty parts
// are left out (a hint of blanks is not empty).
QString notesParagraph(const Journal& journal);

} // namespace Dashboard
