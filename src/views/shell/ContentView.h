#pragma once

#include <QList>
#include <QMessageBox>
#include <QPointer>
#include <QUuid>
#include <QWidget>

class AppCommands;
class AppRouter;
class AppStore;
class FilePanels;
class JournalDetailView;
class QSettings;
class QSplitter;
class QStackedWidget;
class SheetPresenter;
class SidebarView;
class WelcomeView;

// The content of the window: the sidebar beside the selected journal's screen (or the welcome screen).
// It alone presents what the router asks for — the sheets, the open and save panels, the confirmation
// before a journal is deleted and the one alert — and clears the router's field again when they close.
// It keeps the selection on an existing journal and moves a pending migration note into the alert
// shortly after it first comes on screen.
class ContentView : public QWidget {
    Q_OBJECT
public:
    ContentView(AppStore& store, AppRouter& router, AppCommands& commands, FilePanels& panels,
                QSettings& settings, QWidget* parent = nullptr);
    ~ContentView() override;

    // How long after coming on screen the migration note is moved into the alert.
    static constexpr int migrationNoteDelayMs = 600;

    // The user may hide the sidebar (the View menu's command, or by dragging the divider to the edge) and
    // show it again at its former width. Held for the run only.
    bool sidebarShown() const { return m_sidebarShown; }
    void setSidebarShown(bool shown);

    SidebarView* sidebar() const { return m_sidebar; }
    JournalDetailView* detail() const { return m_detail; }
    QMessageBox* deleteConfirmation() const { return m_deleteBox; }
    QDialog* settingsSheet() const;

signals:
    void sidebarShownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fixSelection();
    void journalsChanged();
    void refreshDetail();
    void dropSheetsOfMissingJournals();
    void syncNewJournal();
    void syncEditor();
    void syncBatch();
    void syncImportPreview();
    void syncSettings();
    void openImporter();
    void handleImport(const QString& path);
    void openExporter();
    void syncDeleteConfirmation();
    void updateAlert();
    bool overlayUp() const;
    void moveMigrationNote();
    void dividerMoved();

    AppStore& m_store;
    AppRouter& m_router;
    FilePanels& m_panels;
    QList<QUuid> m_journalIDs;

    QSplitter* m_splitter = nullptr;
    SidebarView* m_sidebar = nullptr;
    QStackedWidget* m_detailStack = nullptr;
    WelcomeView* m_welcome = nullptr;
    JournalDetailView* m_detail = nullptr;
    bool m_sidebarShown = true;
    int m_sidebarWidth = 0; // the width to show a hidden sidebar at

    SheetPresenter* m_newJournal = nullptr;
    SheetPresenter* m_editor = nullptr;
    SheetPresenter* m_batch = nullptr;
    SheetPresenter* m_importPreview = nullptr;
    SheetPresenter* m_settings = nullptr;
    bool m_importerOpen = false;
    bool m_exporterOpen = false;
    QPointer<QMessageBox> m_deleteBox;
    QPointer<QMessageBox> m_alert;
    bool m_clearingAlert = false;
};
