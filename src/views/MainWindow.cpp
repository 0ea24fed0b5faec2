#include "MainWindow.h"

#include <QWidget>

MainWindow::MainWindow(AppStore&, AppRouter&, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Vostrel Учёт"));
    auto* content = new QWidget(this);
    content->setMinimumSize(1050, 680);
    setCentralWidget(content);
    resize(1440, 860);
}
