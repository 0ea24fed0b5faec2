#pragma once

#include "app/settings/SettingsChoices.h"

#include <QComboBox>

#include <optional>

class FormSection;

// A picker of an optional reference: the entry for none first, then the candidates. An id that names no
// entry shows as a blank picker. Only the user's choice is announced.
class ChoicePicker : public QComboBox {
    Q_OBJECT
public:
    explicit ChoicePicker(QWidget* parent);

    // Refills the entries when they changed and shows the bound id; announces nothing.
    void present(const QList<Settings::SettingsChoices::Choice>& choices, const std::optional<QUuid>& bound);

signals:
    void picked(const std::optional<QUuid>& id);

private:
    QList<Settings::SettingsChoices::Choice> m_choices;
};

// A picker of that object name in a new row of the section.
ChoicePicker* addPickerRow(FormSection* section, const QString& label, const QString& name);
