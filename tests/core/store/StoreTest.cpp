#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/store/AppStore.h"
#include "core/store/DataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTextStream>

#include <rapidjson/document.h>

#include <csignal>
#include <sys/resource.h>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

const QString damagedName = u"data-damaged-1700000000.json"_s; // the seconds of TempDataFolder's clock

QByteArray fileWith(const QByteArray& version, const QByteArray& savedAt, const QByteArray& journals) {
    QByteArray out = "{";
    if (!version.isNull())
        out += "\"version\":" + version + ",";
    if (!savedAt.isNull())
        out += "\"savedAt\":" + savedAt + ",";
    if (!journals.isNull())
        out += "\"journals\":" + journals + ",";
    out += "\"later\":{\"x\":1}}";
    return out;
}

class StoreTest : public ::testing::Test {
protected:
    TempDataFolder data;
    std::unique_ptr<AppStore> open() { return std::make_unique<AppStore>(data.dataPath(), data.clock()); }
};

} // namespace

TEST(StorePaths, DefaultFileURL) {
    {
        ScopedEnv env("VOSTREL_DATA_FILE", QByteArray("/tmp/somewhere/my data.json "));
        EXPECT_EQ(DataFile::defaultFileURL(), u"/tmp/somewhere/my data.json "_s); // taken as given, untrimmed
    }
    {
        ScopedEnv env("VOSTREL_DATA_FILE", QByteArray("rel/data.json"));
        EXPECT_EQ(DataFile::defaultFileURL(), QDir::current().absoluteFilePath(u"rel/data.json"_s));
    }
    for (const auto& value : {std::optional<QByteArray>(QByteArray("")), std::optional<QByteArray>()}) {
        ScopedEnv env("VOSTREL_DATA_FILE", value);
        EXPECT_EQ(DataFile::defaultFileURL(),
                  QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                      u"/VostrelUchet/data.json"_s);
    }
}

// A run writes nothing until a change; the first save of a run that finds a file backs it up, once.
TEST_F(StoreTest, SavesAndTheOneBackupOfARun) {
    auto store = open();
    EXPECT_TRUE(store->journals().isEmpty());
    EXPECT_FALSE(store->lastError() || store->migrationNote());
    EXPECT_FALSE(QFileInfo::exists(data.folder()));
    store->setJournals({sampleJournal(u"А"_s)});
    ASSERT_TRUE(store->save()); // creates the missing folder
    EXPECT_FALSE(data.exists(u"data-backup.json"_s));
    const QByteArray first = data.read(u"data.json"_s);
    rapidjson::Document doc;
    doc.Parse(first.constData(), first.size());
    ASSERT_TRUE(doc.IsObject());
    EXPECT_EQ(doc["version"].GetInt(), 2);
    EXPECT_STREQ(doc["savedAt"].GetString(), "2023-11-14T22:13:20Z");
    EXPECT_EQ(doc.MemberCount(), 3u);
    EXPECT_EQ(readDataFile(first), store->journals());
    store->setJournals({sampleJournal(u"Б"_s)});
    ASSERT_TRUE(store->save());
    ASSERT_TRUE(store->save());
    EXPECT_EQ(data.read(u"data-backup.json"_s), first) << "the file the run found, not a later one";

    const QByteArray afterFirstRun = data.read(u"data.json"_s);
    store = open();
    ASSERT_TRUE(store->save());
    EXPECT_EQ(data.read(u"data-backup.json"_s), afterFirstRun);
}

TEST_F(StoreTest, ReadsAnyIntegralVersionAndIgnoresUnknownKeys) {
    const QByteArray journals = R"([{"id":"11111111-1111-1111-1111-111111111111","name":"Журнал"}])";
    for (const char* version : {"1", "2", "3", "-7", "2.0", "1e2"}) {
        data.write(u"data.json"_s, fileWith(version, "\"2024-01-01T00:00:00+03:00\"", journals));
        auto store = open();
        EXPECT_FALSE(store->lastError()) << version;
        ASSERT_EQ(store->journals().size(), 1) << version;
        EXPECT_EQ(store->journals()[0].id, QUuid(u"{11111111-1111-1111-1111-111111111111}"_s)) << version;
        EXPECT_EQ(store->journals()[0].name, u"Журнал") << version;
        // Reading writes nothing.
        EXPECT_FALSE(data.exists(u"data-backup.json"_s));
    }
}

TEST_F(StoreTest, UnreadableFilesAreSetAsideWithTheReason) {
    const QByteArray validDate = "\"2024-01-01T00:00:00Z\"";
    const struct {
        QByteArray bytes;
        const char* reason;
    } cases[] = {
        {"   \n", "файл пуст"},
        // A bad first character is a bad value, not an empty file.
        {":", "файл не является правильным JSON: недопустимое значение (байт 0)"},
        {"\xEF\xBB\xBF ,{}", "файл не является правильным JSON: недопустимое значение (байт 4)"},
        {R"({"version":2,"savedAt":"2024-01-01T00:00:00Z","journals":[)",
         "файл не является правильным JSON: недопустимое значение (байт 58)"},
        {"{\"a\":\"\xC3\x28\"}", "файл не является правильным JSON: текст не в кодировке UTF-8 (байт 6)"},
        {QByteArray("{\"a\":1}\0 ", 9),
         "файл не является правильным JSON: после данных есть лишний текст (байт 7)"},
        {QByteArray(200000, '['), "файл не является правильным JSON: недопустимое значение (байт 200000)"},
        {"[]", "в файле ожидался объект JSON"},
        {fileWith({}, validDate, "[]"), "version: нет обязательного значения"},
        {fileWith("2.5", validDate, "[]"), "version: ожидалось целое число"},
        {fileWith("2", "\"2024-01-01\"", "[]"), "savedAt: неверная дата «2024-01-01»"},
        {fileWith("2", validDate, "{}"), "journals: ожидался массив"},
        {fileWith("2", validDate, R"([{},{"fields":[{"type":"Text"}]}])"),
         "journals[1].fields[0].type: неизвестный тип поля «Text»"},
        // A name given twice would be read once and the rest written away at the next save.
        {R"({"version":2,"savedAt":"2024-01-01T00:00:00Z","journals":[],"journals":[{"name":"Склад"}]})",
         "journals: ключ повторяется в объекте"},
        {fileWith("2", validDate, R"([{"records":[{},{"values":{"1-2":{"text":"a"},"1-2":{"text":"b"}}}]}])"),
         "journals[0].records[1].values[\"1-2\"]: ключ повторяется в объекте"},
        {fileWith("2", validDate, R"([{"records":[{"values":{"A":{"number":1e400}}}]}])"),
         "файл не является правильным JSON: слишком большое число (байт 95)"},
    };
    for (const auto& c : cases) {
        TempDataFolder folder;
        folder.write(u"data.json"_s, c.bytes);
        AppStore store(folder.dataPath(), folder.clock());
        EXPECT_TRUE(store.journals().isEmpty());
        EXPECT_EQ(store.lastError(), u"Не удалось прочитать файл данных. Он сохранён как "_s + damagedName +
                                         u". Ошибка: "_s + QString::fromUtf8(c.reason))
            << c.bytes.left(80).toStdString();
        EXPECT_FALSE(folder.exists(u"data.json"_s));
        EXPECT_EQ(folder.read(damagedName), c.bytes); // moved aside unchanged
    }
}

// Set aside under the first free name; when no name is free the file stays and is never written over.
TEST_F(StoreTest, SetAsideNeverReplacesAnEarlierOne) {
    data.write(damagedName, "earlier");
    data.write(u"data-damaged-1700000000-1.json"_s, "earlier too");
    data.write(u"data.json"_s, "broken");
    EXPECT_TRUE(
        open()->lastError().value_or(QString()).contains(u"сохранён как data-damaged-1700000000-2.json."_s));
    EXPECT_EQ(data.read(damagedName), "earlier");
    EXPECT_EQ(data.read(u"data-damaged-1700000000-2.json"_s), "broken");

    for (int n = 3; n < 1000; ++n)
        data.write(u"data-damaged-1700000000-%1.json"_s.arg(n), "x");
    data.write(u"data.json"_s, "broken");
    auto store = open();
    EXPECT_EQ(store->lastError(),
              u"Не удалось прочитать файл данных, и отложить его не удалось: он оставлен на месте "
              u"и не будет перезаписан. Ошибка: файл не является правильным JSON: недопустимое "
              u"значение (байт 0)"_s);
    store->setJournals({sampleJournal(u"А"_s)});
    EXPECT_FALSE(store->save());
    EXPECT_EQ(
        store->lastError(),
        u"Не удалось сохранить данные: нечитаемый файл данных не удалось отложить, и он не перезаписывается"_s);
    EXPECT_EQ(data.read(u"data.json"_s), "broken");
    EXPECT_FALSE(data.exists(u"data-backup.json"_s));
    EXPECT_EQ(store->journals().size(), 1);
}

TEST_F(StoreTest, AFolderAtTheDataPathIsLeftAlone) {
    QDir().mkpath(data.dataPath());
    data.write(u"data.json/inside.txt"_s, "mine");
    auto store = open();
    EXPECT_EQ(store->lastError(), u"Не удалось прочитать файл данных: по пути «"_s + data.dataPath() +
                                      u"» находится папка, а не файл."_s);
    EXPECT_FALSE(store->save());
    EXPECT_TRUE(store->lastError()->startsWith(u"Не удалось сохранить данные: по пути «"_s));
    EXPECT_EQ(data.read(u"data.json/inside.txt"_s), "mine");
    EXPECT_EQ(QDir(data.folder()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{u"data.json"_s});
}

TEST_F(StoreTest, FailedSavesKeepTheChangesAndTheOldFile) {
    // The folder cannot be created: a file stands where it should be.
    {
        data.write(u"blocker"_s, "a file");
        AppStore store(data.path(u"blocker/sub/data.json"_s), data.clock());
        store.setJournals({sampleJournal(u"А"_s)});
        EXPECT_FALSE(store.save());
        EXPECT_EQ(store.lastError(), u"Не удалось сохранить данные: не удалось создать папку «"_s +
                                         data.path(u"blocker/sub"_s) + u"»"_s);
        EXPECT_EQ(store.journals().size(), 1);
    }
    // A value that has no JSON form: nothing is written.
    auto store = open();
    Journal j = sampleJournal(u"А"_s);
    ASSERT_TRUE(store->save());
    const QByteArray before = data.read(u"data.json"_s);
    j.records[1].values[idText(j.fields[1].id)] =
        FieldValue::ofNumber(std::numeric_limits<double>::infinity());
    store->setJournals({j});
    EXPECT_FALSE(store->save());
    EXPECT_TRUE(store->lastError()->startsWith(
        u"Не удалось сохранить данные: значение нельзя записать — journals[0].records[1].values[\""_s));
    EXPECT_EQ(data.read(u"data.json"_s), before);
    EXPECT_EQ(store->journals(), QList<Journal>{j});
}

// A file size limit makes writes fail the way a full disk does, also for root. A small file fails only
// where a buffered writer flushes its buffer, a large one at its first write.
TEST_F(StoreTest, AFullDiskLeavesTheOldFileWhole) {
    std::signal(SIGXFSZ, SIG_IGN);
    for (const int records : {5, 200}) {
        TempDataFolder folder;
        AppStore store(folder.dataPath(), folder.clock());
        store.setJournals({sampleJournal(u"А"_s)});
        ASSERT_TRUE(store.save());
        const QByteArray before = folder.read(u"data.json"_s);

        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit small = old;
        small.rlim_cur = rlim_t(before.size() + 100);
        setrlimit(RLIMIT_FSIZE, &small);
        store.setJournals({sampleJournal(u"Б"_s, records)});
        const bool saved = store.save();
        setrlimit(RLIMIT_FSIZE, &old);

        EXPECT_FALSE(saved) << records;
        EXPECT_EQ(store.lastError(), u"Не удалось сохранить данные: не удалось записать файл «"_s +
                                         folder.dataPath() + u"» (возможно, диск заполнен)"_s)
            << records;
        EXPECT_EQ(folder.read(u"data.json"_s), before) << records;
        EXPECT_EQ(store.journals()[0].records.size(), records);
        EXPECT_TRUE(store.save()) << records; // the changes reach the file with the next good save
        EXPECT_EQ(readDataFile(folder.read(u"data.json"_s)), store.journals()) << records;
    }
}

// The views redraw the whole list at every announcement: an equal list announces nothing.
TEST_F(StoreTest, AnnouncesOnlyChangedJournals) {
    auto store = open();
    QSignalSpy journals(store.get(), &AppStore::journalsChanged);
    const Journal j = sampleJournal(u"А"_s);
    store->setJournals({j});
    store->setJournals({j});
    store->setJournals({});
    EXPECT_EQ(journals.count(), 2);
}

// Run only as the child of the test below: saves state after state until it is killed.
TEST(StoreDurability, DISABLED_SaverChild) {
    const QString path = qEnvironmentVariable("VOSTREL_DATA_FILE");
    ASSERT_FALSE(path.isEmpty());
    AppStore store(path);
    int state = store.journals().isEmpty() ? 0 : store.journals()[0].name.toInt();
    QTextStream out(stdout);
    for (;;) {
        ++state;
        // States differ in size, so a file mixing two of them cannot read as either.
        store.setJournals({sampleJournal(QString::number(state), 600 + state % 7 * 100)});
        if (!store.save())
            return;
        out << "saved " << state << Qt::endl;
    }
}

TEST(StoreDurability, KillDuringSaveLeavesOneWholeState) {
    TempDataFolder data;
    int last = 0;
    constexpr int rounds = 16;
    for (int round = 0; round < rounds; ++round) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"VOSTREL_DATA_FILE"_s, data.dataPath());
        child.setProcessEnvironment(env);
        child.start(
            QCoreApplication::applicationFilePath(),
            {u"--gtest_also_run_disabled_tests"_s, u"--gtest_filter=StoreDurability.DISABLED_SaverChild"_s});
        ASSERT_TRUE(child.waitForStarted());
        // Let the child save a few times, measuring how long one save takes.
        QElapsedTimer timer;
        int saves = 0;
        while (saves < 4) {
            ASSERT_TRUE(child.canReadLine() || child.waitForReadyRead(60000)) << "the saver stopped";
            while (child.canReadLine()) {
                const QByteArray line = child.readLine().trimmed();
                if (!line.startsWith("saved "))
                    continue;
                last = line.mid(6).toInt();
                if (saves++ == 0)
                    timer.start();
            }
        }
        const qint64 period = timer.elapsed() / (saves - 1);
        // Each round kills at another point of the save cycle: while encoding, writing, syncing or renaming.
        const int delay = int(period * (2 * round + 1) / (2 * rounds));
        child.waitForFinished(delay); // the child never finishes by itself: this only lets the save go on
        child.kill();                 // SIGKILL
        child.waitForFinished();
        while (child.canReadLine()) {
            const QByteArray line = child.readAll();
            const qsizetype at = line.lastIndexOf("saved ");
            if (at >= 0)
                last = line.mid(at + 6).trimmed().toInt();
        }

        const auto journals = readDataFile(data.read(u"data.json"_s));
        ASSERT_TRUE(journals) << "round " << round;
        ASSERT_EQ(journals->size(), 1);
        const int state = (*journals)[0].name.toInt();
        EXPECT_TRUE(state == last || state == last + 1) << state << " after " << last;
        EXPECT_EQ((*journals)[0].records.size(), 600 + state % 7 * 100);
        last = state;
    }
}
