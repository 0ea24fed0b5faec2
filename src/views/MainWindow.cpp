#include "MainWindow.h"

#include "ContentView.h"

MainWindow::MainWindow(AppStore& store, AppRouter& router, FilePanels& panels, QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Vostrel Учёт"));
    m_content = new ContentView(store, router, panels, this);
    setCentralWidget(m_content);
    resize(1440, 860);
}
