#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/csv/CSVImport.h"
#include "core/store/AppStore.h"
#include "core/store/SafeFile.h"
#include "core/templates/Templates.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cmath>
#include <functional>
#include <string>
#include <sys/stat.h>
#include <utility>
#include <vector>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

// The real system calls, except that one step fails the way the system makes it fail. The calls before it
// are real, so the temporary file really exists when the failure comes.
class FailingCalls : public SafeFile::SystemCalls {
public:
    enum class At {
        nothing,
        writable,
        openUnnamed,
        openNew,
        write,
        writeAfterPart,
        sync,
        link,
        close,
        rename,
        syncFolder,
        piecemeal
    };
    At at = At::nothing;
    int error = EIO;
    int times = INT_MAX;      // how many times the step fails before it works again
    bool unnamedFiles = true; // whether the file system offers unnamed temporary files

    int writable(const char* path) override {
        return failing(At::writable) ? fail() : SystemCalls::writable(path);
    }
    int openUnnamed(const char* folder, mode_t mode) override {
        if (failing(At::openUnnamed))
            return fail();
        return unnamedFiles ? SystemCalls::openUnnamed(folder, mode) : fail(EOPNOTSUPP);
    }
    int openNew(const char* path, mode_t mode) override {
        return failing(At::openNew) ? fail() : SystemCalls::openNew(path, mode);
    }
    ssize_t write(int fd, const void* data, size_t size) override {
        // writeAfterPart: a first piece goes, then the disk fills up, as a buffered writer's flush meets it.
        const bool firstPiece = at == At::writeAfterPart && !std::exchange(m_wrote, true);
        if (!firstPiece && failing(At::write, At::writeAfterPart))
            return fail();
        const bool part = at == At::writeAfterPart || at == At::piecemeal;
        return SystemCalls::write(fd, data, part ? std::min<size_t>(size, 1000) : size);
    }
    int fsync(int fd) override { return failing(At::sync) ? fail() : SystemCalls::fsync(fd); }
    int link(int fd, const char* path) override {
        return failing(At::link) ? fail() : SystemCalls::link(fd, path);
    }
    // Linux releases the descriptor whatever close reports.
    int close(int fd) override { return SystemCalls::close(fd) == 0 && !failing(At::close) ? 0 : fail(); }
    int rename(const char* from, const char* to) override {
        return failing(At::rename) ? fail() : SystemCalls::rename(from, to);
    }
    int syncFolder(int fd) override { return failing(At::syncFolder) ? fail() : SystemCalls::syncFolder(fd); }

private:
    bool failing(At step, At alike = At::nothing) {
        if ((at != step && (alike == At::nothing || at != alike)) || times <= 0)
            return false;
        --times;
        return true;
    }
    int fail(int code = 0) {
        errno = code ? code : error;
        return -1;
    }
    bool m_wrote = false;
};

} // namespace

// Every step of writing the data file is checked: a failure up to the rename keeps the old file byte for
// byte and says what failed; none leaves a temporary file behind; the changes reach the file at the next
// good save. A folder that does not reach the disk fails the save too, its new file already in place.
TEST(StoreSave, EachFailedStepIsAFailedSave) {
    using At = FailingCalls::At;
    const struct {
        At at;
        int error;
        const char* problem; // after "Не удалось сохранить данные: ", «P» the data file, «F» its folder
    } cases[] = {
        {At::write, ENOSPC, "не удалось записать файл «P» (возможно, диск заполнен)"},
        {At::writeAfterPart, EDQUOT, "не удалось записать файл «P» (возможно, диск заполнен)"},
        {At::sync, EIO, "не удалось сбросить на диск файл «P» (ошибка ввода-вывода)"},
        {At::link, EMLINK, "не удалось заменить файл данных новым"},
        {At::close, EIO, "не удалось завершить запись файла «P» (ошибка ввода-вывода)"},
        {At::rename, EBUSY, "не удалось заменить файл данных новым"},
        {At::openNew, EROFS, "диск доступен только для чтения (файл «P»)"},
        {At::openUnnamed, EROFS, "диск доступен только для чтения (файл «P»)"},
        {At::writable, EROFS, "диск доступен только для чтения (файл «P»)"},
        {At::writable, EACCES, "нет прав на запись в файл «P»"},
        {At::openUnnamed, EACCES, "нет прав на запись в папку «F»"},
        {At::openNew, ENOSPC, "не удалось создать файл в папке «F» (возможно, диск заполнен)"},
        {At::syncFolder, EIO, "не удалось сбросить на диск папку «F» (ошибка ввода-вывода)"},
        {At::piecemeal, 0, nullptr}, // writes the system takes in pieces are continued
    };
    for (const auto& c : cases) {
        for (const bool unnamed : {true, false}) {
            // Only unnamed files are linked, only named ones opened by name.
            if ((c.at == At::link && !unnamed) || (c.at == At::openNew && unnamed))
                continue;
            const int row = int(&c - cases);
            TempDataFolder data;
            FailingCalls calls;
            calls.unnamedFiles = unnamed;
            AppStore store(data.dataPath(), data.clock(), Calendar::current(), calls);
            store.setJournals({sampleJournal(u"А"_s)});
            ASSERT_TRUE(store.save()) << row;
            ASSERT_TRUE(store.save()) << row << "the run's backup, made at its first overwrite";
            const QByteArray before = data.read(u"data.json"_s);

            calls.at = c.at;
            calls.error = c.error;
            store.setJournals({sampleJournal(u"Б"_s, 50)});
            EXPECT_EQ(store.save(), !c.problem) << row << unnamed;
            if (c.problem) {
                const QString problem = QString::fromUtf8(c.problem)
                                            .replace(u"«P»"_s, u'«' + data.dataPath() + u'»')
                                            .replace(u"«F»"_s, u'«' + data.folder() + u'»');
                EXPECT_EQ(store.lastError(), u"Не удалось сохранить данные: "_s + problem) << row << unnamed;
            }
            if (c.problem && c.at != At::syncFolder)
                EXPECT_EQ(data.read(u"data.json"_s), before) << row << unnamed;
            else
                EXPECT_EQ(readDataFile(data.read(u"data.json"_s)), store.journals()) << row << unnamed;
            const QStringList left{u"data-backup.json"_s, u"data.json"_s};
            EXPECT_EQ(QDir(data.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), left) << row;

            calls.at = At::nothing;
            EXPECT_TRUE(store.save()) << row << unnamed;
            EXPECT_EQ(readDataFile(data.read(u"data.json"_s)), store.journals()) << row << unnamed;
        }
    }
}

// The run's backup replaces the earlier one only once it is whole: whichever step of writing it fails, the
// earlier backup stays byte for byte, nothing of the attempt is left beside it, and the save goes on.
TEST(StoreSave, AFailedBackupKeepsTheEarlierOneAndTheSave) {
    using At = FailingCalls::At;
    for (const At at : {At::openNew, At::writeAfterPart, At::sync, At::link, At::rename}) {
        for (const bool unnamed : {true, false}) {
            if ((at == At::link && !unnamed) || (at == At::openNew && unnamed))
                continue;
            const std::string row = std::to_string(int(at)) + (unnamed ? " unnamed" : " named");
            TempDataFolder data;
            data.write(u"data-backup.json"_s, "the earlier backup");
            AppStore(data.dataPath(), data.clock()).addJournal(sampleJournal(u"А"_s));
            FailingCalls calls;
            calls.unnamedFiles = unnamed;
            AppStore store(data.dataPath(), data.clock(), Calendar::current(), calls);
            calls.at = at;
            calls.times = 1;
            store.addJournal(sampleJournal(u"Б"_s));
            EXPECT_FALSE(store.lastError()) << row;
            EXPECT_EQ(data.read(u"data-backup.json"_s), "the earlier backup") << row;
            EXPECT_EQ(readDataFile(data.read(u"data.json"_s)), store.journals()) << row;
            const QStringList left{u"data-backup.json"_s, u"data.json"_s};
            EXPECT_EQ(QDir(data.folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name), left) << row;
        }
    }
}

// A large file is sent on to the disk stretch by stretch as it is written, each stretch only once its bytes
// were handed over, the stretches following one another from the start and leaving less than one for the
// final sync; the file holds every piece in order, also when the system takes the writes in small parts.
TEST(StoreSave, LargeFilesGoToTheDiskWhileTheyAreWritten) {
    struct Recording : FailingCalls {
        off_t handed = 0;
        std::vector<std::pair<off_t, off_t>> stretches;
        ssize_t write(int fd, const void* data, size_t size) override {
            const ssize_t written = FailingCalls::write(fd, data, size);
            handed += std::max<ssize_t>(written, 0);
            return written;
        }
        void startWriteback(int fd, off_t offset, off_t length) override {
            EXPECT_LE(offset + length, handed);
            stretches.emplace_back(offset, length);
            SystemCalls::startWriteback(fd, offset, length);
        }
    };
    const QByteArray first(5 << 20, 'a'), second(13 << 20, 'b'), third(7, 'c');
    const QByteArrayView pieces[] = {first, second, third};
    for (const bool piecemeal : {false, true}) {
        TempDataFolder data;
        ASSERT_TRUE(QDir().mkpath(data.folder()));
        Recording calls;
        calls.at = piecemeal ? FailingCalls::At::piecemeal : FailingCalls::At::nothing;
        ASSERT_TRUE(SafeFile::replace(data.dataPath(), pieces, nullptr, calls)) << piecemeal;
        EXPECT_EQ(data.read(u"data.json"_s), first + second + third) << piecemeal;
        off_t next = 0;
        for (const auto& [offset, length] : calls.stretches) {
            EXPECT_EQ(offset, next);
            EXPECT_GE(length, 8 << 20);
            next = offset + length;
        }
        // What is left for the final sync is less than one stretch.
        EXPECT_GT(next, off_t(first.size() + second.size() + third.size()) - (8 << 20)) << piecemeal;
    }
}

// Where the file system has no unnamed files, a save's temporary file is hidden and of the save's own
// pattern, so what a killed save leaves is known as such: removeLeftovers takes exactly those files, of
// this data file, and leaves every other name, folder and link alone.
TEST(StoreSave, OnlyTheSavesOwnLeftoversAreRemoved) {
    struct Naming : FailingCalls {
        QString opened;
        int openNew(const char* path, mode_t mode) override {
            opened = QFile::decodeName(path);
            return FailingCalls::openNew(path, mode);
        }
    };
    TempDataFolder data;
    ASSERT_TRUE(QDir().mkpath(data.folder()));
    Naming calls;
    calls.unnamedFiles = false;
    ASSERT_TRUE(SafeFile::replace(data.dataPath(), QByteArrayView("{}"), nullptr, calls));
    const QString left = QFileInfo(calls.opened).fileName();
    EXPECT_TRUE(left.startsWith(u".data.json.save-"_s)) << left.toStdString();
    EXPECT_EQ(left.size(), 22);

    const QStringList kept{u"data.json"_s,
                           u"data.json.k3Xq9Z"_s,
                           u".data.json.save-k3Xq9"_s,
                           u".data.json.save-k3Xq9Z0"_s,
                           u".data.json.save-k3X-9Z"_s,
                           u".data.json.save-k3Xq9Ж"_s,
                           u".other.json.save-k3Xq9Z"_s,
                           u"data.json.save-k3Xq9Z"_s};
    const QStringList removed{left, u".data.json.save-000000"_s, u".data.json.save-zZ09aA"_s};
    for (const QString& name : kept + removed)
        ASSERT_TRUE(writeFile(data.path(name), "{"));
    ASSERT_TRUE(QDir().mkpath(data.path(u".data.json.save-folder"_s)));
    ASSERT_TRUE(QFile::link(data.path(u"data.json.k3Xq9Z"_s), data.path(u".data.json.save-linked"_s)));

    EXPECT_EQ(SafeFile::removeLeftovers(data.dataPath()), removed.size());
    QStringList expected = kept + QStringList{u".data.json.save-folder"_s, u".data.json.save-linked"_s};
    expected.sort();
    EXPECT_EQ(
        QDir(data.folder())
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name),
        expected);
}

// A data file reached through a symbolic link is written where the link points and keeps its permissions.
TEST(StoreSave, LinksAndPermissionsAreKept) {
    TempDataFolder data;
    const QString real = data.path(u"real/data.json"_s);
    AppStore(real, data.clock()).addJournal(sampleJournal(u"А"_s));
    ASSERT_TRUE(QFile::setPermissions(real, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(QFile::link(real, data.dataPath()));
    AppStore store(data.dataPath(), data.clock());
    store.addJournal(sampleJournal(u"Б"_s));
    EXPECT_FALSE(store.lastError());
    EXPECT_TRUE(QFileInfo(data.dataPath()).isSymLink());
    EXPECT_EQ(readDataFile(readFile(real)), store.journals());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(real).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
}

// After every kind of change the data file holds exactly what one whole encoding of the journals writes,
// also when the save of the same kind of change before it failed (its write, or a number in it).
TEST(StoreSave, EveryChangeWritesWhatAWholeEncodingWrites) {
    TempDataFolder data;
    FailingCalls calls;
    AppStore store(data.dataPath(), data.clock(), Calendar::current(), calls);
    const Journal sales = withRecords(Templates::sales(data.clock()), 40);
    const Journal tasks = withRecords(Templates::tasks(data.clock()), 10);
    store.setJournals({sales, tasks});
    ASSERT_TRUE(store.save());
    const auto ids = [&](std::initializer_list<int> positions) {
        QSet<QUuid> result;
        for (int i : positions)
            result.insert(store.journal(sales.id)->records.value(i).id);
        return result;
    };
    const QUuid client = sales.fields[1].id, quantity = sales.fields[3].id;
    const struct {
        const char* change;
        std::function<void(int round)> apply;
    } changes[] = {
        {"add more than the file held, so that the kept records are copied in among the fresh ones",
         [&](int) {
             store.addRecords(withRecords(Journal{sales.id, {}, {}, {}, sales.fields}, 60).records, sales.id);
         }},
        {"add",
         [&](int) {
             store.addRecords(withRecords(Journal{sales.id, {}, {}, {}, sales.fields}, 3).records, sales.id);
         }},
        {"edit",
         [&](int round) {
             Record r = store.journal(sales.id)->records[7 + round];
             r.setText(u"ООО «Ромашка» %1"_s.arg(round), client);
             store.updateRecord(r, sales.id);
         }},
        {"status",
         [&](int round) {
             store.setStatus(sales.statuses[round].id, ids({1, 9, 20}), sales.id, data.now);
         }},
        {"counter",
         [&](int) {
             store.changeNumber(quantity, 1, ids({3, 4}), sales.id);
         }},
        {"delete",
         [&](int round) {
             store.deleteRecords(ids({0, 10 + round, 11, 12, 13, 14, 15, 16, 17, 18, 19, 25}), sales.id);
         }},
        {"reorder", [&](int) { store.moveJournals({1}, 0); }},
        {"settings",
         [&](int round) {
             Journal edited = *store.journal(sales.id);
             edited.name = u"Продажи %1"_s.arg(round);
             edited.fields[3].type = round ? FieldType::number : FieldType::text;
             if (round)
                 edited.statuses.removeLast(); // its records lose their status, and only that
             store.updateSettings(edited);
         }},
        {"import",
         [&](int round) {
             QString error;
             const QString csv = u"Номер заказа;Клиент;Количество;Дата заказа;Примечание\n"
                                 u"A-%1;\"ООО \"\"Ромашка\"\"\";1 500,5;05.03.2024;\"две\nстроки\"\n"
                                 u"B-%1;ИП Иванов;2;06.03.2024;\n"_s.arg(round);
             const auto result = CSVService::prepareImport(csv, *store.journal(sales.id), Calendar::current(),
                                                           data.clock(), &error);
             ASSERT_TRUE(result) << error.toStdString();
             ASSERT_EQ(result->selected().size(), 2);
             store.addRecords(result->selected(), sales.id);
         }},
        {"rename",
         [&](int round) { store.renameJournal(tasks.id, u"Задачи %1"_s.arg(round), u"checklist"_s); }},
        {"replace: records reversed, one repeated, one moved to the other journal",
         [&](int round) {
             QList<Journal> journals = store.journals();
             const auto at = std::find_if(journals.begin(), journals.end(),
                                          [&](const Journal& j) { return j.id == sales.id; });
             QList<Record>& records = at->records;
             std::reverse(records.begin(), records.end());
             records.insert(1, records[5 + round]);
             journals[at == journals.begin() ? 1 : 0].records.append(records.takeAt(2));
             store.setJournals(journals);
             store.save();
         }},
        {"numbers: one that cannot be written, then zeros of both signs",
         [&](int round) {
             for (const double number : round ? QList{0.0, -0.0} : QList{double(NAN)}) {
                 Record r = store.journal(sales.id)->records[5];
                 r.values.insert(fieldKey(quantity), FieldValue::ofNumber(number));
                 store.updateRecord(r, sales.id);
             }
         }},
    };
    for (const auto& c : changes) {
        for (const int round : {0, 1}) {
            data.now = data.now.addSecs(61);
            calls.at = round == 0 ? FailingCalls::At::write : FailingCalls::At::nothing;
            c.apply(round);
            if (round == 0) {
                EXPECT_TRUE(store.lastError()) << c.change;
                store.setLastError(std::nullopt);
                continue;
            }
            EXPECT_FALSE(store.lastError()) << c.change;
            EXPECT_EQ(data.read(u"data.json"_s), wholeEncoding(store.journals(), data.now)) << c.change;
        }
    }
}
