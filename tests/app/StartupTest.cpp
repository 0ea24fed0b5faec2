#include "app/Startup.h"
#include "StoreSupport.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace testsupport;
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
