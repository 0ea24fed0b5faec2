#include "app/settings/SettingsState.h"

#include "core/model/EnumTable.h"

using namespace Qt::StringLiterals;

namespace Settings {

namespace {

template <typename Item> std::optional<QUuid> firstID(const QList<Item>& items) {
    return items.isEmpty() ? std::nullopt : std::optional(items.first().id);
}

constexpr auto tabRows = std::to_array<EnumRow<SettingsTab>>({
    {SettingsTab::general, u"general", u"Общее"},
    {SettingsTab::fields, u"fields", u"Поля"},
    {SettingsTab::statuses, u"statuses", u"Статусы"},
    {SettingsTab::metrics, u"metrics", u"Итоги и отчёт"},
});
static_assert(EnumTable::inCaseOrder(tabRows) && EnumTable::cases(tabRows) == allSettingsTabs);

} // namespace

QString title(SettingsTab tab) {
    return EnumTable::title(tabRows, tab);
}

QString rawValue(SettingsTab tab) {
    return EnumTable::rawValue(tabRows, tab);
}

SettingsState::SettingsState(const Journal& journal)
    : draft(journal), selectedFieldID(firstID(journal.fields)), selectedStatusID(firstID(journal.statuses)),
      selectedMetricID(firstID(journal.metrics)) {}

void SettingsState::addField(FieldType type) {
    draft.fields.append(newField(type));
    selectedFieldID = draft.fields.last().id;
}

void SettingsState::addStatus() {
    draft.statuses.append(newStatus());
    selectedStatusID = draft.statuses.last().id;
}

void SettingsState::addMetric() {
    draft.metrics.append(newMetric(draft));
    selectedMetricID = draft.metrics.last().id;
}

void SettingsState::removeField(const FieldDef& field) {
    draft.fields.removeIf([&field](const FieldDef& f) { return f.id == field.id; });
    selectedFieldID = firstID(draft.fields);
}

void SettingsState::removeStatus(const StatusDef& status) {
    draft.statuses.removeIf([&status](const StatusDef& s) { return s.id == status.id; });
    selectedStatusID = firstID(draft.statuses);
}

void SettingsState::removeSelectedMetric() {
    if (!selectedMetricID)
        return;
    const QUuid id = *selectedMetricID;
    draft.metrics.removeIf([&id](const MetricDef& m) { return m.id == id; });
    selectedMetricID = firstID(draft.metrics);
}

FieldDef newField(FieldType type) {
    FieldDef field;
    field.id = QUuid::createUuid();
    field.name = u"Новое поле"_s;
    field.type = type;
    // A multi-line text would make every table row tall.
    field.showInTable = type != FieldType::longText;
    return field;
}

StatusDef newStatus() {
    return StatusDef{QUuid::createUuid(), u"Новый статус"_s, AppColor::blue, std::nullopt, true};
}

MetricDef newMetric(const Journal& draft) {
    MetricDef metric;
    metric.id = QUuid::createUuid();
    metric.title = u"Новый показатель"_s;
    metric.kind = MetricKind::count;
    const QList<FieldDef> dates = draft.dateFields();
    if (!dates.isEmpty())
        metric.dateFieldID = dates.first().id;
    metric.color = AppColor::blue;
    metric.symbol = u"number"_s;
    return metric;
}

} // namespace Settings
