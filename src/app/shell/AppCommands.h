#pragma once

#include "app/kit/MenuTarget.h"
#include "core/model/Model.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QUuid>

#include <functional>
#include <optional>

class AppRouter;
class AppStore;
class QAction;

// The application's commands, one action each, shared by the menus, the journal screen's toolbar and the
// sidebar's context menu: adding records and journals, CSV import and export, the journal screen's tab,
// the journal settings, the sidebar, and the deletion of a journal. The commands work on the journal
// selected in the sidebar, looked up afresh for every title, enabled state and action; while a sidebar
// row's context menu exists, the commands it shows work on the journal of that row instead. All act only
// through the router, and every action first brings the window forward.
class AppCommands : public QObject {
    Q_OBJECT
public:
    // The icon of a system symbol name, for the commands the toolbar and the context menu show.
    using IconFor = std::function<QIcon(const QString& symbol)>;

    AppCommands(AppStore& store, AppRouter& router, std::function<void()> openWindow, IconFor iconFor = {},
                QObject* parent = nullptr);

    // The three command groups in menu order; separators are actions too.
    const QList<QAction*>& newItemGroup() const { return m_newItemGroup; }           // File menu
    const QList<QAction*>& importExportGroup() const { return m_importExportGroup; } // File menu
    const QList<QAction*>& viewGroup() const { return m_viewGroup; }                 // View menu

    // Shown in the toolbar too, under a short label (the icon text) and with a help text (the tooltip).
    QAction* primaryAdd() const { return m_primaryAdd; }
    QAction* singleRecord() const { return m_singleRecord; }
    QAction* newJournal() const { return m_newJournal; }
    QAction* importCSV() const { return m_importCSV; }
    // The journal's export: the File menu's, the toolbar's (which offers it only for a journal with
    // records) and the sidebar's context menu's.
    QAction* exportCSV() const { return m_exportCSV; }
    QAction* dashboardTab() const { return m_dashboardTab; }
    QAction* recordsTab() const { return m_recordsTab; }
    // The journal's settings: the View menu's, the toolbar's and the sidebar's context menu's.
    QAction* journalSettings() const { return m_journalSettings; }
    // The sidebar's context menu's deletion of its journal; the window gives it the destructive look.
    QAction* deleteJournal() const { return m_deleteJournal; }

    // The context menu of a journal's row in the sidebar: the journal's settings and export, and its
    // deletion (after a confirmation). While `menu` exists these commands work on that journal, with the
    // menu's titles and symbols and without their keys on show; then on the selected journal again.
    QList<QAction*> journalMenu(const QUuid& journalID, QObject* menu);

    // Re-reads titles and enabled states; runs on every change of the journals or the selection.
    void refresh();
    // The sidebar command's title follows whether the window shows the sidebar.
    void setSidebarShown(bool shown);

signals:
    // The sidebar command was chosen: the window hides a shown sidebar and shows a hidden one.
    void toggleSidebarRequested();

private:
    std::optional<Journal> currentJournal() const;
    // The journal a command works on: the row menu's for the commands it shows while it exists, else the
    // selected one.
    std::optional<Journal> journalOf(QAction* command) const;
    QAction* command(const QString& name, const QString& title, const QKeySequence& keys,
                     std::function<void()> action);
    QAction* journalCommand(const QString& name, const QString& title, const QKeySequence& keys,
                            std::function<void(const Journal&)> action);
    // How the toolbar shows a command: its symbol, short label and help text.
    void toolbarLook(QAction* action, const QString& symbol, const QString& label, const QString& help);
    // The row menu's look of the commands it shares with the menu bar and the toolbar, or theirs.
    void showRowMenuLook(bool rowMenu);
    QAction* separator();

    AppStore& m_store;
    AppRouter& m_router;
    std::function<void()> m_openWindow;
    IconFor m_iconFor;

    QAction* m_primaryAdd = nullptr;
    QAction* m_singleRecord = nullptr;
    QAction* m_newJournal = nullptr;
    QAction* m_importCSV = nullptr;
    QAction* m_exportCSV = nullptr;
    QAction* m_dashboardTab = nullptr;
    QAction* m_recordsTab = nullptr;
    QAction* m_journalSettings = nullptr;
    QAction* m_toggleSidebar = nullptr;
    QAction* m_deleteJournal = nullptr;
    QList<QAction*> m_journalBound;
    QList<QAction*> m_newItemGroup;
    QList<QAction*> m_importExportGroup;
    QList<QAction*> m_viewGroup;
    QList<QAction*> m_journalMenu;
    QList<QAction*> m_sharedWithRowMenu; // the row menu's commands that the menu bar shows too
    MenuTarget<QUuid> m_rowMenu;         // the journal of the row menu that exists, if any
};
