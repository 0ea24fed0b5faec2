#pragma once

#include <QMainWindow>

class AppRouter;
class AppStore;

// The application's one window. Closing it quits the application.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppStore& store, AppRouter& router, QWidget* parent = nullptr);
};
