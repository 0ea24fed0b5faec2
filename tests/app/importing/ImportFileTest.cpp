#include "app/importing/ImportFile.h"
#include "StoreSupport.h"
#include "TestSupport.h"
#include "core/templates/Templates.h"

#include <QTemporaryDir>

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Importing;

// A file read well is the user's journey; here every way reading it fails, in the user's language.
TEST(ImportFile, FailuresSayWhatWentWrong) {
    QTemporaryDir dir;
    const Journal journal = Templates::blank();
    const QString empty = dir.filePath(u"empty.csv"_s);
    ASSERT_TRUE(writeFile(empty, QByteArray()));
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
