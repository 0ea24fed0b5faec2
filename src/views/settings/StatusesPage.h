#pragma once

#include "views/settings/ListPage.h"

// The statuses page: the draft's statuses in their order of work, with the add and minus buttons, and the
// editor of the selected status.
class StatusesPage : public ListPage {
    Q_OBJECT
public:
    StatusesPage(Settings::SettingsState& state, QWidget* parent);

protected:
    void addItem() override;
    void removeItem() override;
    DraftPane* buildEditor(const QUuid& id) override;
};
