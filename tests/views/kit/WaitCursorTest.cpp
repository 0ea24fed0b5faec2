#include "views/kit/WaitCursor.h"
#include "ShellFixture.h"
#include "views/importing/ImportPreviewView.h"
#include "views/records/RecordCommands.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPushButton>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

std::optional<Qt::CursorShape> overriding() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? std::optional(cursor->shape()) : std::nullopt;
}

// A clock that notes the application's cursor whenever it is read: the import reads it while preparing
// the rows, the store while writing the data file.
struct CursorWatch {
    QList<std::optional<Qt::CursorShape>> seen;

    Clock clock() {
        return [this] {
            seen.append(overriding());
            return utc(2024, 6, 3, 12);
        };
    }
    bool sawWait() const { return seen.contains(Qt::WaitCursor); }
};

} // namespace

TEST(WaitCursor, WhileAFileIsReadForImportAndWhileItIsStored) {
    const Journal journal = sampleJournal(u"Покупки"_s);
    const struct {
        const char* name;
        std::optional<QByteArray> bytes; // none: no file at the path
        bool reads;
    } cases[] = {
        {"a file that reads", QByteArray("Название;Сумма\nЧай;1\nКофе;2\n"), true},
        {"bytes that are no text", QByteArray("\xFE\xFF\x00", 3), false},
        {"a header naming no field", QByteArray("Цвет\nкрасный\n"), false},
        {"no file at all", std::nullopt, false},
    };
    for (const auto& c : cases) {
        CursorWatch watch;
        Shell shell({journal}, true, watch.clock());
        const QString path = shell.folder.dir.filePath(u"покупки.csv"_s);
        if (c.bytes) {
            ASSERT_TRUE(writeFile(path, *c.bytes));
        }
        shell.router->requestImport(journal);
        watch.seen.clear();
        // The window announces the preview to itself first: by now the sheet is built and up.
        std::optional<Qt::CursorShape> atSheet;
        QObject::connect(shell.router.get(), &AppRouter::importPreviewChanged, shell.router.get(), [&] {
            if (shell.shown<ImportPreviewView>())
                atSheet = overriding();
        });
        shell.panels.answerOpen(path);
        EXPECT_EQ(overriding(), std::nullopt) << c.name << ": gone after the reading, whatever came of it";
        EXPECT_EQ(shell.router->importPreview().has_value(), c.reads) << c.name;
        if (!c.reads)
            continue;
        EXPECT_TRUE(watch.sawWait()) << c.name << ": shown while the rows are prepared";
        EXPECT_EQ(atSheet, Qt::WaitCursor) << c.name << ": and while the preview is built, until it is up";

        auto* sheet = shell.shown<ImportPreviewView>();
        ASSERT_TRUE(sheet);
        watch.seen.clear();
        sheet->findChild<QPushButton*>(u"import"_s)->click();
        EXPECT_EQ(shell.store->journal(journal.id)->records.size(), journal.records.size() + 2);
        EXPECT_TRUE(watch.sawWait()) << "shown while the import is stored, however small the data file";
        EXPECT_EQ(overriding(), std::nullopt);
    }
}

// Every change rewrites the data file; only a large one takes long enough to show the wait.
TEST(WaitCursor, WhileALargeDataFileIsSaved) {
    const struct {
        const char* name;
        qsizetype noteSize;
        bool waits;
    } cases[] = {
        {"a small data file", 10, false},
        {"a data file above the size of a slow save", WaitCursor::slowSaveBytes, true},
    };
    for (const auto& c : cases) {
        TempDataFolder folder;
        CursorWatch watch;
        AppStore store(folder.dataPath(), watch.clock(), Calendar{zone("Europe/Moscow")});
        AppRouter router(watch.clock(), Calendar{zone("Europe/Moscow")});
        Journal journal = sampleJournal(u"Покупки"_s);
        journal.records.first().setText(QString(c.noteSize, u'x'), journal.fields.first().id);
        store.addJournal(journal);
        QWidget tab;
        RecordCommands commands(store, router, &tab);
        commands.setJournal(journal);
        watch.seen.clear();
        commands.setStatus(journal.statuses.first().id, {journal.records.first().id});
        EXPECT_EQ(store.journal(journal.id)->records.first().statusID, journal.statuses.first().id) << c.name;
        EXPECT_EQ(watch.sawWait(), c.waits) << c.name;
        EXPECT_EQ(overriding(), std::nullopt) << c.name;
    }
}
