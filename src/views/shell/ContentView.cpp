#include "views/shell/ContentView.h"

#include "app/AppRouter.h"
#include "app/FilePanels.h"
#include "app/ShellRules.h"
#include "app/importing/ImportFile.h"
#include "core/store/Store.h"
#include "views/importing/ImportPreviewView.h"
#include "views/kit/Dialogs.h"
#include "views/kit/Style.h"
#include "views/kit/WaitCursor.h"
#include "views/records/BatchAddView.h"
#include "views/records/RecordEditorView.h"
#include "views/settings/JournalSettingsView.h"
#include "views/shell/JournalDetailView.h"
#include "views/shell/NewJournalView.h"
#include "views/shell/SheetPresenter.h"
#include "views/shell/SidebarView.h"
#include "views/shell/WelcomeView.h"

#include <QMessageBox>
#include <QShowEvent>
#include <QSplitter>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

const QSize minimumWindow(1050, 680);
constexpr int sidebarMinimum = 240;
constexpr int sidebarIdeal = 270;

// The new-journal sheet has a flag, not an item; while the flag is up it is always this one sheet.
const QUuid newJournalSheetID = QUuid::fromString(u"{6f1c1e52-3d0b-4b0e-9a57-3a2f4f3c2b10}"_s);

} // namespace

ContentView::ContentView(AppStore& store, AppRouter& router, AppCommands& commands, FilePanels& panels,
                         QSettings& settings, QWidget* parent)
    : QWidget(parent), m_store(store), m_router(router), m_panels(panels) {
    setMinimumSize(minimumWindow);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setHandleWidth(1);
    m_splitter->setStyleSheet(
        u"QSplitter::handle { background: %1; }"_s.arg(Style::separator(this).name(QColor::HexArgb)));
    m_sidebar = new SidebarView(store, router, commands, m_splitter);
    m_sidebar->setMinimumWidth(sidebarMinimum);
    m_detailStack = new QStackedWidget(m_splitter);
    m_welcome = new WelcomeView(router, m_detailStack);
    m_detail = new JournalDetailView(store, router, commands, settings, m_detailStack);
    m_detailStack->addWidget(m_welcome);
    m_detailStack->addWidget(m_detail);
    m_splitter->addWidget(m_sidebar);
    m_splitter->addWidget(m_detailStack);
    // The detail column takes the width the sidebar leaves, whatever its content would like: a long title
    // there is cut short rather than narrowing the sidebar or widening the window.
    m_detailStack->setMinimumWidth(minimumWindow.width() - sidebarMinimum - m_splitter->handleWidth());
    m_splitter->setCollapsible(0, true);
    m_splitter->setCollapsible(1, false);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_sidebarWidth = sidebarIdeal;
    m_splitter->setSizes({sidebarIdeal, 1440 - sidebarIdeal});
    connect(m_splitter, &QSplitter::splitterMoved, this, &ContentView::dividerMoved);
    layout->addWidget(m_splitter);

    const auto afterClose = [this] { updateAlert(); };
    m_newJournal = new SheetPresenter([this] { m_router.setShowNewJournal(false); }, afterClose, this);
    m_editor = new SheetPresenter([this] { m_router.setEditor(std::nullopt); }, afterClose, this);
    m_batch = new SheetPresenter([this] { m_router.setBatch(std::nullopt); }, afterClose, this);
    m_importPreview =
        new SheetPresenter([this] { m_router.setImportPreview(std::nullopt); }, afterClose, this);
    m_settings = new SheetPresenter([this] { m_router.setSettings(std::nullopt); }, afterClose, this);

    m_journalIDs = journalIDs(m_store.journals());
    connect(&m_store, &AppStore::journalsChanged, this, &ContentView::journalsChanged);
    connect(&m_store, &AppStore::lastErrorChanged, this, &ContentView::updateAlert);
    connect(&m_router, &AppRouter::messageChanged, this, &ContentView::updateAlert);
    connect(&m_router, &AppRouter::selectedJournalIDChanged, this, &ContentView::refreshDetail);
    connect(&m_router, &AppRouter::showNewJournalChanged, this, &ContentView::syncNewJournal);
    connect(&m_router, &AppRouter::editorChanged, this, &ContentView::syncEditor);
    connect(&m_router, &AppRouter::batchChanged, this, &ContentView::syncBatch);
    connect(&m_router, &AppRouter::importPreviewChanged, this, &ContentView::syncImportPreview);
    connect(&m_router, &AppRouter::settingsChanged, this, &ContentView::syncSettings);
    connect(&m_router, &AppRouter::showImporterChanged, this, &ContentView::openImporter);
    connect(&m_router, &AppRouter::showExporterChanged, this, &ContentView::openExporter);
    connect(&m_router, &AppRouter::pendingDeleteJournalIDChanged, this, &ContentView::syncDeleteConfirmation);
    refreshDetail();
}

ContentView::~ContentView() = default;

QDialog* ContentView::settingsSheet() const {
    return m_settings->dialog();
}

void ContentView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A window restored from the task bar is not a new appearance.
    if (event->spontaneous())
        return;
    fixSelection();
    // A store error from loading was set before anyone listened: show it now.
    updateAlert();
    QTimer::singleShot(migrationNoteDelayMs, this, &ContentView::moveMigrationNote);
}

void ContentView::setSidebarShown(bool shown) {
    if (shown == m_sidebarShown)
        return;
    const QList<int> sizes = m_splitter->sizes();
    const int total = sizes.value(0) + sizes.value(1);
    if (!shown)
        m_sidebarWidth = sizes.value(0);
    m_splitter->setSizes(shown ? QList<int>{m_sidebarWidth, total - m_sidebarWidth} : QList<int>{0, total});
    m_sidebarShown = shown;
    emit sidebarShownChanged(shown);
}

void ContentView::dividerMoved() {
    const int width = m_splitter->sizes().value(0);
    if (width > 0)
        m_sidebarWidth = width;
    if ((width > 0) != m_sidebarShown) {
        m_sidebarShown = width > 0;
        emit sidebarShownChanged(m_sidebarShown);
    }
}

void ContentView::fixSelection() {
    m_router.setSelectedJournalID(repairedSelection(m_store.journals(), m_router.selectedJournalID()));
}

void ContentView::journalsChanged() {
    const QList<QUuid> ids = journalIDs(m_store.journals());
    if (ids != m_journalIDs) {
        m_journalIDs = ids;
        fixSelection();
        dropSheetsOfMissingJournals();
    }
    refreshDetail();
}

void ContentView::refreshDetail() {
    const std::optional<Journal> journal = m_store.journal(m_router.selectedJournalID());
    if (journal) {
        m_detail->setJournal(*journal);
        m_detailStack->setCurrentWidget(m_detail);
    } else {
        m_detailStack->setCurrentWidget(m_welcome);
        m_detail->clearJournal();
    }
    // Qt reads "[*]" in a window title as the mark of unsaved changes and drops it; "[*][*]" shows one.
    window()->setWindowTitle(mainWindowTitle(journal).replace(u"[*]"_s, u"[*][*]"_s));
}

void ContentView::dropSheetsOfMissingJournals() {
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

void ContentView::syncNewJournal() {
    m_newJournal->sync(m_router.showNewJournal() ? std::optional(newJournalSheetID) : std::nullopt,
                       [this] { return new NewJournalView(m_store, m_router, window()); });
}

void ContentView::syncEditor() {
    const std::optional<EditorItem> item = m_router.editor();
    m_editor->sync(item ? std::optional(item->id) : std::nullopt, [this, item]() -> QDialog* {
        const std::optional<Journal> journal = m_store.journal(item->journalID);
        if (!journal)
            return nullptr;
        return new RecordEditorView(m_store, m_router, *journal, *item, window());
    });
}

void ContentView::syncBatch() {
    const std::optional<BatchItem> item = m_router.batch();
    m_batch->sync(item ? std::optional(item->id) : std::nullopt, [this, item]() -> QDialog* {
        const std::optional<Journal> journal = m_store.journal(item->journalID);
        if (!journal)
            return nullptr;
        return new BatchAddView(m_store, m_router, *journal, *item, window());
    });
}

void ContentView::syncImportPreview() {
    const std::optional<ImportPreviewItem>& item = m_router.importPreview();
    m_importPreview->sync(item ? std::optional(item->id) : std::nullopt, [this]() -> QDialog* {
        const std::optional<ImportPreviewItem>& current = m_router.importPreview();
        const std::optional<Journal> journal = m_store.journal(current->journalID);
        if (!journal)
            return nullptr;
        return new ImportPreviewView(m_store, m_router, *journal, *current, window());
    });
}

void ContentView::syncSettings() {
    const std::optional<SettingsItem> item = m_router.settings();
    m_settings->sync(item ? std::optional(item->id) : std::nullopt, [this, item]() -> QDialog* {
        const std::optional<Journal> journal = m_store.journal(item->journalID);
        if (!journal)
            return nullptr;
        return new JournalSettingsView(m_store, m_router, *journal, window());
    });
}

void ContentView::openImporter() {
    if (!m_router.showImporter() || m_importerOpen)
        return;
    m_importerOpen = true;
    QPointer<ContentView> self(this);
    m_panels.openFile(window(), [self](const QString& path) {
        if (!self)
            return;
        self->m_importerOpen = false;
        self->m_router.setShowImporter(false);
        if (!path.isEmpty())
            self->handleImport(path);
        self->updateAlert();
    });
}

void ContentView::handleImport(const QString& path) {
    // The target is read when the panel answers: a journal deleted meanwhile gets nothing, and no notice.
    const std::optional<Journal> target = m_store.journal(m_router.importTargetID());
    if (!target)
        return;
    importing::ImportOutcome outcome = [&] {
        const WaitCursor wait;
        return importing::readImportFile(path, *target, m_router.calendar(), m_router.clock());
    }();
    if (auto* item = std::get_if<ImportPreviewItem>(&outcome))
        m_router.setImportPreview(std::move(*item));
    else
        m_router.setMessage(std::get<QString>(outcome), AppRouter::MessageKind::failure);
}

void ContentView::openExporter() {
    if (!m_router.showExporter() || m_exporterOpen)
        return;
    m_exporterOpen = true;
    QPointer<ContentView> self(this);
    m_panels.saveFile(window(), m_router.exportName(), [self](const QString& path) {
        if (!self)
            return;
        self->m_exporterOpen = false;
        self->m_router.setShowExporter(false);
        if (!path.isEmpty()) {
            // The panel only names the file; the export counts as saved once the file is really written.
            const std::optional<QString> failure = self->m_router.exportDocument().write(path);
            if (failure)
                self->m_router.setMessage(exportFailedMessage(*failure), AppRouter::MessageKind::failure);
            else
                self->m_router.setMessage(exportSavedMessage(path));
        }
        self->updateAlert();
    });
}

void ContentView::syncDeleteConfirmation() {
    const std::optional<QUuid> pending = m_router.pendingDeleteJournalID();
    if (!pending) {
        if (m_deleteBox)
            m_deleteBox->done(QMessageBox::Cancel);
        return;
    }
    const QString title = deleteJournalTitle(m_store.journal(pending));
    if (m_deleteBox) {
        m_deleteBox->setText(title);
        return;
    }
    QMessageBox* box =
        Dialogs::question(window(),
                          {.title = title,
                           .text = deleteJournalMessage(),
                           .action = u"Удалить журнал"_s,
                           .actionRole = QMessageBox::DestructiveRole,
                           // The title names the journal and its size; the window keeps the
                           // application's name.
                           .windowTitle = productName},
                          [this] {
                              // The question is over: an alert the deletion raises shows at once.
                              m_deleteBox = nullptr;
                              if (const std::optional<QUuid> id = m_router.pendingDeleteJournalID()) {
                                  const WaitCursor wait = WaitCursor::aroundSave(m_store);
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

bool ContentView::overlayUp() const {
    return m_newJournal->isShown() || m_editor->isShown() || m_batch->isShown() ||
           m_importPreview->isShown() || m_settings->isShown() || m_importerOpen || m_exporterOpen ||
           m_deleteBox;
}

void ContentView::updateAlert() {
    if (m_clearingAlert)
        return;
    const std::optional<AlertContent> content = alertContent(
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

void ContentView::moveMigrationNote() {
    const std::optional<QString> note = m_store.migrationNote();
    if (!note)
        return;
    m_store.setMigrationNote(std::nullopt);
    m_router.setMessage(note);
}
