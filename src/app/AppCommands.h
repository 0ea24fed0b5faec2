#pragma once

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
// the journal settings, the sidebar, and the sidebar's journal commands. The menu and toolbar commands
// work on the journal selected in the sidebar, looked up afresh for every title, enabled state and action;
// the context menu's work on the journal of the row it was opened on. All act only through the router,
// and every action first brings the window forward.
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
    QAction* exportCSV() const { return m_exportCSV; }
    QAction* dashboardTab() const { return m_dashboardTab; }
    QAction* recordsTab() const { return m_recordsTab; }
    QAction* journalSettings() const { return m_journalSettings; }
    // The toolbar's export, which, unlike the menu's, is not offered for a journal without records.
    QAction* exportJournal() const { return m_exportJournal; }

    // The context menu of a journal's row in the sidebar, aimed at that journal: its settings, its export
    // and its deletion (after a confirmation).
    QList<QAction*> journalMenu(const QUuid& journalID);

    // Re-reads titles and enabled states; runs on every change of the journals or the selection.
    void refresh();
    // The sidebar command's title follows whether the window shows the sidebar.
    void setSidebarShown(bool shown);

signals:
    // The sidebar command was chosen: the window hides a shown sidebar and shows a hidden one.
    void toggleSidebarRequested();

private:
    std::optional<Journal> currentJournal() const;
    QAction* command(const QString& name, const QString& title, const QKeySequence& keys,
                     std::function<void()> action);
    QAction* journalCommand(const QString& name, const QString& title, const QKeySequence& keys,
                            std::function<void(const Journal&)> action);
    // A command of the context menu, on the journal the menu was last opened for, when it still exists.
    QAction* rowCommand(const QString& name, const QString& title, const QString& symbol,
                        std::function<void(const Journal&)> action);
    // How the toolbar shows a command: its symbol, short label and help text.
    void toolbarLook(QAction* action, const QString& symbol, const QString& label, const QString& help);
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
    QAction* m_exportJournal = nullptr;
    QList<QAction*> m_journalBound;
    QList<QAction*> m_newItemGroup;
    QList<QAction*> m_importExportGroup;
    QList<QAction*> m_viewGroup;
    QList<QAction*> m_journalMenu;
    QUuid m_menuJournalID;
};
