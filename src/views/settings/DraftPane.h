#pragma once

#include "app/settings/SettingsState.h"

#include <QWidget>

// A part of the settings sheet that shows the draft and writes the user's edits into it at once.
class DraftPane : public QWidget {
    Q_OBJECT
public:
    DraftPane(settings::SettingsState& state, QWidget* parent);

    // Shows the draft as it is now: refills pickers, shows and hides rows, redraws lists. It never writes
    // into the draft and never changes the text of a box while the user types in it.
    virtual void sync() = 0;

signals:
    // The pane wrote into the draft or the selections.
    void edited();
    // The pane named a field or a status for removal; the sheet asks the user.
    void removalAsked();

protected:
    settings::SettingsState& m_state;
};
