#pragma once

#include "app/settings/ReportPreview.h"
#include "views/settings/DraftPane.h"

#include "core/model/Calendar.h"

class ChoicePicker;
class QLabel;
class QPlainTextEdit;

// The report part of the metrics page: the breakdown field, the report template, the help on its
// placeholders and the example report of the current month, redone after every change of the draft.
class ReportEditor : public DraftPane {
    Q_OBJECT
public:
    ReportEditor(Settings::SettingsState& state, Clock clock, Calendar calendar, QWidget* parent);

    void sync() override;

private:
    Clock m_clock;
    Calendar m_calendar;
    Settings::ReportPreview m_preview;
    ChoicePicker* m_breakdownField;
    QPlainTextEdit* m_template;
    QLabel* m_example;
};
