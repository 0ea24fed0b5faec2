#pragma once

#include <QMainWindow>

class AppCommands;
class AppRouter;
class AppStore;
class ContentView;
class FilePanels;
class QSettings;

// The application's one window: the root content and the menu bar with the application's commands.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(AppStore& store, AppRouter& router, FilePanels& panels, QSettings& settings,
               QWidget* parent = nullptr);

    // Brings the window forward (and back on screen when minimised) before a menu command acts.
    void bringForward();

protected:
    void showEvent(QShowEvent* event) override;

private:
    ContentView* m_content = nullptr;
    AppCommands* m_commands = nullptr;
    bool m_placed = false;
};
