#include "MainWindow.h"
#include "AppRouter.h"
#include "Store.h"
#include "StoreSupport.h"

#include <QTest>

using namespace testsupport;

TEST(MainWindow, OneWindowWithItsTitleAndSizes) {
    TempDataFolder folder;
    AppStore store(folder.dataPath(), folder.clock());
    AppRouter router(folder.clock());
    MainWindow window(store, router);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(window.windowTitle(), u"Vostrel Учёт");
    EXPECT_EQ(window.size(), QSize(1440, 860));
    window.resize(600, 400);
    EXPECT_GE(window.centralWidget()->width(), 1050);
    EXPECT_GE(window.centralWidget()->height(), 680);
}
