#include "app/shell/Startup.h"
#include "StoreSupport.h"
#include "TestSupport.h"

#include "core/store/AppStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

using namespace TestSupport;
using namespace Qt::StringLiterals;

TEST(Startup, ASecondInstanceOnTheSameDataFileIsRefused) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data/data.json"_s);
    ScopedEnv env("VOSTREL_DATA_FILE", data.toUtf8());
    {
        StartCheck first = checkStart();
        EXPECT_EQ(first.dataFile, data);
        EXPECT_FALSE(first.refusal);
        EXPECT_TRUE(first.lock.lock);

        const StartCheck second = checkStart();
        ASSERT_TRUE(second.refusal);
        EXPECT_EQ(*second.refusal,
                  u"Приложение уже открыто с этим файлом данных: "_s + QDir::toNativeSeparators(data));
    }
    EXPECT_FALSE(checkStart().refusal) << "the lock goes with the first instance";
}

// Every path to one data file finds its one lock: a link to the file, a link to its folder, a way through
// ".." or a relative link. The second start is refused with the file's own path and leaves the first one's
// save under way alone.
TEST(Startup, EveryPathToTheDataFileFindsItsLock) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"real/data.json"_s);
    ASSERT_TRUE(writeFile(data, "{}"));
    ASSERT_TRUE(QFile::link(data, dir.filePath(u"link.json"_s)));
    ASSERT_TRUE(QFile::link(dir.filePath(u"real"_s), dir.filePath(u"folder"_s)));
    ASSERT_TRUE(QDir().mkpath(dir.filePath(u"elsewhere/deeper"_s)));
    ASSERT_TRUE(QFile::link(u"../../link.json"_s, dir.filePath(u"elsewhere/deeper/relative.json"_s)));
    // "jump/.." is where the link leads, then up: the data file's folder's parent, not "elsewhere".
    ASSERT_TRUE(QFile::link(dir.filePath(u"real"_s), dir.filePath(u"elsewhere/jump"_s)));
    const QString saveUnderWay = dir.filePath(u"real/.data.json.save-k3Xq9Z"_s);
    for (const QString& other :
         {u"link.json"_s, u"folder/data.json"_s, u"folder/../real/data.json"_s,
          u"elsewhere/deeper/relative.json"_s, u"elsewhere/jump/../real/data.json"_s}) {
        SCOPED_TRACE(other.toStdString());
        for (const bool linkFirst : {false, true}) {
            const QString firstPath = linkFirst ? dir.filePath(other) : data;
            const QString secondPath = linkFirst ? data : dir.filePath(other);
            ScopedEnv firstEnv("VOSTREL_DATA_FILE", firstPath.toUtf8());
            const StartCheck first = checkStart();
            ASSERT_FALSE(first.refusal);
            EXPECT_EQ(first.dataFile, data);
            ASSERT_TRUE(writeFile(saveUnderWay, "{\"jour"));

            ScopedEnv secondEnv("VOSTREL_DATA_FILE", secondPath.toUtf8());
            const StartCheck second = checkStart();
            ASSERT_TRUE(second.refusal);
            EXPECT_EQ(*second.refusal,
                      u"Приложение уже открыто с этим файлом данных: "_s + QDir::toNativeSeparators(data));
            EXPECT_TRUE(QFile::exists(saveUnderWay)) << "the first instance's save is under way";
        }
    }
    EXPECT_EQ(QDir(dir.filePath(u"real"_s)).entryList(QDir::Files, QDir::Name), QStringList({u"data.json"_s}))
        << "the lock files went with their holders, and no lock stood beside a link";
    EXPECT_FALSE(QFile::exists(dir.filePath(u"link.json.lock"_s)));
}

// A lock file left empty or garbled (a power cut between making and writing it) locks nobody out once it
// is a few seconds old; a younger one may be another start writing it. A lock of another machine may be
// real (a shared folder), so the start still refuses, but says how to get past it.
TEST(Startup, LeftOverLockFiles) {
    const struct {
        const char* name;
        QByteArray contents;
        qint64 ageSeconds;
        bool refused;
        bool saysHowToUnlock;
    } cases[] = {
        {"empty, a minute old", "", 60, false, false},
        {"garbled, a minute old", "not a lock\n", 60, false, false},
        {"empty, just written", "", 0, true, false},
        {"another machine's", "4242\nVostrelUchet\nother-host.example\n", 60, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir dir;
        const QString data = dir.filePath(u"data.json"_s);
        const QString lockFile = data + u".lock"_s;
        ASSERT_TRUE(writeFile(lockFile, c.contents));
        QFile file(lockFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTimeUtc().addSecs(-c.ageSeconds),
                                     QFileDevice::FileModificationTime));
        file.close();
        ScopedEnv env("VOSTREL_DATA_FILE", data.toUtf8());

        const StartCheck start = checkStart();
        EXPECT_EQ(start.refusal.has_value(), c.refused);
        EXPECT_EQ(start.lock.lock != nullptr, !c.refused);
        if (start.refusal) {
            const QString alreadyOpen =
                u"Приложение уже открыто с этим файлом данных: "_s + QDir::toNativeSeparators(data);
            EXPECT_EQ(*start.refusal, c.saysHowToUnlock
                                          ? alreadyOpen +
                                                u"\n\nЕсли приложение нигде не запущено, удалите файл "_s +
                                                QDir::toNativeSeparators(lockFile) + u"."_s
                                          : alreadyOpen);
        }
    }
}

// What an interrupted save left beside the data file goes once the start holds the lock, and only then:
// while another instance runs, it may be that instance's save under way.
TEST(Startup, TheLockHolderRemovesInterruptedSaves) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data.json"_s);
    const QString leftover = dir.filePath(u".data.json.save-k3Xq9Z"_s);
    const QString backupLeftover = dir.filePath(u".data-backup.json.save-k3Xq9Z"_s);
    const QString foreign = dir.filePath(u"data.json.k3Xq9Z"_s);
    for (const QString& file : {leftover, backupLeftover, foreign})
        ASSERT_TRUE(writeFile(file, "{\"jour"));
    ScopedEnv env("VOSTREL_DATA_FILE", data.toUtf8());
    {
        const StartCheck first = checkStart();
        ASSERT_FALSE(first.refusal);
        EXPECT_FALSE(QFile::exists(leftover));
        EXPECT_FALSE(QFile::exists(backupLeftover)) << "an interrupted backup's temporary file";
        EXPECT_TRUE(QFile::exists(foreign));

        ASSERT_TRUE(writeFile(leftover, "{\"jour"));
        EXPECT_TRUE(checkStart().refusal);
        EXPECT_TRUE(QFile::exists(leftover)) << "another instance's save may be under way";
    }
}

// Run only as the child of the test below: starts as the application does, then saves a file larger than
// the process may write.
TEST(Startup, DISABLED_SaverUnderAFileSizeLimit) {
    // The test's own start points the data file elsewhere; the parent names the one to use.
    ScopedEnv env("VOSTREL_DATA_FILE", qgetenv("SAVER_DATA_FILE"));
    const StartCheck start = checkStart();
    ASSERT_FALSE(start.refusal);
    AppStore store(start.dataFile);
    store.setJournals({sampleJournal(u"А"_s)});
    ASSERT_TRUE(store.save());
    rlimit small{};
    getrlimit(RLIMIT_FSIZE, &small);
    small.rlim_cur = 64 << 10;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    store.setJournals({sampleJournal(u"Б"_s, 2000)});
    EXPECT_FALSE(store.save());
    std::fputs(qPrintable(store.lastError().value_or(u"saved"_s)), stdout);
}

// A file size limit fails the save with its message; it does not end the application.
TEST(Startup, AFileSizeLimitIsAFailedSave) {
    QTemporaryDir dir;
    const QString data = dir.filePath(u"data.json"_s);
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"SAVER_DATA_FILE"_s, data);
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(),
                {u"--gtest_also_run_disabled_tests"_s,
                 u"--gtest_filter=Startup.DISABLED_SaverUnderAFileSizeLimit"_s});
    ASSERT_TRUE(child.waitForFinished(60000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << "ended by signal " << child.exitCode();
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains(u"Не удалось сохранить данные: не удалось записать файл «"_s + data +
                                u"» (возможно, диск заполнен)"_s));
    const auto journals = readDataFile(readFile(data));
    ASSERT_TRUE(journals);
    EXPECT_EQ(journals->value(0).name, u"А"_s);
}
