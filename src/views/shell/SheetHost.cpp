#include "views/shell/SheetHost.h"

#include "app/AppRouter.h"
#include "app/shell/ShellRules.h"
#include "core/store/AppStore.h"
#include "views/importing/ImportFlow.h"
#include "views/importing/ImportPreviewView.h"
#include "views/kit/Dialogs.h"
#include "views/kit/WaitCursor.h"
#include "views/records/BatchAddView.h"
#include "views/records/RecordEditorView.h"
#include "views/settings/JournalSettingsView.h"
#include "views/shell/FilePanels.h"
#include "views/shell/NewJournalView.h"
#include "views/shell/SheetPresenter.h"

#include <QTimer>

#include <type_traits>

using namespace Qt::StringLiterals;

namespace {

// The new-journal sheet has a flag, not an item; while the flag is up it is always this one sheet.
const QUuid newJournalSheetID = QUuid::fromString(u"{6f1c1e52-3d0b-4b0e-9a57-3a2f4f3c2b10}"_s);

} // namespace

SheetHost::SheetHost(AppStore& store, AppRouter& router, FilePanels& panels, QWidget* content)
    : QObject(content), m_store(store), m_router(router), m_panels(panels), m_content(content) {
    const auto afterClose = [this] { updateAlert(); };
    m_newJournal = new SheetPresenter(
        u"newJournalSheet"_s, [this] { m_router.setShowNewJournal(false); }, afterClose, this);
    m_editor = new SheetPresenter(
        u"editorSheet"_s, [this] { m_router.setEditor(std::nullopt); }, afterClose, this);
    m_batch = new SheetPresenter(
        u"batchSheet"_s, [this] { m_router.setBatch(std::nullopt); }, afterClose, this);
    m_importPreview = new SheetPresenter(
        u"importPreviewSheet"_s, [this] { m_router.setImportPreview(std::nullopt); }, afterClose, this);
    m_settings = new SheetPresenter(
        u"settingsSheet"_s, [this] { m_router.setSettings(std::nullopt); }, afterClose, this);

    connect(&m_store, &AppStore::lastErrorChanged, this, &SheetHost::updateAlert);
    connect(&m_router, &AppRouter::messageChanged, this, &SheetHost::updateAlert);
    connect(&m_router, &AppRouter::showNewJournalChanged, this, &SheetHost::syncNewJournal);
    connect(&m_router, &AppRouter::editorChanged, this,
            [this] { syncSheet<EditorItem, RecordEditorView>(m_editor, m_router.editor()); });
    connect(&m_router, &AppRouter::batchChanged, this,
            [this] { syncSheet<BatchItem, BatchAddView>(m_batch, m_router.batch()); });
    connect(&m_router, &AppRouter::importPreviewChanged, this, [this] {
        syncSheet<ImportPreviewItem, ImportPreviewView>(m_importPreview, m_router.importPreview());
        m_router.releaseImportPreviewResult();
    });
    connect(&m_router, &AppRouter::settingsChanged, this,
            [this] { syncSheet<SettingsItem, JournalSettingsView>(m_settings, m_router.settings()); });
    connect(&m_router, &AppRouter::showImporterChanged, this, &SheetHost::openImporter);
    connect(&m_router, &AppRouter::showExporterChanged, this, &SheetHost::openExporter);
    connect(&m_router, &AppRouter::pendingDeleteJournalIDChanged, this, &SheetHost::syncDeleteConfirmation);
}

SheetHost::~SheetHost() = default;

QWidget* SheetHost::window() const {
    return m_content->window();
}

void SheetHost::windowShown() {
    updateAlert();
    QTimer::singleShot(migrationNoteDelayMs, this, &SheetHost::moveMigrationNote);
}

void SheetHost::dropSheetsOfMissingJournals() {
    const auto gone = [this](const QUuid& journalID) { return !m_store.journal(journalID).has_value(); };
    if (const auto item = m_router.editor(); item && gone(item->journalID))
        m_router.setEditor(std::nullopt);
    if (const auto item = m_router.batch(); item && gone(item->journalID))
        m_router.setBatch(std::nullopt);
    if (const auto& item = m_router.importPreview(); item && gone(item->journalID))
        m_router.setImportPreview(std::nullopt);
    if (const auto item = m_router.settings(); item && gone(item->journalID))
        m_router.setSettings(std::nullopt);
}

// The item is the router's current one; the sheet is built while this call runs, from the journal as it is
// now, or not at all when the journal is gone.
template <class Item, class View>
void SheetHost::syncSheet(SheetPresenter* presenter, const std::optional<Item>& item) {
    presenter->sync(item ? std::optional(item->id) : std::nullopt, [&]() -> QDialog* {
        const std::optional<Journal> journal = m_store.journal(item->journalID);
        if (!journal)
            return nullptr;
        // The settings sheet edits the journal itself; the others work on their item in it.
        if constexpr (std::is_constructible_v<View, AppStore&, AppRouter&, const Journal&, QWidget*>)
            return new View(m_store, m_router, *journal, window());
        else
            return new View(m_store, m_router, *journal, *item, window());
    });
}

void SheetHost::syncNewJournal() {
    m_newJournal->sync(m_router.showNewJournal() ? std::optional(newJournalSheetID) : std::nullopt,
                       [this] { return new NewJournalView(m_store, m_router, window()); });
}

void SheetHost::openImporter() {
    if (!m_router.showImporter() || m_importerOpen)
        return;
    m_importerOpen = true;
    QPointer<SheetHost> self(this);
    m_panels.openFile(window(), [self](const QString& path) {
        if (!self)
            return;
        self->m_importerOpen = false;
        self->m_router.setShowImporter(false);
        if (!path.isEmpty())
            ImportFlow::fileChosen(self->m_store, self->m_router, path);
        self->updateAlert();
    });
}

void SheetHost::openExporter() {
    if (!m_router.showExporter() || m_exporterOpen)
        return;
    m_exporterOpen = true;
    QPointer<SheetHost> self(this);
    m_panels.saveFile(window(), m_router.exportName(), [self](const QString& path) {
        if (!self)
            return;
        self->m_exporterOpen = false;
        self->m_router.setShowExporter(false);
        if (!path.isEmpty()) {
            // The panel only names the file; the export counts as saved once the file is really written.
            QString failure;
            if (!self->m_router.exportDocument().write(path, &failure))
                self->m_router.setMessage(ShellRules::exportFailedMessage(failure),
                                          AppRouter::MessageKind::failure);
            else
                self->m_router.setMessage(ShellRules::exportSavedMessage(path));
        }
        self->updateAlert();
    });
}

void SheetHost::syncDeleteConfirmation() {
    const std::optional<QUuid> pending = m_router.pendingDeleteJournalID();
    if (!pending) {
        if (m_deleteBox)
            m_deleteBox->done(QMessageBox::Cancel);
        return;
    }
    const QString title = ShellRules::deleteJournalTitle(m_store.journal(pending));
    if (m_deleteBox) {
        m_deleteBox->setText(title);
        return;
    }
    QMessageBox* box =
        Dialogs::question(window(),
                          {.title = title,
                           .text = ShellRules::deleteJournalMessage(),
                           .action = u"Удалить журнал"_s,
                           .actionRole = QMessageBox::DestructiveRole,
                           // The title names the journal and its size; the window keeps the
                           // application's name.
                           .windowTitle = ShellRules::productName},
                          [this] {
                              // The question is over: an alert the deletion raises shows at once.
                              m_deleteBox = nullptr;
                              if (const std::optional<QUuid> id = m_router.pendingDeleteJournalID()) {
                                  const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
                                  m_store.deleteJournal(*id);
                              }
                          });
    box->setObjectName(u"deleteJournalBox"_s);
    m_deleteBox = box;
    connect(box, &QDialog::finished, this, [this, box] {
        if (m_deleteBox == box)
            m_deleteBox = nullptr;
        m_router.setPendingDeleteJournalID(std::nullopt);
        updateAlert();
    });
}

bool SheetHost::overlayUp() const {
    return m_newJournal->isShown() || m_editor->isShown() || m_batch->isShown() ||
           m_importPreview->isShown() || m_settings->isShown() || m_importerOpen || m_exporterOpen ||
           m_deleteBox;
}

void SheetHost::updateAlert() {
    if (m_clearingAlert)
        return;
    const std::optional<ShellRules::AlertContent> content = ShellRules::alertContent(
        m_store.lastError(), m_router.message(), m_router.messageKind() == AppRouter::MessageKind::failure);
    if (!content) {
        if (m_alert)
            m_alert->done(QMessageBox::Ok);
        return;
    }
    const QMessageBox::Icon icon = content->warning ? QMessageBox::Warning : QMessageBox::Information;
    if (m_alert) {
        Dialogs::setText(m_alert, content->title, content->text);
        m_alert->setIcon(icon);
        return;
    }
    // Shown once nothing else is over the window; every sheet or panel that closes asks again.
    if (overlayUp())
        return;
    QMessageBox* box = Dialogs::alert(window(), content->title, content->text, icon);
    box->setObjectName(u"alert"_s);
    m_alert = box;
    connect(box, &QDialog::finished, this, [this, box] {
        if (m_alert == box)
            m_alert = nullptr;
        // Closing the alert clears both texts, whichever was shown.
        m_clearingAlert = true;
        m_store.setLastError(std::nullopt);
        m_router.setMessage(std::nullopt);
        m_clearingAlert = false;
    });
}

void SheetHost::moveMigrationNote() {
    const std::optional<QString> note = m_store.migrationNote();
    if (!note)
        return;
    m_store.setMigrationNote(std::nullopt);
    m_router.setMessage(note);
}
