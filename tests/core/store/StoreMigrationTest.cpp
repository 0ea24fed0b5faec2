#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/store/AppStore.h"
#include "core/store/DataFile.h"

#include <QDir>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

QByteArray cardFile(int cards) {
    QByteArray records;
    for (int i = 0; i < cards; ++i)
        records += (i ? "," : "") + QByteArray(R"({"brand": "Бренд )") + QByteArray::number(i) + "\"}";
    return "{\"records\": [" + records + "]}";
}

class StoreMigration : public ::testing::Test {
protected:
    TempDataFolder data;
    // The two places, for the data file at data.dataPath().
    QString beside() const { return data.path(u"cards.json"_s); }
    QString zorvikal() const { return data.dir.filePath(u"Zorvikal/cards.json"_s); }
};

} // namespace

// The note's words, the data file written, the card file left alone and the next start that converts
// nothing again are the journeys'; here where the card file is looked for.
TEST_F(StoreMigration, LooksBesideTheDataFileThenInZorvikal) {
    // The data file named by the environment lives far from the system's data folder: both places follow it.
    ScopedEnv env("VOSTREL_DATA_FILE", data.dataPath().toUtf8());
    const struct {
        const char* name;
        int besideCards, zorvikalCards; // no file for 0
        bool wrongCase;
        int expected; // cards converted; -1 for no conversion at all
    } cases[] = {
        {"beside only", 21, 0, false, 21},
        {"Zorvikal only", 0, 11, false, 11},
        {"both, beside first", 2, 3, false, 2},
        {"neither", 0, 0, false, -1},
        {"names differ in letter case", 0, 0, true, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QDir(data.dir.path()).removeRecursively();
        QDir().mkpath(data.dir.path());
        if (c.besideCards)
            writeFile(beside(), cardFile(c.besideCards));
        if (c.zorvikalCards)
            writeFile(zorvikal(), cardFile(c.zorvikalCards));
        if (c.wrongCase) {
            writeFile(data.path(u"Cards.json"_s), cardFile(1));
            writeFile(data.dir.filePath(u"zorvikal/cards.json"_s), cardFile(1));
            writeFile(data.dir.filePath(u"Zorvikal/cards.JSON"_s), cardFile(1));
        }
        AppStore store(*DataFile::defaultFileURL(), data.clock());
        EXPECT_FALSE(store.lastError());
        EXPECT_EQ(store.migrationNote().has_value(), c.expected >= 0);
        EXPECT_EQ(data.exists(u"data.json"_s), c.expected >= 0);
        if (c.expected >= 0) {
            ASSERT_EQ(store.journals().size(), 1);
            EXPECT_EQ(store.journals()[0].records.size(), c.expected);
            EXPECT_TRUE(store.migrationNote().value_or(QString()).endsWith(
                QDir::toNativeSeparators(c.besideCards ? beside() : zorvikal())));
        } else {
            EXPECT_TRUE(store.journals().isEmpty());
        }
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
            writeFile(beside(), c.bytes);
        writeFile(zorvikal(), cardFile(2)); // readable, yet never tried after the first place failed

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
            EXPECT_EQ(readFile(beside()), c.bytes);
        }
    }
    // The next start tries again.
    QDir(beside()).removeRecursively();
    writeFile(beside(), cardFile(1));
    AppStore store(data.dataPath(), data.clock());
    EXPECT_FALSE(store.lastError());
    EXPECT_EQ(store.journals().value(0).records.size(), 1);
}

TEST_F(StoreMigration, AFailedSaveKeepsTheJournalAndStillAnnouncesIt) {
    // The data folder cannot be made: a file stands where it should be, and the card file is in Zorvikal.
    data.write(u"blocker"_s, "a file");
    const QString cards = data.path(u"Zorvikal/cards.json"_s);
    writeFile(cards, cardFile(3));
    AppStore store(data.path(u"blocker/data.json"_s), data.clock());
    ASSERT_EQ(store.journals().size(), 1);
    EXPECT_EQ(store.journals()[0].records.size(), 3);
    ASSERT_TRUE(store.lastError());
    EXPECT_TRUE(store.lastError()->startsWith(u"Не удалось сохранить данные: "_s));
    EXPECT_TRUE(store.migrationNote().value_or(QString()).endsWith(QDir::toNativeSeparators(cards)));
}
