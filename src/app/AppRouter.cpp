#include "app/AppRouter.h"

#include "core/csv/CSVService.h"

using namespace Qt::StringLiterals;

namespace {

// Stores the value and reports whether it differed, so the caller announces only real changes.
template <typename T> bool assign(T& member, const T& value) {
    if (member == value)
        return false;
    member = value;
    return true;
}

} // namespace

QString exportFileName(const QString& journalName, const QString& suffix, const QDate& day) {
    QString name = journalName;
    name.replace(u'/', u'-');
    // QDate::toString with a format uses the C locale: ASCII digits whatever the user's locale.
    return name + suffix + u'_' + day.toString(u"yyyy-MM-dd"_s) + u".csv"_s;
}

AppRouter::AppRouter(Clock clock, Calendar calendar, QObject* parent)
    : QObject(parent), m_clock(std::move(clock)), m_calendar(std::move(calendar)),
      m_exportName(u"Журнал.csv"_s) {}

void AppRouter::setSelectedJournalID(const std::optional<QUuid>& id) {
    if (assign(m_selectedJournalID, id))
        emit selectedJournalIDChanged();
}

void AppRouter::setTab(JournalTab tab) {
    if (assign(m_tab, tab))
        emit tabChanged();
}

void AppRouter::setFilters(const QHash<QUuid, RecordFilters>& filters) {
    if (assign(m_filters, filters))
        emit filtersChanged();
}

RecordFilters AppRouter::filtersFor(const QUuid& journalID) const {
    const auto found = m_filters.constFind(journalID);
    if (found != m_filters.constEnd())
        return *found;
    return RecordFilters::defaults(m_clock, m_calendar);
}

void AppRouter::writeFilters(const QUuid& journalID, const RecordFilters& filters) {
    m_filters.insert(journalID, filters);
    emit filtersChanged();
}

void AppRouter::setEditor(const std::optional<EditorItem>& item) {
    m_editor = item;
    emit editorChanged();
}

void AppRouter::setBatch(const std::optional<BatchItem>& item) {
    m_batch = item;
    emit batchChanged();
}

void AppRouter::setImportPreview(const std::optional<ImportPreviewItem>& item) {
    m_importPreview = item;
    emit importPreviewChanged();
}

void AppRouter::releaseImportPreviewResult() {
    if (m_importPreview)
        m_importPreview->result = ImportResult();
}

void AppRouter::setSettings(const std::optional<SettingsItem>& item) {
    m_settings = item;
    emit settingsChanged();
}

void AppRouter::setShowNewJournal(bool show) {
    if (assign(m_showNewJournal, show))
        emit showNewJournalChanged();
}

void AppRouter::setShowImporter(bool show) {
    if (assign(m_showImporter, show))
        emit showImporterChanged();
}

void AppRouter::setImportTargetID(const std::optional<QUuid>& id) {
    m_importTargetID = id;
}

void AppRouter::setShowExporter(bool show) {
    if (assign(m_showExporter, show))
        emit showExporterChanged();
}

void AppRouter::setExportDocument(const CSVDocument& document) {
    m_exportDocument = document;
    emit exportDocumentChanged();
}

void AppRouter::setExportName(const QString& name) {
    m_exportName = name;
}

void AppRouter::setPendingDeleteJournalID(const std::optional<QUuid>& id) {
    if (assign(m_pendingDeleteJournalID, id))
        emit pendingDeleteJournalIDChanged();
}

void AppRouter::setMessage(const std::optional<QString>& message, MessageKind kind) {
    const bool changed = assign(m_message, message);
    if (assign(m_messageKind, kind) || changed)
        emit messageChanged();
}

void AppRouter::exportJournal(const Journal& journal, const std::optional<QList<Record>>& records,
                              const QString& suffix) {
    setExportDocument(CSVDocument{CSVService::exportData(journal, records, m_calendar)});
    setExportName(exportFileName(journal.name, suffix, m_calendar.day(m_clock())));
    setShowExporter(true);
}

void AppRouter::requestNewJournal() {
    setShowNewJournal(true);
}

void AppRouter::newRecord(const Journal& journal) {
    const QDateTime now = m_clock();
    setEditor(EditorItem{QUuid::createUuid(), journal.id, journal.newRecord(now, m_calendar, m_clock), true});
}

void AppRouter::primaryAdd(const Journal& journal) {
    if (journal.perItemFields().isEmpty()) {
        newRecord(journal);
        return;
    }
    setBatch(BatchItem{QUuid::createUuid(), journal.id, std::nullopt});
}

void AppRouter::requestImport(const Journal& journal) {
    setImportTargetID(journal.id);
    setShowImporter(true);
}
