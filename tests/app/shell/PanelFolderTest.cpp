#include "app/shell/PanelFolder.h"
#include "StoreSupport.h"

#include <QDir>

using namespace TestSupport;
using namespace Qt::StringLiterals;

// A panel opens in the folder of the file last chosen while that folder is there, else in the documents
// folder while it is there, else at home; the folder the application was started from plays no part.
TEST(PanelFolder, IsTheLastUsedThenDocumentsThenHome) {
    const FakeHome home;
    const QString documents = home.path(u"Documents"_s);
    const QString exports = home.path(u"Выгрузки"_s);
    ASSERT_TRUE(QDir().mkpath(exports));
    const struct {
        const char* what;
        QString lastUsed;
        bool documentsMade;
        QString expected;
    } cases[] = {
        {"first panel, no documents folder", {}, false, home.dir.path()},
        {"a file was chosen", exports, false, exports},
        {"its folder removed since", home.path(u"Удалённая"_s), true, documents},
    };
    for (const auto& c : cases) {
        if (c.documentsMade)
            ASSERT_TRUE(QDir().mkpath(documents));
        else
            ASSERT_TRUE(QDir(documents).removeRecursively());
        EXPECT_EQ(QDir(panelStartFolder(c.lastUsed)), QDir(c.expected)) << c.what;
    }
}
