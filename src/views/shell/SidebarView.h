#pragma once

#include <QListView>
#include <QPersistentModelIndex>
#include <QUuid>
#include <QWidget>

class AppCommands;
class AppRouter;
class AppStore;
class JournalListModel;
class QMenu;

// The list view of the sidebar. A right click opens the row's context menu without moving the selection.
// A row is selected when the mouse button is released on it, and a drag carries the row it began on, so
// dragging a row to another place leaves the selection as it was. A click below the rows selects nothing.
class JournalListView : public QListView {
    Q_OBJECT
public:
    using QListView::QListView;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    QPersistentModelIndex m_pressed; // the row under a held left button, until a drag takes it
    QPoint m_pressPosition;
};

// The sidebar column: the journals in the user's order with their icons and record counts, the selection
// bound to the router, reordering by drag, a context menu per journal and the new-journal button.
class SidebarView : public QWidget {
    Q_OBJECT
public:
    SidebarView(AppStore& store, AppRouter& router, AppCommands& commands, QWidget* parent = nullptr);

    // The context menu of one journal's row, its commands working on that journal while it exists; the
    // caller owns it.
    QMenu* contextMenu(const QUuid& journalID, QWidget* parent);

private:
    void showSelection();
    void userSelected();

    AppStore& m_store;
    AppRouter& m_router;
    AppCommands& m_commands;
    JournalListModel* m_model = nullptr;
    JournalListView* m_list = nullptr;
};
