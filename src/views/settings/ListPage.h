#pragma once

#include "views/settings/DraftListModel.h"
#include "views/settings/DraftPane.h"

class EditorColumn;
class ItemListColumn;
class QAction;

// A page of one list of the draft: the items in a reorderable list with the add and minus buttons on the
// left, the editor of the selected item on the right.
class ListPage : public DraftPane {
    Q_OBJECT
public:
    ItemListColumn* column() const { return m_column; }
    void sync() override;

protected:
    // `selection` is the state's selection of this list. The add and minus actions come without a
    // command: the page gives them theirs.
    ListPage(settings::SettingsState& state, DraftListModel::Items items,
             std::optional<QUuid> settings::SettingsState::*selection, QAction* add, QAction* remove,
             const QString& note, const QString& placeholder, QWidget* parent);

    virtual DraftPane* buildEditor(const QUuid& id) = 0;
    // The editor shown; null while none is.
    DraftPane* shownEditor() const;
    // The list and the editor side by side, for the page's layout.
    QWidget* columns() const { return m_columns; }

private:
    std::optional<QUuid> settings::SettingsState::*m_selection;
    ItemListColumn* m_column;
    EditorColumn* m_editors;
    QWidget* m_columns;
};
