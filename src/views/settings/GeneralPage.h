#pragma once

#include "views/settings/DraftPane.h"

class ChoicePicker;
class FormSection;
class GrowingTextEdit;
class QButtonGroup;
class QLineEdit;

// The general page: the journal's name and icon, and its journal-wide options: title field, status of new
// records, noun forms, batch title, counter with its caption, list filter field and hint.
class GeneralPage : public DraftPane {
    Q_OBJECT
public:
    GeneralPage(Settings::SettingsState& state, QWidget* parent);

    void sync() override;

private:
    FormSection* journalSection(QWidget* content);
    QWidget* iconChooser(QWidget* content);
    FormSection* moreSection(QWidget* content);
    // A row of the three forms of a noun, each box writing its form at once.
    QWidget* nounRow(NounForms Journal::*noun, const QString& name);
    void bindEdits();

    FormSection* m_more = nullptr;
    QLineEdit* m_name = nullptr;
    QButtonGroup* m_icons = nullptr;
    ChoicePicker* m_titleField = nullptr;
    ChoicePicker* m_defaultStatus = nullptr;
    QLineEdit* m_batchTitle = nullptr;
    ChoicePicker* m_counterField = nullptr;
    QLineEdit* m_counterTitle = nullptr;
    ChoicePicker* m_filterField = nullptr;
    GrowingTextEdit* m_hint = nullptr;
};
