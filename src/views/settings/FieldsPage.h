#pragma once

#include "views/settings/ListPage.h"

// The fields page: the draft's fields with the add menu of the seven types and the minus button, and the
// editor of the selected field.
class FieldsPage : public ListPage {
    Q_OBJECT
public:
    FieldsPage(Settings::SettingsState& state, QWidget* parent);

protected:
    void removeItem() override;
    DraftPane* buildEditor(const QUuid& id) override;
};
