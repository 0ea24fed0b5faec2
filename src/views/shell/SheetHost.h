#pragma once

#include <QMessageBox>
#include <QObject>
#include <QPointer>

#include <optional>

class AppRouter;
class AppStore;
class FilePanels;
class SheetPresenter;

// Presents over the window whatever the router asks for — the sheets, the open and save panels, the
// question before a journal is deleted and the one alert — and clears the router's field again when they
// close. The alert waits while a sheet, panel or question is up. Once the window has first shown, it moves
// a pending migration note into the alert.
class SheetHost : public QObject {
    Q_OBJECT
public:
    // Everything opens over `content`'s window.
    SheetHost(AppStore& store, AppRouter& router, FilePanels& panels, QWidget* content);
    ~SheetHost() override;

    // How long after the window comes on screen the migration note is moved into the alert.
    static constexpr int migrationNoteDelayMs = 600;

    // The window came on screen (not restored from the task bar): a store error from loading was set
    // before anyone listened, and the migration note waits for this moment.
    void windowShown();
    // The journals changed: a sheet whose journal is gone closes, and its item is cleared.
    void dropSheetsOfMissingJournals();

private:
    template <class Item, class View>
    void syncSheet(SheetPresenter* presenter, const std::optional<Item>& item);
    void syncNewJournal();
    void openImporter();
    void openExporter();
    void syncDeleteConfirmation();
    void updateAlert();
    bool overlayUp() const;
    void moveMigrationNote();
    QWidget* window() const;

    AppStore& m_store;
    AppRouter& m_router;
    FilePanels& m_panels;
    QWidget* m_content;

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
