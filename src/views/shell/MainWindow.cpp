#include "views/shell/MainWindow.h"

#include "app/kit/AppKeys.h"
#include "app/shell/AppCommands.h"
#include "app/shell/ShellRules.h"
#include "views/kit/Icons.h"
#include "views/kit/SheetSize.h"
#include "views/kit/Style.h"
#include "views/shell/ContentView.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QShowEvent>

using namespace Qt::StringLiterals;

MainWindow::MainWindow(AppStore& store, AppRouter& router, FilePanels& panels, QSettings& settings,
                       QWidget* parent)
    : QMainWindow(parent) {
    setObjectName(u"main"_s);
    setWindowTitle(ShellRules::productName);
    m_commands = new AppCommands(
        store, router, [this] { bringForward(); }, [](const QString& symbol) { return Icons::icon(symbol); },
        this);
    Style::makeDestructive(m_commands->deleteJournal());
    m_content = new ContentView(store, router, *m_commands, panels, settings, this);
    setCentralWidget(m_content);
    resize(1440, 860);

    QMenu* file = menuBar()->addMenu(u"Файл"_s);
    file->addActions(m_commands->newItemGroup());
    file->addSeparator();
    file->addActions(m_commands->importExportGroup());
    file->addSeparator();
    QAction* quit = file->addAction(u"Выход"_s, qApp, &QApplication::closeAllWindows);
    quit->setShortcut(AppKeys::quit());
    quit->setMenuRole(QAction::QuitRole);
    QMenu* view = menuBar()->addMenu(u"Вид"_s);
    view->addActions(m_commands->viewGroup());
    // Titles and enabled states are fresh whenever a menu opens, not only after a change was announced.
    connect(m_commands, &AppCommands::toggleSidebarRequested, this,
            [this] { m_content->setSidebarShown(!m_content->sidebarShown()); });
    connect(m_content, &ContentView::sidebarShownChanged, m_commands, &AppCommands::setSidebarShown);
    connect(file, &QMenu::aboutToShow, m_commands, &AppCommands::refresh);
    connect(view, &QMenu::aboutToShow, m_commands, &AppCommands::refresh);
}

void MainWindow::showEvent(QShowEvent* event) {
    // A laptop's screen is lower and narrower than the window's first size, which would put the toolbar's
    // last buttons and the sidebar's foot past its edges. The first time the window comes on screen it
    // keeps within the room its screen gives; its least size still holds.
    if (!m_placed && !event->spontaneous()) {
        m_placed = true;
        resize(size().boundedTo(SheetSize::room(this)));
    }
    QMainWindow::showEvent(event);
}

void MainWindow::bringForward() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}
