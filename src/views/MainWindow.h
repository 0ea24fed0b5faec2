#pragma once

#include <QMainWindow>

class AppRouter;
class AppStore;
class ContentView;
class FilePanels;

// The application's one window, hosting the root content. Closing it quits the application.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppStore& store, AppRouter& router, FilePanels& panels, QWidget* parent = nullptr);

    ContentView* content() const { return m_content; }

private:
    ContentView* m_content = nullptr;
};
