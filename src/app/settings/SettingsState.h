#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <array>
#include <optional>

namespace Settings {

// The four pages of the journal settings sheet, in the order of its switch.
enum class SettingsTab { general, fields, statuses, metrics };

inline constexpr std::array<SettingsTab, 4> allSettingsTabs{SettingsTab::general, SettingsTab::fields,
                                                            SettingsTab::statuses, SettingsTab::metrics};

// The page's name in the switch ("Общее", "Поля", "Статусы", "Итоги и отчёт").
QString title(SettingsTab tab);
// The page's identity: its case name ("general"). Never stored.
QString rawValue(SettingsTab tab);

// The working state of one presentation of the settings sheet. Every edit goes into the draft, a copy of
// the journal taken when the sheet opened; nothing reaches the store before a save. Selections and pending
// removals name items by id, so reordering the lists never moves them.
struct SettingsState {
    Journal draft;
    SettingsTab tab = SettingsTab::general;
    std::optional<QUuid> selectedFieldID;
    std::optional<QUuid> selectedStatusID;
    std::optional<QUuid> selectedMetricID;
    // The item waiting for the user's confirmation of its removal, as it stood when the removal was asked.
    std::optional<FieldDef> fieldToDelete;
    std::optional<StatusDef> statusToDelete;
    // The message of the last failed save; it stays until the next save.
    std::optional<QString> validationError;

    // The state of a fresh presentation: the journal as the draft, records included; the first field,
    // status and metric selected.
    explicit SettingsState(const Journal& journal);

    // New items go last and are selected. Names may repeat; the save judges them.
    void addField(FieldType type);
    void addStatus();
    // The first date field of the draft counts the new metric's period.
    void addMetric();

    // Removal takes every item with that id out of the draft and selects the first remaining item, whichever
    // was selected before. The records are left as they are: the store cleans them when the settings are
    // saved.
    void removeField(const FieldDef& field);
    void removeStatus(const StatusDef& status);
    // A metric goes at once, without confirmation; operands and the report template that named it stay.
    void removeSelectedMetric();
};

// The first item of a list with that id; null when none has it.
template <typename Item> Item* findByID(QList<Item>& items, const std::optional<QUuid>& id) {
    if (!id)
        return nullptr;
    for (Item& item : items) {
        if (item.id == *id)
            return &item;
    }
    return nullptr;
}

// The defaults of new items.
FieldDef newField(FieldType type);
StatusDef newStatus();
MetricDef newMetric(const Journal& draft);

} // namespace Settings
