#pragma once

#include "model/Model.h"

#include <QList>
#include <QObject>

#include <functional>
#include <optional>

class AppRouter;
class AppStore;
class QAction;

// The application's own menu commands: adding records and journals, CSV import and export, the journal
// screen's tab and the journal settings. They work on the journal selected in the sidebar, looked up
// afresh for every title, enabled state and action, and act only through the router. Every action
// first brings the window forward.
class AppCommands : public QObject {
    Q_OBJECT
public:
    AppCommands(AppStore& store, AppRouter& router, std::function<void()> openWindow,
                QObject* parent = nullptr);

    // The three command groups in menu order; separators are actions too.
    const QList<QAction*>& newItemGroup() const { return m_newItemGroup; }           // File menu
    const QList<QAction*>& importExportGroup() const { return m_importExportGroup; } // File menu
    const QList<QAction*>& viewGroup() const { return m_viewGroup; }                 // View menu

    QAction* primaryAdd() const { return m_primaryAdd; }
    QAction* singleRecord() const { return m_singleRecord; }
    QAction* newJournal() const { return m_newJournal; }
    QAction* importCSV() const { return m_importCSV; }
    QAction* exportCSV() const { return m_exportCSV; }
    QAction* dashboardTab() const { return m_dashboardTab; }
    QAction* recordsTab() const { return m_recordsTab; }
    QAction* journalSettings() const { return m_journalSettings; }

    // Re-reads titles and enabled states; runs on every change of the journals or the selection.
    void refresh();
    // The sidebar command's title follows whether the window shows the sidebar.
    void setSidebarShown(bool shown);

signals:
    // The sidebar command was chosen: the window hides a shown sidebar and shows a hidden one.
    void toggleSidebarRequested();

private:
    std::optional<Journal> currentJournal() const;
    QAction* command(const QString& title, const QKeySequence& keys, std::function<void()> action);
    QAction* journalCommand(const QString& title, const QKeySequence& keys,
                            std::function<void(const Journal&)> action);
    QAction* separator();

    AppStore& m_store;
    AppRouter& m_router;
    std::function<void()> m_openWindow;

    QAction* m_primaryAdd = nullptr;
    QAction* m_singleRecord = nullptr;
    QAction* m_newJournal = nullptr;
    QAction* m_importCSV = nullptr;
    QAction* m_exportCSV = nullptr;
    QAction* m_dashboardTab = nullptr;
    QAction* m_recordsTab = nullptr;
    QAction* m_journalSettings = nullptr;
    QAction* m_toggleSidebar = nullptr;
    QList<QAction*> m_journalBound;
    QList<QAction*> m_newItemGroup;
    QList<QAction*> m_importExportGroup;
    QList<QAction*> m_viewGroup;
};
