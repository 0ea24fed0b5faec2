#pragma once

#include "views/settings/ItemEditor.h"

class FormSection;
class GrowingTextEdit;
class QComboBox;

// The editor of one field of the draft: name, type, options or unit by type, prompt, table and title
// toggles, the four duplicate and grouping toggles and the CSV aliases. Built once per selected field;
// every control writes into that field at once.
class FieldEditor : public ItemEditor<FieldDef> {
    Q_OBJECT
public:
    FieldEditor(Settings::SettingsState& state, const QUuid& fieldID, QWidget* parent);

    void sync() override;

private:
    FormSection* mainSection(const FieldDef& current);
    FormSection* accountingSection();
    FormSection* csvSection(const FieldDef& current);
    void bindEdits();

    FormSection* m_main = nullptr;
    QLineEdit* m_name = nullptr;
    QComboBox* m_type = nullptr;
    GrowingTextEdit* m_options = nullptr;
    QLineEdit* m_unit = nullptr;
    QLineEdit* m_prompt = nullptr;
    QCheckBox* m_inTable = nullptr;
    QCheckBox* m_isTitle = nullptr;
    QCheckBox* m_unique = nullptr;
    QCheckBox* m_inGroup = nullptr;
    QCheckBox* m_inIdentity = nullptr;
    QCheckBox* m_perItem = nullptr;
    QLineEdit* m_aliases = nullptr;
};
