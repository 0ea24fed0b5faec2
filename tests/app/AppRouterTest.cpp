#include "AppRouter.h"
#include "CSVService.h"
#include "ShellSamples.h"
#include "Templates.h"
#include "TestSupport.h"

#include <QSignalSpy>

#include <functional>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

Clock fixedClock(const QDateTime& now) {
    return [now] { return now; };
}

AppRouter makeRouter(const QDateTime& now = utc(2025, 1, 31, 9)) {
    return AppRouter(fixedClock(now), Calendar{zone("Europe/Moscow")});
}

} // namespace

TEST(AppRouter, StartsFromInitialValues) {
    AppRouter router;
    EXPECT_FALSE(router.selectedJournalID());
    EXPECT_EQ(router.tab(), JournalTab::dashboard);
    EXPECT_TRUE(router.filters().isEmpty());
    EXPECT_FALSE(router.editor() || router.batch() || router.importPreview() || router.settings());
    EXPECT_FALSE(router.showNewJournal() || router.showImporter() || router.showExporter());
    EXPECT_FALSE(router.importTargetID() || router.pendingDeleteJournalID() || router.message());
    EXPECT_EQ(router.exportName(), u"Журнал.csv");
    EXPECT_TRUE(router.exportDocument().data.isEmpty());
}

// Writing a value equal to the current one announces nothing for these properties; a different value
// announces once.
TEST(AppRouter, ValuePropertiesAnnounceOnlyRealChanges) {
    AppRouter router;
    const QUuid a = QUuid::createUuid();
    const struct {
        const char* name;
        void (AppRouter::*signal)();
        std::function<void()> change;
    } cases[] = {
        {"selectedJournalID", &AppRouter::selectedJournalIDChanged, [&] { router.setSelectedJournalID(a); }},
        {"tab", &AppRouter::tabChanged, [&] { router.setTab(JournalTab::records); }},
        {"filters", &AppRouter::filtersChanged,
         [&] {
             router.setFilters({{a, RecordFilters{}}});
         }},
        {"showNewJournal", &AppRouter::showNewJournalChanged, [&] { router.setShowNewJournal(true); }},
        {"showImporter", &AppRouter::showImporterChanged, [&] { router.setShowImporter(true); }},
        {"importTargetID", &AppRouter::importTargetIDChanged, [&] { router.setImportTargetID(a); }},
        {"showExporter", &AppRouter::showExporterChanged, [&] { router.setShowExporter(true); }},
        {"exportName", &AppRouter::exportNameChanged, [&] { router.setExportName(u"x.csv"_s); }},
        {"pendingDeleteJournalID", &AppRouter::pendingDeleteJournalIDChanged,
         [&] { router.setPendingDeleteJournalID(a); }},
        {"message", &AppRouter::messageChanged, [&] { router.setMessage(QString()); }},
    };
    for (const auto& c : cases) {
        QSignalSpy spy(&router, c.signal);
        c.change();
        c.change();
        EXPECT_EQ(spy.count(), 1) << c.name;
    }
    // An empty message is a message: clearing it is a change.
    QSignalSpy messages(&router, &AppRouter::messageChanged);
    router.setMessage(std::nullopt);
    EXPECT_EQ(messages.count(), 1);
}

TEST(AppRouter, ItemPropertiesAnnounceEveryWrite) {
    AppRouter router;
    const QUuid journal = QUuid::createUuid();
    const struct {
        const char* name;
        void (AppRouter::*signal)();
        std::function<void()> write;
    } cases[] = {
        {"editor", &AppRouter::editorChanged, [&] { router.setEditor(std::nullopt); }},
        {"batch", &AppRouter::batchChanged, [&] { router.setBatch(std::nullopt); }},
        {"importPreview", &AppRouter::importPreviewChanged, [&] { router.setImportPreview(std::nullopt); }},
        {"settings", &AppRouter::settingsChanged, [&] { router.setSettings(std::nullopt); }},
        {"exportDocument", &AppRouter::exportDocumentChanged, [&] { router.setExportDocument({}); }},
        {"writeFilters", &AppRouter::filtersChanged, [&] { router.writeFilters(journal, RecordFilters{}); }},
    };
    for (const auto& c : cases) {
        QSignalSpy spy(&router, c.signal);
        c.write();
        c.write();
        EXPECT_EQ(spy.count(), 2) << c.name;
    }
}

TEST(AppRouter, ExportFileName) {
    const struct {
        const char* name;
        const char* suffix;
        QDate day;
        const char* expected;
    } cases[] = {
        {"Склад/Опт", "", {2025, 1, 31}, "Склад-Опт_2025-01-31.csv"},
        {"Склад/Опт", "_выборка", {2025, 1, 31}, "Склад-Опт_выборка_2025-01-31.csv"},
        {" a//b: c ", "", {2024, 3, 5}, " a--b: c _2024-03-05.csv"},
        {"", "", {2026, 12, 1}, "_2026-12-01.csv"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exportFileName(QString::fromUtf8(c.name), QString::fromUtf8(c.suffix), c.day),
                  QString::fromUtf8(c.expected))
            << c.name;
    }
}

TEST(AppRouter, ExportTakesTheDayInTheUsersZoneAndRaisesThePanelOnce) {
    // 22:30 UTC on 31 January is already 1 February in Moscow.
    AppRouter router = makeRouter(utc(2025, 1, 31, 22, 30));
    Journal journal = Templates::blank();
    journal.name = u"Склад/Опт"_s;
    journal.records.append(
        journal.newRecord(utc(2025, 1, 31), Calendar{zone("Europe/Moscow")}, fixedClock(utc(2025, 1, 31))));

    QSignalSpy panel(&router, &AppRouter::showExporterChanged);
    QSignalSpy document(&router, &AppRouter::exportDocumentChanged);
    router.exportJournal(journal, std::nullopt, QString());
    EXPECT_EQ(router.exportName(), u"Склад-Опт_2025-02-01.csv");
    EXPECT_EQ(router.exportDocument().data, CSVService::exportData(journal, std::nullopt, router.calendar()));
    EXPECT_TRUE(router.showExporter());

    const QList<Record> none;
    router.exportJournal(journal, none, u"_выборка"_s);
    EXPECT_EQ(router.exportName(), u"Склад-Опт_выборка_2025-02-01.csv");
    EXPECT_EQ(router.exportDocument().data, CSVService::exportData(journal, none, router.calendar()));
    EXPECT_EQ(panel.count(), 1);
    EXPECT_EQ(document.count(), 2);
}

TEST(AppRouter, PrimaryAddOpensBatchEntryOnlyForPerItemFields) {
    AppRouter router = makeRouter();
    const Journal batchJournal = Templates::sales();
    ASSERT_FALSE(batchJournal.perItemFields().isEmpty());
    router.primaryAdd(batchJournal);
    ASSERT_TRUE(router.batch());
    EXPECT_EQ(router.batch()->journalID, batchJournal.id);
    EXPECT_FALSE(router.batch()->templateRecord);
    EXPECT_FALSE(router.editor());

    const Journal single = singleEntry(Templates::blank());
    ASSERT_TRUE(single.perItemFields().isEmpty());
    router.primaryAdd(single);
    ASSERT_TRUE(router.editor());
    const EditorItem first = *router.editor();
    EXPECT_TRUE(first.isNew);
    EXPECT_EQ(first.journalID, single.id);
    EXPECT_EQ(first.record.createdAt, utc(2025, 1, 31, 9));
    EXPECT_EQ(first.record.statusID,
              single.statuses.isEmpty() ? std::nullopt : std::optional(single.statuses.first().id));

    router.newRecord(single);
    EXPECT_NE(router.editor()->id, first.id);
    EXPECT_NE(router.editor()->record.id, first.record.id);
}

TEST(AppRouter, FiltersPerJournal) {
    AppRouter router = makeRouter(utc(2025, 1, 31, 9));
    const QUuid a = QUuid::createUuid();
    const QUuid b = QUuid::createUuid();

    const RecordFilters fresh = router.filtersFor(a);
    EXPECT_EQ(fresh, RecordFilters::defaults(router.clock(), router.calendar()));
    EXPECT_TRUE(router.filters().isEmpty()) << "reading defaults stores nothing";

    RecordFilters searched = fresh;
    searched.search = u"чай"_s;
    router.writeFilters(a, searched);
    EXPECT_EQ(router.filtersFor(a), searched);
    EXPECT_EQ(router.filtersFor(b), fresh);
    EXPECT_EQ(router.filters().size(), 1);
}

TEST(AppRouter, RequestsSetTheirFlags) {
    AppRouter router = makeRouter();
    const Journal journal = Templates::blank();
    router.requestImport(journal);
    EXPECT_EQ(router.importTargetID(), journal.id);
    EXPECT_TRUE(router.showImporter());

    // A later request names its own target.
    const Journal other = Templates::tasks();
    router.setShowImporter(false);
    router.requestImport(other);
    EXPECT_EQ(router.importTargetID(), other.id);
}

TEST(JournalTab, RawTextIsExact) {
    EXPECT_EQ(journalTabFromRaw(u"dashboard"), JournalTab::dashboard);
    EXPECT_EQ(journalTabFromRaw(u"records"), JournalTab::records);
    for (const char16_t* text : {u"Records", u"RECORDS", u" records", u""})
        EXPECT_FALSE(journalTabFromRaw(text)) << QString::fromUtf16(text).toStdString();
    EXPECT_EQ(rawValue(JournalTab::records), u"records");
}
