#include "views/settings/ChoicePicker.h"

#include "views/kit/FormSection.h"

#include <QSignalBlocker>

using namespace Settings;

ChoicePicker::ChoicePicker(QWidget* parent) : QComboBox(parent) {
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < m_choices.size())
            emit picked(m_choices[index].id);
    });
}

void ChoicePicker::present(const QList<SettingsChoices::Choice>& choices, const std::optional<QUuid>& bound) {
    const QSignalBlocker blocker(this);
    if (choices != m_choices) {
        m_choices = choices;
        clear();
        for (const SettingsChoices::Choice& choice : choices)
            addItem(choice.title);
    }
    int index = -1;
    for (qsizetype i = 0; i < m_choices.size(); ++i) {
        if (m_choices[i].id == bound) {
            index = int(i);
            break;
        }
    }
    setCurrentIndex(index);
}

ChoicePicker* addPickerRow(FormSection* section, const QString& label, const QString& name) {
    auto* picker = new ChoicePicker(section);
    picker->setObjectName(name);
    section->addEditorRow(label, picker);
    return picker;
}
