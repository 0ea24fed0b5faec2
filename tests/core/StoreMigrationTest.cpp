#include "Store.h"
#include "StoreSupport.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace testsupport;
using namespace Qt::StringLiterals;

namespace {

QByteArray cardFile(int cards) {
    QByteArray records;
    for (int i = 0; i < cards; ++i)
        records += (i ? "," : "") + QByteArray(R"({"brand": "Бренд )") + QByteArray::number(i) + "\"}";
    return "{\"records\": [" + records + "]}";
}

QString noteFor(int count, const QString& noun, const QString& path) {
    return u"Данные прежней версии перенесены в журнал «Карточки товаров»: "_s + QString::number(count) +
           u' ' + noun + u". Исходный файл сохранён: "_s + QDir::toNativeSeparators(path);
}

void put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class StoreMigration : public ::testing::Test {
protected:
    TempDataFolder data;
    // The two places, for the data file at data.dataPath().
    QString beside() const { return data.path(u"cards.json"_s); }
    QString zorvikal() const { return data.dir.filePath(u"Zorvikal/cards.json"_s); }
};

} // namespace

TEST_F(StoreMigration, LooksBesideTheDataFileThenInZorvikal) {
    // The data file named by the environment lives far from the system's data folder: both places follow it.
    ScopedEnv env("VOSTREL_DATA_FILE", data.dataPath().toUtf8());
    const struct {
        const char* name;
        bool besideFile, zorvikalFile, wrongCase;
        int expected; // cards converted; -1 for no conversion at all
    } cases[] = {
        {"beside only", true, false, false, 2},
        {"Zorvikal only", false, true, false, 3},
        {"both, beside first", true, true, false, 2},
        {"neither", false, false, false, -1},
        {"names differ in letter case", false, false, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(data.dir.path()).removeRecursively();
        QDir().mkpath(data.dir.path());
        if (c.besideFile)
            put(beside(), cardFile(2));
        if (c.zorvikalFile)
            put(zorvikal(), cardFile(3));
        if (c.wrongCase) {
            put(data.path(u"Cards.json"_s), cardFile(1));
            put(data.dir.filePath(u"zorvikal/cards.json"_s), cardFile(1));
            put(data.dir.filePath(u"Zorvikal/cards.JSON"_s), cardFile(1));
        }
        const QByteArray besideBefore = contents(beside()), zorvikalBefore = contents(zorvikal());

        AppStore store(*AppStore::defaultFileURL(), data.clock());
        EXPECT_FALSE(store.lastError());
        EXPECT_EQ(contents(beside()), besideBefore); // never changed
        EXPECT_EQ(contents(zorvikal()), zorvikalBefore);
        if (c.expected < 0) {
            EXPECT_TRUE(store.journals().isEmpty());
            EXPECT_FALSE(store.migrationNote());
            EXPECT_FALSE(data.exists(u"data.json"_s));
            continue;
        }
        ASSERT_EQ(store.journals().size(), 1);
        EXPECT_EQ(store.journals()[0].templateKey, u"cards"_s);
        EXPECT_EQ(store.journals()[0].records.size(), c.expected);
        EXPECT_EQ(store.migrationNote(),
                  noteFor(c.expected, u"карточки"_s, c.besideFile ? beside() : zorvikal()));
        EXPECT_EQ(readDataFile(data.read(u"data.json"_s)), store.journals());

        // Once written, the data file is what later starts read; the card file is not looked at again.
        AppStore again(*AppStore::defaultFileURL(), data.clock());
        EXPECT_EQ(again.journals(), store.journals());
        EXPECT_FALSE(again.migrationNote());
    }
}

TEST_F(StoreMigration, NoteCountsCardsWithTheJournalsNoun) {
    const struct {
        int count;
        QString noun;
    } cases[] = {{1, u"карточка"_s},
                 {3, u"карточки"_s},
                 {11, u"карточек"_s},
                 {21, u"карточка"_s},
                 {25, u"карточек"_s}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        QFile::remove(data.dataPath());
        put(beside(), cardFile(c.count));
        AppStore store(data.dataPath(), data.clock());
        EXPECT_EQ(store.migrationNote(), noteFor(c.count, c.noun, beside()));
    }
}

TEST_F(StoreMigration, AFailedConversionWritesNothingAndTriesNoFurther) {
    const struct {
        const char* name;
        QByteArray bytes; // written to the first place; empty: a folder stands there instead
        QString problem;
    } cases[] = {
        {"not JSON", "cards", u"файл не является правильным JSON"_s},
        {"bad id", R"({"records": [{"id": "123"}]})", u"records[0].id: неверный идентификатор «123»"_s},
        {"cannot be read", {}, u"файл не удалось открыть для чтения"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(data.dir.path()).removeRecursively();
        if (c.bytes.isEmpty())
            QDir().mkpath(beside());
        else
            put(beside(), c.bytes);
        put(zorvikal(), cardFile(2)); // readable, yet never tried after the first place failed

        AppStore store(data.dataPath(), data.clock());
        ASSERT_TRUE(store.lastError());
        EXPECT_TRUE(store.lastError()->startsWith(u"Не удалось перенести данные прежней версии из "_s +
                                                  QDir::toNativeSeparators(beside()) + u": "_s));
        EXPECT_TRUE(store.lastError()->contains(c.problem)) << store.lastError()->toStdString();
        EXPECT_TRUE(store.journals().isEmpty());
        EXPECT_FALSE(store.migrationNote());
        EXPECT_EQ(QDir(data.folder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{u"cards.json"_s});
        if (!c.bytes.isEmpty()) {
            EXPECT_EQ(contents(beside()), c.bytes);
        }
    }
    // The next start tries again.
    QDir(beside()).removeRecursively();
    put(beside(), cardFile(1));
    AppStore store(data.dataPath(), data.clock());
    EXPECT_FALSE(store.lastError());
    EXPECT_EQ(store.migrationNote(), noteFor(1, u"карточка"_s, beside()));
}

TEST_F(StoreMigration, AFailedSaveKeepsTheJournalAndStillAnnouncesIt) {
    // The data folder cannot be made: a file stands where it should be, and the card file is in Zorvikal.
    data.write(u"blocker"_s, "a file");
    const QString cards = data.path(u"Zorvikal/cards.json"_s);
    put(cards, cardFile(3));
    AppStore store(data.path(u"blocker/data.json"_s), data.clock());
    ASSERT_EQ(store.journals().size(), 1);
    EXPECT_EQ(store.journals()[0].records.size(), 3);
    ASSERT_TRUE(store.lastError());
    EXPECT_TRUE(store.lastError()->startsWith(u"Не удалось сохранить данные: "_s));
    EXPECT_EQ(store.migrationNote(), noteFor(3, u"карточки"_s, cards));
}
