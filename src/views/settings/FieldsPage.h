#pragma once

#include "views/settings/ListPage.h"

class FieldEditor;

// The fields page: the draft's fields with the add menu of the seven types and the minus button, and the
// editor of the selected field.
class FieldsPage : public ListPage {
    Q_OBJECT
public:
    FieldsPage(settings::SettingsState& state, QWidget* parent);

    // The editor of the selected field; null while none is selected.
    FieldEditor* editor() const;

protected:
    void removeItem() override;
    DraftPane* buildEditor(const QUuid& id) override;
};
