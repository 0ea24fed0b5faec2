#pragma once

#include "views/settings/ItemEditor.h"

class ChoicePicker;
class QComboBox;

// The editor of one status of the draft: name, colour, the date field it stamps, whether new records
// start in it, whether it also stamps the dates of the statuses before it.
class StatusEditor : public ItemEditor<StatusDef> {
    Q_OBJECT
public:
    StatusEditor(Settings::SettingsState& state, const QUuid& statusID, QWidget* parent);

    void sync() override;

private:
    QLineEdit* m_name = nullptr;
    QComboBox* m_color = nullptr;
    ChoicePicker* m_dateField = nullptr;
    QCheckBox* m_isDefault = nullptr;
    QCheckBox* m_fillsPrevious = nullptr;
};

// The colour picker's entries: each colour's dot and title, in the colours' order.
void addColourItems(QComboBox* picker, bool withDots);
