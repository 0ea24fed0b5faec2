#pragma once

#include "ShellFixture.h"
#include "ShortcutText.h"
#include "records/SheetTyping.h"

#include <QComboBox>
#include <QKeySequence>
#include <QMessageBox>
#include <QTableView>
#include <QWidget>

#include <memory>

// The application as its user meets it: one data folder that outlives the runs, and at most one run of the
// real window at a time. A start reads the data file as the application's own start does; a quit is the
// quit key. The clock stands still until the story moves it.
struct UserSession {
    testsupport::TempDataFolder folder;
    Calendar calendar{testsupport::zone("Europe/Moscow")};
    std::unique_ptr<AppStore> store;
    std::unique_ptr<AppRouter> router;
    FakePanels panels;
    // The preferences file lives in the folder too, so the next run finds what this one kept.
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<MainWindow> window;

    ~UserSession();

    void start();
    void quit();
    // Time passes.
    void later(int minutes) { folder.now = folder.now.addSecs(minutes * 60); }
    // What the data file holds, read by a store of its own the way the next start would read it.
    QList<Journal> dataFile() const;
    // Writes the journals as an earlier run would have left them.
    void runBefore(const QList<Journal>& journals);
    // A record of the journal as the user would have typed it, text by field name, in its starting status.
    Record typed(const Journal& journal, std::initializer_list<std::pair<QString, QString>> texts) const;
};

// Reading records back by what the user sees: a value as its cell shows it, the status by its name.
QString shown(const Journal& journal, const Record& record, const QString& fieldName);
QString statusName(const Journal& journal, const Record& record);

// Finding what is on screen. Names are object names or, for the rows of a form, the field's name that the
// box carries as its accessible name; only widgets the user can see count.
QWidget* visibleWidget(const QList<QWidget*>& candidates, const QString& name);
template <class T = QWidget> T* seen(const QString& name, QWidget* within = nullptr) {
    QList<QWidget*> candidates;
    if (within) {
        for (T* w : within->findChildren<T*>())
            candidates.append(w);
    } else {
        for (QWidget* top : QApplication::topLevelWidgets())
            for (T* w : top->findChildren<T*>())
                candidates.append(w);
    }
    return static_cast<T*>(visibleWidget(candidates, name));
}
// The window or sheet of type T on screen, the most recently opened one when there are several.
template <class T> T* onScreen() {
    T* found = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* w = qobject_cast<T*>(top); w && w->isVisible())
            found = w;
    return found;
}
// The visible form section with this heading, to tell apart boxes that carry one field's name.
QWidget* section(const QString& title, QWidget* within = nullptr);

// Doing what a user does.
void click(QWidget* target);
void clickButton(const QString& text, QWidget* within = nullptr);
// A right click, with the context menu request the platform makes of it; then an entry of the menu it opened.
void rightClick(QWidget* target, QPoint at);
void chooseFromMenu(const QString& entry);
// Clicks into the box and types over what it held.
void typeInto(QWidget* box, const QString& text);
void typeInto(const QString& name, const QString& text, QWidget* within = nullptr);
// Keys pressed in the front window, where its keyboard focus is.
void pressKeys(const QKeySequence& keys);
// Opens the list, types the entry's text into it and takes it with Return.
void choose(QComboBox* box, const QString& entry);
// Tables: what a column shows row by row, found by its header; clicks on a header or a row.
QStringList tableColumn(QAbstractItemView* table, const QString& header);
void clickHeader(QTableView* table, const QString& header);
void clickRow(QTableView* table, int row, Qt::KeyboardModifiers modifiers = {});
void doubleClickRow(QTableView* table, int row);
// The middle of the row of a list that shows this text, and a click there.
QPoint rowCentre(QAbstractItemView* list, const QString& text);
void clickListRow(QAbstractItemView* list, const QString& text);
// Clicks a button of the message box on screen; its heading and text, a line apart, come back for checking.
QString answer(const QString& button);
