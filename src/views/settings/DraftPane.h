#pragma once

#include "app/settings/SettingsState.h"

#include <QWidget>

#include <functional>
#include <optional>

class ChoicePicker;
class GrowingTextEdit;
class QLineEdit;

// A part of the settings sheet that shows the draft and writes the user's edits into it at once.
class DraftPane : public QWidget {
    Q_OBJECT
public:
    DraftPane(Settings::SettingsState& state, QWidget* parent);

    // Shows the draft as it is now: refills pickers, shows and hides rows, redraws lists. It never writes
    // into the draft and never changes the text of a box while the user types in it.
    virtual void sync() = 0;

signals:
    // The pane wrote into the draft or the selections.
    void edited();
    // The pane named a field or a status for removal; the sheet asks the user.
    void removalAsked();

protected:
    // Applies the user's edit to the draft, then announces it.
    void write(const std::function<void(Journal&)>& apply);
    // Controls that write one of the journal's own members as the user uses them. Only the user's signals
    // are heard, so a value shown from code never writes itself back.
    void bindText(QLineEdit* box, QString Journal::*member);
    void bindText(GrowingTextEdit* box, QString Journal::*member);
    void bindPicker(ChoicePicker* picker, std::optional<QUuid> Journal::*member);

    Settings::SettingsState& m_state;
};
