#include "app/AppRouter.h"
#include "ShellSamples.h"
#include "TestSupport.h"
#include "core/csv/CSVService.h"
#include "core/templates/Templates.h"

#include <QSignalSpy>

#include <functional>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

Clock fixedClock(const QDateTime& now) {
    return [now] { return now; };
}

AppRouter makeRouter(const QDateTime& now = utc(2025, 1, 31, 9)) {
    return AppRouter(fixedClock(now), Calendar{zone("Europe/Moscow")});
}

} // namespace

// Writing a value equal to the current one announces nothing; a different value announces once.
TEST(AppRouter, ValuePropertiesAnnounceOnlyRealChanges) {
    AppRouter router;
    const QUuid a = QUuid::createUuid();
    const QHash<QUuid, RecordFilters> filters{{a, RecordFilters{}}};
    const struct {
        const char* name;
        void (AppRouter::*signal)();
        std::function<void()> change;
    } cases[] = {
        {"selectedJournalID", &AppRouter::selectedJournalIDChanged, [&] { router.setSelectedJournalID(a); }},
        {"filters", &AppRouter::filtersChanged, [&] { router.setFilters(filters); }},
        {"showNewJournal", &AppRouter::showNewJournalChanged, [&] { router.setShowNewJournal(true); }},
        // An empty message is a message: setting it, and then clearing it, are changes.
        {"message", &AppRouter::messageChanged, [&] { router.setMessage(QString()); }},
        {"no message", &AppRouter::messageChanged, [&] { router.setMessage(std::nullopt); }},
    };
    for (const auto& c : cases) {
        QSignalSpy spy(&router, c.signal);
        c.change();
        c.change();
        EXPECT_EQ(spy.count(), 1) << c.name;
    }
}

TEST(AppRouter, ExportTakesTheDayInTheUsersZoneAndRaisesThePanelOnce) {
    // 22:30 UTC on 31 January is already 1 February in Moscow.
    AppRouter router = makeRouter(utc(2025, 1, 31, 22, 30));
    Journal journal = Templates::blank();
    journal.name = u"Склад/Опт"_s;
    journal.records.append(
        journal.newRecord(utc(2025, 1, 31), Calendar{zone("Europe/Moscow")}, fixedClock(utc(2025, 1, 31))));

    EXPECT_EQ(router.exportName(), u"Журнал.csv");
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
    // Only "/" is replaced; a journal without a name still gets the day.
    EXPECT_EQ(exportFileName(u" a//b: c "_s, {}, QDate(2024, 3, 5)), u" a--b: c _2024-03-05.csv");
    EXPECT_EQ(exportFileName({}, {}, QDate(2026, 12, 1)), u"_2026-12-01.csv");
}

TEST(AppRouter, PrimaryAddOpensBatchEntryOnlyForPerItemFields) {
    AppRouter router = makeRouter();
    const Journal batchJournal = Templates::sales();
    router.primaryAdd(batchJournal);
    ASSERT_TRUE(router.batch());
    EXPECT_EQ(router.batch()->journalID, batchJournal.id);
    EXPECT_FALSE(router.batch()->templateRecord);
    EXPECT_FALSE(router.editor());

    const Journal single = singleEntry(Templates::blank());
    router.primaryAdd(single);
    ASSERT_TRUE(router.editor());
    const EditorItem first = *router.editor();
    EXPECT_TRUE(first.isNew);
    EXPECT_EQ(first.journalID, single.id);
    EXPECT_EQ(first.record.createdAt, utc(2025, 1, 31, 9));
    EXPECT_EQ(first.record.statusID, single.statuses.first().id);
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

TEST(AppRouter, ALaterImportRequestNamesItsOwnTarget) {
    AppRouter router = makeRouter();
    router.requestImport(Templates::blank());
    router.setShowImporter(false);
    const Journal other = Templates::tasks();
    router.requestImport(other);
    EXPECT_EQ(router.importTargetID(), other.id);
    EXPECT_TRUE(router.showImporter());
}
