#include "views/settings/MetricEditor.h"

#include "views/kit/FormSection.h"
#include "views/kit/Icons.h"
#include "views/kit/TextLine.h"
#include "views/settings/ChoicePicker.h"
#include "views/settings/StatusEditor.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Settings;

MetricEditor::MetricEditor(SettingsState& state, const QUuid& metricID, QWidget* parent)
    : ItemEditor(state, &Journal::metrics, metricID, parent) {
    const MetricDef* shown = item();
    const MetricDef current = shown ? *shown : MetricDef{};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_section = new FormSection(QString(), this);
    addCountingRows(current);
    addConditionValueRow(current);
    addDisplayRows(current);
    layout->addWidget(m_section);
    layout->addStretch(1);
    bindEdits();
    sync();
}

void MetricEditor::addCountingRows(const MetricDef& current) {
    m_title = new TextLine(current.title, this);
    m_title->setObjectName(u"metricTitle"_s);
    m_section->addEditorRow(u"Название"_s, m_title);
    m_kind = new QComboBox(this);
    m_kind->setObjectName(u"metricKind"_s);
    for (MetricKind kind : allMetricKinds)
        m_kind->addItem(title(kind));
    m_section->addEditorRow(u"Что считать"_s, m_kind);
    m_sumField = addPickerRow(m_section, u"Числовое поле"_s, u"metricSumField"_s);
    m_operandA = addPickerRow(m_section, u"Показатель А"_s, u"metricOperandA"_s);
    m_operandB = addPickerRow(m_section, u"Показатель Б"_s, u"metricOperandB"_s);
    m_dateField = addPickerRow(m_section, u"Период по дате"_s, u"metricDateField"_s);
    m_statusFilter = addPickerRow(m_section, u"Только со статусом"_s, u"metricStatusFilter"_s);
    m_filterField = addPickerRow(m_section, u"Только где поле"_s, u"metricFilterField"_s);
}

void MetricEditor::addConditionValueRow(const MetricDef& current) {
    m_equals = new QWidget(this);
    auto* equalsLayout = new QHBoxLayout(m_equals);
    equalsLayout->setContentsMargins(0, 0, 0, 0);
    m_equalsPicker = new QComboBox(m_equals);
    m_equalsPicker->setObjectName(u"metricFilterValuePicker"_s);
    m_equalsText = new TextLine(current.filterValue, m_equals);
    m_equalsText->setObjectName(u"metricFilterValue"_s);
    m_equalsText->setPlaceholderText(u"значение"_s);
    equalsLayout->addWidget(m_equalsPicker);
    equalsLayout->addWidget(m_equalsText);
    m_section->addEditorRow(u"равно"_s, m_equals);
}

void MetricEditor::addDisplayRows(const MetricDef& current) {
    m_unit = new TextLine(current.unit, this);
    m_unit->setObjectName(u"metricUnit"_s);
    m_unit->setPlaceholderText(u"₽, шт, ч"_s);
    m_section->addEditorRow(u"Единица"_s, m_unit);
    m_subtitle = new TextLine(current.subtitle, this);
    m_subtitle->setObjectName(u"metricSubtitle"_s);
    m_section->addEditorRow(u"Пояснение под числом"_s, m_subtitle);

    auto* looks = new QWidget(this);
    auto* looksLayout = new QHBoxLayout(looks);
    looksLayout->setContentsMargins(0, 0, 0, 0);
    looksLayout->setSpacing(8);
    m_color = new QComboBox(looks);
    m_color->setObjectName(u"metricColor"_s);
    addColourItems(m_color, false);
    m_symbol = new QComboBox(looks);
    m_symbol->setObjectName(u"metricSymbol"_s);
    m_symbol->setFixedWidth(140);
    // The symbols alone: their names are not words the user reads.
    for (const QString& name : SettingsChoices::metricSymbols())
        m_symbol->addItem(Icons::icon(name), QString());
    auto* symbolLabel = new QLabel(u"Значок"_s, looks);
    symbolLabel->setBuddy(m_symbol);
    looksLayout->addWidget(m_color, 1);
    looksLayout->addWidget(symbolLabel);
    looksLayout->addWidget(m_symbol);
    m_section->addEditorRow(u"Цвет"_s, looks);
}

void MetricEditor::bindEdits() {
    bindText(m_title, &MetricDef::title);
    bindText(m_equalsText, &MetricDef::filterValue);
    bindText(m_unit, &MetricDef::unit);
    bindText(m_subtitle, &MetricDef::subtitle);
    bindPicker(m_sumField, &MetricDef::sumFieldID);
    bindPicker(m_operandA, &MetricDef::operandA);
    bindPicker(m_operandB, &MetricDef::operandB);
    bindPicker(m_dateField, &MetricDef::dateFieldID);
    bindPicker(m_statusFilter, &MetricDef::statusFilterID);
    bindPicker(m_filterField, &MetricDef::filterFieldID);
    connect(m_kind, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(allMetricKinds.size()))
            change([&](MetricDef& m) { m.kind = allMetricKinds[index]; });
    });
    connect(m_equalsPicker, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_equalsValues.size())
            change([&](MetricDef& m) { m.filterValue = m_equalsValues[index].value; });
    });
    connect(m_color, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(allAppColors.size()))
            change([&](MetricDef& m) { m.color = allAppColors[index]; });
    });
    connect(m_symbol, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < SettingsChoices::metricSymbols().size())
            change([&](MetricDef& m) { m.symbol = SettingsChoices::metricSymbols()[index]; });
    });
}

void MetricEditor::sync() {
    const MetricDef* found = item();
    if (!found)
        return;
    const MetricDef& m = *found;
    const Journal& draft = m_state.draft;
    const auto indexIn = [](const auto& all, const auto& value) {
        const auto it = std::find(all.begin(), all.end(), value);
        return it == all.end() ? -1 : int(it - all.begin());
    };
    for (const auto& [box, index] :
         {std::pair{m_kind, indexIn(allMetricKinds, m.kind)},
          std::pair{m_color, indexIn(allAppColors, m.color)},
          std::pair{m_symbol, indexIn(SettingsChoices::metricSymbols(), m.symbol)}}) {
        const QSignalBlocker blocker(box);
        box->setCurrentIndex(index);
    }
    m_sumField->present(SettingsChoices::sumFields(draft), m.sumFieldID);
    m_operandA->present(SettingsChoices::operands(draft, m.id), m.operandA);
    m_operandB->present(SettingsChoices::operands(draft, m.id), m.operandB);
    m_dateField->present(SettingsChoices::periodDateFields(draft), m.dateFieldID);
    m_statusFilter->present(SettingsChoices::statusFilters(draft), m.statusFilterID);
    m_filterField->present(SettingsChoices::conditionFields(draft), m.filterFieldID);

    const bool formula = isFormula(m.kind);
    m_section->setRowVisible(m_sumField, usesNumberField(m.kind));
    for (QWidget* row : {static_cast<QWidget*>(m_operandA), static_cast<QWidget*>(m_operandB)})
        m_section->setRowVisible(row, formula);
    for (QWidget* row : {m_dateField, m_statusFilter, m_filterField})
        m_section->setRowVisible(row, !formula);
    m_section->setRowVisible(m_unit, m.kind != MetricKind::ratio);
    syncConditionValue(m);
}

void MetricEditor::syncConditionValue(const MetricDef& m) {
    const std::optional<FieldDef> field = m_state.draft.field(m.filterFieldID);
    m_section->setRowVisible(m_equals, field && !isFormula(m.kind));
    if (!field)
        return;
    const std::optional<QList<SettingsChoices::ValueChoice>> values =
        SettingsChoices::conditionValues(*field);
    m_equalsPicker->setVisible(values.has_value());
    m_equalsText->setVisible(!values);
    if (!values) {
        showText(m_equalsText, m.filterValue);
        return;
    }
    const QSignalBlocker blocker(m_equalsPicker);
    if (*values != m_equalsValues) {
        m_equalsValues = *values;
        m_equalsPicker->clear();
        for (const SettingsChoices::ValueChoice& value : m_equalsValues)
            m_equalsPicker->addItem(value.title);
    }
    // A value that is none of the field's options shows as a blank picker and stays as it is.
    const auto it =
        std::find_if(m_equalsValues.cbegin(), m_equalsValues.cend(),
                     [&m](const SettingsChoices::ValueChoice& v) { return v.value == m.filterValue; });
    m_equalsPicker->setCurrentIndex(it == m_equalsValues.cend() ? -1 : int(it - m_equalsValues.cbegin()));
}
