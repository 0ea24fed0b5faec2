#include "importing/ImportFile.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "templates/Templates.h"

#include <QTemporaryDir>

using namespace testsupport;
using namespace Qt::StringLiterals;

TEST(ImportFile, Outcomes) {
    QTemporaryDir dir;
    const Journal journal = Templates::blank();
    const QString good = dir.filePath(u"товары.csv"_s);
    ASSERT_TRUE(writeFile(good, "\xEF\xBB\xBF" + (journal.fields.first().name + u"\r\nЧай\r\n"_s).toUtf8()));
    const QString empty = dir.filePath(u"empty.csv"_s);
    ASSERT_TRUE(writeFile(empty, QByteArray()));

    const ImportOutcome ok = readImportFile(good, journal, Calendar{}, systemNow);
    ASSERT_TRUE(std::holds_alternative<ImportPreviewItem>(ok));
    const auto& item = std::get<ImportPreviewItem>(ok);
    EXPECT_EQ(item.journalID, journal.id);
    EXPECT_EQ(item.fileName, u"товары.csv");
    EXPECT_EQ(item.result.rows.size(), 1);

    const struct {
        QString path;
        const char* message;
    } failures[] = {
        {empty, "Файл пустой."},
        {dir.filePath(u"missing.csv"_s), "Файл «missing.csv» не найден."},
        {dir.path(), nullptr},
    };
    for (const auto& f : failures) {
        const ImportOutcome outcome = readImportFile(f.path, journal, Calendar{}, systemNow);
        ASSERT_TRUE(std::holds_alternative<QString>(outcome)) << f.path.toStdString();
        const QString& message = std::get<QString>(outcome);
        EXPECT_FALSE(message.startsWith(u"Не удалось открыть файл: ")) << message.toStdString();
        if (f.message) {
            EXPECT_EQ(message, QString::fromUtf8(f.message));
        }
    }
}
