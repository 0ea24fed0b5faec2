#pragma once

#include "app/CSVDocument.h"
#include "app/JournalTab.h"
#include "app/SheetItems.h"

#include "core/journal/RecordFilters.h"
#include "core/model/Calendar.h"
#include "core/model/Model.h"

#include <QDate>
#include <QHash>
#include <QObject>
#include <QUuid>

#include <optional>

// The file name of a CSV export: the journal's name with every "/" made "-" (nothing else changes), then
// the suffix, "_", the day as yyyy-MM-dd and ".csv".
QString exportFileName(const QString& journalName, const QString& suffix, const QDate& day);

// The navigation state of the main window: the selected journal, the journal screen's tab, the records
// tab's filters per journal, and every request for a sheet, a file panel, the delete confirmation or a
// notice. Views set a property; the root view presents what it asks for and clears it again. Nothing of
// it is saved: every run starts from the initial values.
//
// Each property that a view redraws from has a …Changed signal. selectedJournalID, tab, filters,
// showNewJournal, showImporter, showExporter, pendingDeleteJournalID and message announce only a real
// change; editor, batch, importPreview, settings and exportDocument announce every write, and so does
// every writeFilters call. importTargetID and exportName have none: they are read when the panel they
// belong to answers or opens.
class AppRouter : public QObject {
    Q_OBJECT
public:
    explicit AppRouter(Clock clock = systemNow, Calendar calendar = Calendar::current(),
                       QObject* parent = nullptr);

    std::optional<QUuid> selectedJournalID() const { return m_selectedJournalID; }
    void setSelectedJournalID(const std::optional<QUuid>& id);

    JournalTab tab() const { return m_tab; }
    void setTab(JournalTab tab);

    // Filters of the journals whose filters were written in this run; entries are never removed.
    const QHash<QUuid, RecordFilters>& filters() const { return m_filters; }
    void setFilters(const QHash<QUuid, RecordFilters>& filters);
    // The journal's stored filters, or fresh defaults for the current month and moment (not stored).
    RecordFilters filtersFor(const QUuid& journalID) const;
    // Stores the journal's filters and always announces the change, even for an equal value.
    void writeFilters(const QUuid& journalID, const RecordFilters& filters);

    std::optional<EditorItem> editor() const { return m_editor; }
    void setEditor(const std::optional<EditorItem>& item);
    std::optional<BatchItem> batch() const { return m_batch; }
    void setBatch(const std::optional<BatchItem>& item);
    const std::optional<ImportPreviewItem>& importPreview() const { return m_importPreview; }
    void setImportPreview(const std::optional<ImportPreviewItem>& item);
    // Lets go of the import preview item's findings once its sheet holds them, so that the sheet's copy is
    // the only one and the user's choices in it never copy every row; the item still says which sheet is
    // up. Announces nothing: nothing shown changes.
    void releaseImportPreviewResult();
    std::optional<SettingsItem> settings() const { return m_settings; }
    void setSettings(const std::optional<SettingsItem>& item);

    bool showNewJournal() const { return m_showNewJournal; }
    void setShowNewJournal(bool show);
    bool showImporter() const { return m_showImporter; }
    void setShowImporter(bool show);
    std::optional<QUuid> importTargetID() const { return m_importTargetID; }
    void setImportTargetID(const std::optional<QUuid>& id);
    bool showExporter() const { return m_showExporter; }
    void setShowExporter(bool show);
    const CSVDocument& exportDocument() const { return m_exportDocument; }
    void setExportDocument(const CSVDocument& document);
    QString exportName() const { return m_exportName; }
    void setExportName(const QString& name);
    std::optional<QUuid> pendingDeleteJournalID() const { return m_pendingDeleteJournalID; }
    void setPendingDeleteJournalID(const std::optional<QUuid>& id);
    // A notice says what was done; a failure what could not be done, and the alert shows it as a warning.
    enum class MessageKind { notice, failure };
    std::optional<QString> message() const { return m_message; }
    MessageKind messageKind() const { return m_messageKind; }
    void setMessage(const std::optional<QString>& message, MessageKind kind = MessageKind::notice);

    // Prepares the CSV of the journal (every record when records is nothing) and raises the save panel.
    void exportJournal(const Journal& journal, const std::optional<QList<Record>>& records,
                       const QString& suffix);
    // Opens the new-journal sheet.
    void requestNewJournal();
    // Opens the record editor on a new record of the journal.
    void newRecord(const Journal& journal);
    // The journal's main add action: batch entry when it has per-item fields, else the record editor.
    void primaryAdd(const Journal& journal);
    // Raises the open panel for a CSV file to import into the journal.
    void requestImport(const Journal& journal);

    const Clock& clock() const { return m_clock; }
    const Calendar& calendar() const { return m_calendar; }

signals:
    void selectedJournalIDChanged();
    void tabChanged();
    void filtersChanged();
    void editorChanged();
    void batchChanged();
    void importPreviewChanged();
    void settingsChanged();
    void showNewJournalChanged();
    void showImporterChanged();
    void showExporterChanged();
    void exportDocumentChanged();
    void pendingDeleteJournalIDChanged();
    void messageChanged();

private:
    Clock m_clock;
    Calendar m_calendar;

    std::optional<QUuid> m_selectedJournalID;
    JournalTab m_tab = JournalTab::dashboard;
    QHash<QUuid, RecordFilters> m_filters;
    std::optional<EditorItem> m_editor;
    std::optional<BatchItem> m_batch;
    std::optional<ImportPreviewItem> m_importPreview;
    std::optional<SettingsItem> m_settings;
    bool m_showNewJournal = false;
    bool m_showImporter = false;
    std::optional<QUuid> m_importTargetID;
    bool m_showExporter = false;
    CSVDocument m_exportDocument;
    QString m_exportName;
    std::optional<QUuid> m_pendingDeleteJournalID;
    std::optional<QString> m_message;
    MessageKind m_messageKind = MessageKind::notice;
};
