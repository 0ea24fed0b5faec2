#pragma once

#include "StoreSupport.h"
#include "TestSupport.h"
#include "app/AppRouter.h"
#include "core/csv/CSVImport.h"
#include "core/store/AppStore.h"
#include "views/shell/ContentView.h"
#include "views/shell/FilePanels.h"
#include "views/shell/JournalDetailView.h"
#include "views/shell/MainWindow.h"
#include "views/shell/SidebarView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <memory>

// The first visible widget of type T inside `within`, or nullptr; a name, when given, is its object name or
// the field name it carries for assistive technology. A widget added to a shown one comes on screen with
// the next pass of the event loop, as the user would see it.
template <class T = QWidget> T* visibleIn(const QWidget* within, const QString& name = {}) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    for (T* widget : within->findChildren<T*>()) {
        if (widget->isVisible() &&
            (name.isEmpty() || widget->objectName() == name || widget->accessibleName() == name))
            return widget;
    }
    return nullptr;
}

// A screen of the tests' platform (main.cpp): "desktop", 1920 × 1080, where windows open, "laptop",
// 1366 × 768, or "netbook", 1024 × 600.
inline QScreen* screenNamed(const QString& name) {
    for (QScreen* screen : QGuiApplication::screens()) {
        if (screen->name() == name)
            return screen;
    }
    ADD_FAILURE() << "no screen " << name.toStdString();
    return QGuiApplication::primaryScreen();
}

// File panels that answer when the test says so.
struct FakePanels : FilePanels {
    int opens = 0;
    int saves = 0;
    QString defaultName;
    Done openDone;
    Done saveDone;

    void openFile(QWidget*, Done done) override {
        ++opens;
        openDone = std::move(done);
    }
    void saveFile(QWidget*, const QString& name, Done done) override {
        ++saves;
        defaultName = name;
        saveDone = std::move(done);
    }
    void answerOpen(const QString& path) { std::exchange(openDone, {})(path); }
    void answerSave(const QString& path) { std::exchange(saveDone, {})(path); }
};

// The whole shell on a data folder of its own: a store with the given journals, the router, fake panels
// and the main window, shown unless the test still has something to do before. Store and router read the
// folder's clock unless the test gives one.
struct Shell {
    TestSupport::TempDataFolder folder;
    std::unique_ptr<AppStore> store;
    std::unique_ptr<AppRouter> router;
    FakePanels panels;
    // The application's preferences in an INI file of the test's own folder.
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;

    explicit Shell(const QList<Journal>& journals = {}, bool shown = true, const Clock& clock = {}) {
        const Clock now = clock ? clock : folder.clock();
        store =
            std::make_unique<AppStore>(folder.dataPath(), now, Calendar{TestSupport::zone("Europe/Moscow")});
        for (const Journal& journal : journals)
            store->addJournal(journal);
        router = std::make_unique<AppRouter>(now, Calendar{TestSupport::zone("Europe/Moscow")});
        settings = std::make_unique<QSettings>(folder.dir.filePath(QStringLiteral("settings.ini")),
                                               QSettings::IniFormat);
        window = std::make_unique<MainWindow>(*store, *router, panels, *settings);
        if (shown)
            show();
    }
    ~Shell() {
        // Close whatever the test left open before the objects it points at go.
        window.reset();
    }

    ContentView& content() const { return *window->findChild<ContentView*>(); }
    SidebarView* sidebar() const { return window->findChild<SidebarView*>(QStringLiteral("sidebar")); }
    JournalDetailView* detail() const {
        return window->findChild<JournalDetailView*>(QStringLiteral("journalDetail"));
    }
    // What the user sees: the visible widget of type T in the window (sheets and boxes are its children).
    template <class T = QWidget> T* shown(const QString& name = {}) const {
        return visibleIn<T>(window.get(), name);
    }
    // Puts the window on the screen, no larger than the screen, as a window manager keeps it.
    void moveTo(QScreen* screen) {
        window->setScreen(screen);
        const QRect room = screen->availableGeometry();
        window->move(room.topLeft());
        window->resize(window->size().boundedTo(room.size()));
    }
    void show() {
        window->show();
        QApplication::setActiveWindow(window.get());
        (void)QTest::qWaitForWindowExposed(window.get());
    }
};

// Opens the import preview of a file of one order, its number and amount, into the journal.
inline void openOrderImport(Shell& shell, const Journal& journal) {
    const QString file = QStringLiteral("Номер заказа;Сумма\r\nЗ-1;87 764,15\r\n");
    const auto result =
        CSVService::prepareImport(file, journal, shell.router->calendar(), shell.router->clock(), nullptr);
    ASSERT_TRUE(result);
    shell.router->setImportPreview(
        ImportPreviewItem{QUuid::createUuid(), journal.id, QStringLiteral("заказы.csv"), *result});
}

inline QAbstractButton* boxButton(QMessageBox* box, const QString& text) {
    const QList<QAbstractButton*> buttons = box->buttons();
    const auto it = std::find_if(buttons.begin(), buttons.end(), [&](auto* b) { return b->text() == text; });
    return it == buttons.end() ? nullptr : *it;
}

// A menu's item titles, a separator as "—".
inline QStringList menuTitles(QMenu* menu) {
    QStringList titles;
    for (QAction* a : menu->actions())
        titles.append(a->isSeparator() ? QStringLiteral("—") : a->text());
    return titles;
}
