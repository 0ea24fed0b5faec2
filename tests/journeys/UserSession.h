#pragma once

#include "ShellFixture.h"
#include "app/kit/AppKeys.h"
#include "records/SheetTyping.h"

#include <QComboBox>
#include <QKeySequence>
#include <QTableView>

#include <memory>

// The application as its user meets it: one data folder that outlives the runs, and at most one run of the
// real window at a time. A start reads the data file as the application's own start does; a quit is the
// quit key. The clock stands still until the story moves it.
struct UserSession {
    TestSupport::TempDataFolder folder;
    Calendar calendar{TestSupport::zone("Europe/Moscow")};
    std::unique_ptr<AppStore> store;
    std::unique_ptr<AppRouter> router;
    FakePanels panels;
    // The preferences file lives in the folder too, so the next run finds what this one kept.
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;

    ~UserSession() { window.reset(); }
    void start();
    void quit();
    void later(int minutes) { folder.now = folder.now.addSecs(minutes * 60); }
    // What the data file holds, read by a store of its own the way the next start would read it.
    QList<Journal> dataFile() const {
        return AppStore(folder.dataPath(), folder.clock(), calendar).journals();
    }
    // Writes the journals as an earlier run would have left them.
    void runBefore(const QList<Journal>& journals);
    // Records as the user would have typed them, a row of texts under the named fields for each, in their
    // starting status.
    QList<Record> typed(const Journal& journal, const QStringList& fields,
                        const QList<QStringList>& rows) const;
};

// Each record as its cells show the values of these fields, ";" between them; "Статус" names its status.
QStringList storedRows(const Journal& journal, const QStringList& fields);

// The visible widget with this object name, the field name it carries for assistive technology, or the
// button text; in `within` or in any window.
QWidget* visibleWidget(const QList<QWidget*>& candidates, const QString& name);
template <class T = QWidget> T* seen(const QString& name, QWidget* within = nullptr) {
    QList<QWidget*> candidates;
    for (QWidget* top : within ? QWidgetList{within} : QApplication::topLevelWidgets())
        for (T* w : top->findChildren<T*>())
            candidates.append(w);
    return static_cast<T*>(visibleWidget(candidates, name));
}
// The most recently opened window or sheet of type T on screen.
template <class T> T* onScreen() {
    T* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* w = qobject_cast<T*>(top); w && w->isVisible())
            found = w;
    return found;
}

// Doing what a user does. Keys go to the front window; a box is clicked into and typed over; a combo box's
// entry is typed into its open list and taken with Return.
void click(QWidget* target);
void clickButton(const QString& text, QWidget* within = nullptr);
void pressKeys(const QKeySequence& keys);
void typeInto(const QString& name, const QString& text, QWidget* within = nullptr);
void choose(QComboBox* box, const QString& entry);
// A right click, with the context menu request the platform makes of it; then an entry of that menu.
void rightClick(QWidget* target, QPoint at);
void chooseFromMenu(const QString& entry);
// Tables and lists: a column's texts found by its header; clicks on a header, a row, a list's row by text.
QStringList tableColumn(QAbstractItemView* table, const QString& header);
void clickHeader(QTableView* table, const QString& header);
void clickRow(QTableView* table, int row, Qt::KeyboardModifiers modifiers = {}, bool twice = false);
QPoint rowCentre(QAbstractItemView* list, const QString& text);
void clickListRow(QAbstractItemView* list, const QString& text);
// Clicks a button of the message box on screen and gives back its heading and text, a line apart.
QString answer(const QString& button);
