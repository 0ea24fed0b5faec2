#pragma once

#include "views/settings/DraftListModel.h"
#include "views/settings/DraftPane.h"

class EditorColumn;
class ItemListColumn;
class QAction;
class QMenu;
class QVBoxLayout;

// A page of one list of the draft: the items in a reorderable list with the add and minus buttons on the
// left, the editor of the selected item on the right, at the top of the page. The page makes the buttons
// and wires them to its addItem and removeItem.
class ListPage : public DraftPane {
    Q_OBJECT
public:
    void sync() override;

protected:
    // A button's text (the minus button's is its name and its help) and its action's object name.
    struct Button {
        QString text;
        QString id;
    };

    // `selection` is the state's selection of this list; `listID` the list's object name; `note` stands
    // under the buttons (none when empty); `placeholder` shows while no item is selected.
    ListPage(Settings::SettingsState& state, DraftListModel::Items items,
             std::optional<QUuid> Settings::SettingsState::*selection, const Button& add,
             const Button& remove, const QString& listID, const QString& note, const QString& placeholder,
             QWidget* parent);

    // What the add and minus buttons do. A page whose add button opens a menu (setAddMenu) has no addItem.
    virtual void addItem() {}
    virtual void removeItem() = 0;
    // Gives the add button a menu that opens as soon as the button is pressed.
    void setAddMenu(QMenu* menu);
    // Leaves the minus button without help: its name stays for assistive technology.
    void dropRemoveHelp();

    virtual DraftPane* buildEditor(const QUuid& id) = 0;
    // The list and the editor side by side, and the page's column they stand in, for what goes under them.
    QWidget* columns() const { return m_columns; }
    QVBoxLayout* pageLayout() const { return m_layout; }

private:
    std::optional<QUuid> Settings::SettingsState::*m_selection;
    DraftListModel* m_model;
    QAction* m_add;
    QAction* m_remove;
    ItemListColumn* m_column;
    EditorColumn* m_editors;
    QWidget* m_columns;
    QVBoxLayout* m_layout;
};
