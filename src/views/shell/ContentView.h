#pragma once

#include <QList>
#include <QUuid>
#include <QWidget>

class AppCommands;
class AppRouter;
class AppStore;
class FilePanels;
class JournalDetailView;
class QSettings;
class QSplitter;
class QStackedWidget;
class SheetHost;
class SidebarView;
class WelcomeView;

// The content of the window: the sidebar beside the selected journal's screen (or the welcome screen). It
// keeps the selection on an existing journal; what the router asks to open over the window, its SheetHost
// presents.
class ContentView : public QWidget {
    Q_OBJECT
public:
    ContentView(AppStore& store, AppRouter& router, AppCommands& commands, FilePanels& panels,
                QSettings& settings, QWidget* parent = nullptr);
    ~ContentView() override;

    // The user may hide the sidebar (the View menu's command, or by dragging the divider to the edge) and
    // show it again at its former width. Held for the run only.
    bool sidebarShown() const { return m_sidebarShown; }
    void setSidebarShown(bool shown);

signals:
    void sidebarShownChanged(bool shown);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void fixSelection();
    void journalsChanged();
    void refreshDetail();
    void dividerMoved();

    AppStore& m_store;
    AppRouter& m_router;
    QList<QUuid> m_journalIDs;

    QSplitter* m_splitter = nullptr;
    SidebarView* m_sidebar = nullptr;
    QStackedWidget* m_detailStack = nullptr;
    WelcomeView* m_welcome = nullptr;
    JournalDetailView* m_detail = nullptr;
    bool m_sidebarShown = true;
    int m_sidebarWidth = 0; // the width to show a hidden sidebar at
    SheetHost* m_sheets = nullptr;
};
