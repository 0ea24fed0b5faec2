#pragma once

#include "app/settings/SettingsChoices.h"
#include "views/settings/ItemEditor.h"

class ChoicePicker;
class FormSection;
class QComboBox;

// The editor of one metric of the draft. Its rows follow the metric's kind: the number field for sums and
// averages, the two operands for formulas, the period, status and field conditions for the rest. Rows that
// hide keep their values in the draft and show them again when a kind that uses them is chosen.
class MetricEditor : public ItemEditor<MetricDef> {
    Q_OBJECT
public:
    MetricEditor(Settings::SettingsState& state, const QUuid& metricID, QWidget* parent);

    void sync() override;

private:
    // The title and kind, then the pickers of what is counted: number field, operands, conditions.
    void addCountingRows(const MetricDef& current);
    void addConditionValueRow(const MetricDef& current);
    // The unit, the line under the number, the colour and the symbol.
    void addDisplayRows(const MetricDef& current);
    void bindEdits();
    // The value row "равно": a picker of the condition field's fixed values, or a text box.
    void syncConditionValue(const MetricDef& metric);

    FormSection* m_section = nullptr;
    QLineEdit* m_title = nullptr;
    QComboBox* m_kind = nullptr;
    ChoicePicker* m_sumField = nullptr;
    ChoicePicker* m_operandA = nullptr;
    ChoicePicker* m_operandB = nullptr;
    ChoicePicker* m_dateField = nullptr;
    ChoicePicker* m_statusFilter = nullptr;
    ChoicePicker* m_filterField = nullptr;
    QWidget* m_equals = nullptr;
    QComboBox* m_equalsPicker = nullptr;
    QLineEdit* m_equalsText = nullptr;
    QList<Settings::SettingsChoices::ValueChoice> m_equalsValues;
    QLineEdit* m_unit = nullptr;
    QLineEdit* m_subtitle = nullptr;
    QComboBox* m_color = nullptr;
    QComboBox* m_symbol = nullptr;
};
