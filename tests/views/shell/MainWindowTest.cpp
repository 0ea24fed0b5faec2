#include "ShellFixture.h"
#include "app/shell/AppCommands.h"
#include "core/templates/Templates.h"

#include <QAction>
#include <QMenuBar>
#include <QSplitter>
#include <QToolButton>

using namespace TestSupport;
using namespace Qt::StringLiterals;

TEST(MainWindow, MenusHoldTheCommandGroups) {
    Journal sales = Templates::sales();
    sales.batchTitle = u"Несколько записей"_s;
    Shell shell({sales});
    const QList<QAction*> menus = shell.window->menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), u"Файл");
    EXPECT_EQ(menus[1]->text(), u"Вид");
    EXPECT_EQ(menuTitles(menus[0]->menu()),
              (QStringList{u"Несколько записей…"_s, u"Одна запись…"_s, u"—"_s, u"Новый журнал…"_s, u"—"_s,
                           u"Импорт из CSV…"_s, u"Экспорт журнала в CSV…"_s, u"—"_s, u"Выход"_s}));
    EXPECT_EQ(menuTitles(menus[1]->menu()), (QStringList{u"Итоги"_s, u"Записи"_s, u"Настройки журнала…"_s,
                                                         u"—"_s, u"Скрыть боковую панель"_s}));
}

// The sidebar hides and comes back at the width it had; the command names what it will do.
TEST(MainWindow, TheSidebarCommandHidesAndShowsTheSidebar) {
    Shell shell({Templates::blank()});
    auto* splitter = shell.window->findChild<QSplitter*>();
    auto* command = shell.window->findChild<QAction*>(u"toggleSidebar"_s);
    ASSERT_TRUE(splitter && command);
    EXPECT_TRUE(splitter->isCollapsible(0));
    EXPECT_FALSE(splitter->isCollapsible(1));
    splitter->setSizes({300, 1140});
    QTest::keyClick(shell.window.get(), Qt::Key_S, Qt::ControlModifier | Qt::MetaModifier);
    EXPECT_EQ(splitter->sizes().first(), 0);
    EXPECT_EQ(command->text(), u"Показать боковую панель");
    command->trigger();
    EXPECT_EQ(splitter->sizes().first(), 300);
    EXPECT_EQ(command->text(), u"Скрыть боковую панель");
}

// A command is one action wherever it shows, so its title, enabled state and target cannot drift apart.
TEST(MainWindow, TheToolbarShowsTheMenusCommands) {
    Shell shell({Templates::sales()});
    const QList<QAction*> menus = shell.window->menuBar()->actions();
    const QList<QAction*> commands = menus[0]->menu()->actions() + menus[1]->menu()->actions();
    for (const auto& [action, button] :
         {std::pair{"primaryAdd", "addButton"}, std::pair{"importCSV", "importButton"},
          std::pair{"exportCSV", "exportButton"}, std::pair{"journalSettings", "settingsButton"}}) {
        auto* command = shell.window->findChild<QAction*>(QString::fromLatin1(action));
        ASSERT_TRUE(command) << action;
        EXPECT_EQ(shell.shown<QToolButton>(QString::fromLatin1(button))->defaultAction(), command) << action;
        EXPECT_TRUE(commands.contains(command)) << action;
    }
    EXPECT_TRUE(shell.shown<QToolButton>(u"addButton"_s)
                    ->menu()
                    ->actions()
                    .contains(shell.window->findChild<QAction*>(u"singleRecord"_s)));
}

// The window first opens at its ideal size where the screen has room for it, frame and all within a
// laptop's room where not, and never below its least size (a netbook's screen is lower than that).
TEST(MainWindow, OpensWithinItsScreenDownToItsLeastSize) {
    const QSize least = Shell({}, false).window->minimumSizeHint();
    for (const char* name : {"desktop", "laptop", "netbook"}) {
        Shell shell({Templates::sales()}, false);
        QScreen* screen = screenNamed(QString::fromLatin1(name));
        shell.window->setScreen(screen);
        shell.window->move(screen->availableGeometry().topLeft());
        shell.show();
        const QSize size = shell.window->size();
        if (name == std::string_view("desktop"))
            EXPECT_EQ(size, QSize(1440, 860));
        else if (name == std::string_view("laptop"))
            EXPECT_TRUE(screen->availableGeometry().contains(shell.window->frameGeometry()) &&
                        size.width() > 1300)
                << size.width() << " × " << size.height();
        else
            EXPECT_EQ(size, least) << name;
    }
}
