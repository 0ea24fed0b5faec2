#pragma once

#include "core/journal/RecordFilters.h"
#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

namespace Records {

// What the records tab's filter bar offers and what its choices store, worked out without widgets.
namespace FilterBar {

// The fields the value filter can use: the text and choice fields, in journal order.
QList<FieldDef> valueFields(const Journal& journal);
// The field whose values the value picker offers: the one the filters name, else the journal's filter
// field, else the first text or choice field; nothing when there is none.
std::optional<FieldDef> shownValueField(const Journal& journal, const RecordFilters& filters);

// The filters after the user picks a field for the value filter: that field, and every value again.
RecordFilters choosingValueField(RecordFilters filters, const QUuid& fieldID);
// The filters after the user picks a value. When the picker shows a field only because neither the
// filters nor the journal name one that exists, that field is stored too, so the value filters what the
// picker shows.
RecordFilters choosingValue(RecordFilters filters, const Journal& journal, const QString& value);

// A date field's entry in the date picker: "По полю «Дата оплаты»".
QString dateFieldTitle(const FieldDef& field);

// "Показано: 12 заказов", followed by " · 3 клиента" when the journal groups its records (groups given);
// numbers are written without grouping.
QString shownLine(const Journal& journal, qsizetype shown, std::optional<qsizetype> groups);

} // namespace FilterBar

} // namespace Records
