#include "app/CSVDocument.h"
#include "ShellSamples.h"
#include "TestSupport.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace TestSupport;
using namespace Qt::StringLiterals;

TEST(CSVDocument, WritesWholeFileOrSaysWhyNot) {
    QTemporaryDir dir;
    const QString path = dir.filePath(u"out.csv"_s);
    ASSERT_TRUE(writeFile(path, "old contents that are longer"));
    QString untouched = u"before"_s;
    EXPECT_TRUE(CSVDocument{"new"}.write(path, &untouched));
    EXPECT_EQ(untouched, u"before") << "a good write says nothing";
    EXPECT_EQ(readFile(path), QByteArray("new"));

    QString missing;
    ASSERT_FALSE(CSVDocument{"x"}.write(dir.filePath(u"no/such/out.csv"_s), &missing));
    EXPECT_TRUE(missing.startsWith(u"папка")) << missing.toStdString();
    QString folder;
    ASSERT_FALSE(CSVDocument{"x"}.write(dir.path(), &folder));
    EXPECT_EQ(folder, u"по этому пути находится папка");
    EXPECT_FALSE(CSVDocument{"x"}.write(dir.path())) << "the description is optional";
}

// A file size limit makes writes fail as a full disk does: a small export only where a buffered writer
// flushes, a large one at its first write. The old file stays and no temporary file is left beside it.
TEST(CSVDocument, AFullDiskKeepsTheOldFile) {
    std::signal(SIGXFSZ, SIG_IGN);
    for (const qsizetype size : {2000, 100000}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"out.csv"_s);
        ASSERT_TRUE(writeFile(path, "old"));
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const rlimit small{1000, old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &small);
        QString failure;
        const bool written = CSVDocument{QByteArray(size, 'x')}.write(path, &failure);
        setrlimit(RLIMIT_FSIZE, &old);
        EXPECT_FALSE(written) << size;
        EXPECT_EQ(failure, u"не удалось записать данные (возможно, диск заполнен)"_s) << size;
        EXPECT_EQ(readFile(path), QByteArray("old")) << size;
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"out.csv"_s}) << size;
    }
}

TEST(ShortcutText, HelpTextsNameTheirKeys) {
    EXPECT_EQ(withShortcut(u"Импорт записей из CSV"_s, AppKeys::importCSV()),
              u"Импорт записей из CSV (Ctrl+Shift+I)");
    EXPECT_EQ(shortcutText(AppKeys::newJournal()), u"Meta+Ctrl+N");
}
