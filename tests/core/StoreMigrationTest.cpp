#include "StoreSupport.h"
#include "TestSupport.h"
#include "store/DataFile.h"
#include "store/Store.h"

#include <QDir>

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
        int besideCards, zorvikalCards; // no file for 0
        bool wrongCase;
        int expected; // cards converted; -1 for no conversion at all
        QString noun; // the note counts with the journal's noun
    } cases[] = {
        {"beside only", 21, 0, false, 21, u"карточка"_s},
        {"Zorvikal only", 0, 11, false, 11, u"карточек"_s},
        {"both, beside first", 2, 3, false, 2, u"карточки"_s},
        {"neither", 0, 0, false, -1, {}},
        {"names differ in letter case", 0, 0, true, -1, {}},
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
        const QByteArray besideBefore = readFile(beside()), zorvikalBefore = readFile(zorvikal());

        AppStore store(*DataFile::defaultFileURL(), data.clock());
        EXPECT_FALSE(store.lastError());
        EXPECT_EQ(readFile(beside()), besideBefore); // never changed
        EXPECT_EQ(readFile(zorvikal()), zorvikalBefore);
        if (c.expected < 0) {
            EXPECT_TRUE(store.journals().isEmpty());
            EXPECT_FALSE(store.migrationNote());
            EXPECT_FALSE(data.exists(u"data.json"_s));
            continue;
        }
        ASSERT_EQ(store.journals().size(), 1);
        EXPECT_EQ(store.journals()[0].templateKey, u"cards"_s);
        EXPECT_EQ(store.journals()[0].records.size(), c.expected);
        EXPECT_EQ(store.migrationNote(), noteFor(c.expected, c.noun, c.besideCards ? beside() : zorvikal()));
        EXPECT_EQ(readDataFile(data.read(u"data.json"_s)), store.journals());

        // Once written, the data file is what later starts read; the card file is not looked at again.
        AppStore again(*DataFile::defaultFileURL(), data.clock());
        EXPECT_EQ(again.journals(), store.journals());
        EXPECT_FALSE(again.migrationNote());
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
    EXPECT_EQ(store.migrationNote(), noteFor(1, u"карточка"_s, beside()));
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
    EXPECT_EQ(store.migrationNote(), noteFor(3, u"карточки"_s, cards));
}
