#include "CSVDocument.h"
#include "ShellSamples.h"
#include "ShortcutText.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace testsupport;
using namespace Qt::StringLiterals;

TEST(CSVDocument, WritesWholeFileOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.csv"_s);
    ASSERT_TRUE(writeFile(path, "old contents that are longer"));
    EXPECT_EQ(CSVDocument{"new"}.write(path), std::nullopt);
    EXPECT_EQ(readFile(path), QByteArray("new"));

    const std::optional<QString> missing = CSVDocument{"x"}.write(dir.filePath(u"no/such/out.csv"_s));
    ASSERT_TRUE(missing);
    EXPECT_TRUE(missing->startsWith(u"папка")) << missing->toStdString();
    const std::optional<QString> folder = CSVDocument{"x"}.write(dir.path());
    ASSERT_TRUE(folder);
    EXPECT_EQ(*folder, u"по этому пути находится папка");
}

TEST(ShortcutText, HelpTextsNameTheirKeys) {
    EXPECT_EQ(withShortcut(u"Импорт записей из CSV"_s, AppKeys::importCSV()),
              u"Импорт записей из CSV (Ctrl+Shift+I)");
    EXPECT_EQ(shortcutText(AppKeys::newJournal()), u"Meta+Ctrl+N");
}
