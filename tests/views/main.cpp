#include "views/kit/Icons.h"
#include "views/kit/Style.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QStandardPaths::setTestModeEnabled(true);
    // Headless always, also when the test list is read outside the test environment.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Screens of real sizes instead of the platform's own 800 × 800, smaller than the window: a desktop's,
    // where windows open, and beside it a laptop's and a netbook's, lower than some sheets or all.
    QTemporaryFile screens;
    if (qgetenv("QT_QPA_PLATFORM") == "offscreen" && screens.open()) {
        screens.write(R"({"screens": [
            {"name": "desktop", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96},
            {"name": "laptop", "x": 1920, "y": 0, "width": 1366, "height": 768, "logicalDpi": 96},
            {"name": "netbook", "x": 3286, "y": 0, "width": 1024, "height": 600, "logicalDpi": 96}]})");
        screens.flush();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    Icons::install();
    Style::install();
    QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia));
    // Nothing here may touch the user's data file.
    QTemporaryDir data;
    qputenv("VOSTREL_DATA_FILE", data.filePath(QStringLiteral("data.json")).toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
