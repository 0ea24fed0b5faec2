#pragma once

#include <QList>
#include <QWidget>

class AppCommands;
class AppRouter;
class CommandButton;
class QButtonGroup;
class QFrame;
class QMenu;
class QToolButton;
struct Journal;

// The journal screen's toolbar: the tab switch in the middle of the window, the add menu, import, export
// and settings at its end. The switch keeps its place whatever the buttons' titles, so it does not move
// under the pointer when another journal is shown; the buttons show their symbols alone where their
// titles would run into it.
class JournalToolbar : public QWidget {
    Q_OBJECT
public:
    JournalToolbar(AppRouter& router, AppCommands& commands, QWidget* parent = nullptr);

    // Shows the router's tab and the journal's add menu and export state.
    void refresh(const Journal& journal);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QString titles() const;
    void arrange();
    // Shows the buttons' titles beside their symbols, or the symbols alone; gives the buttons' width then.
    int showTitles(bool shown);

    AppRouter& m_router;
    AppCommands& m_commands;
    QFrame* m_picker;
    QButtonGroup* m_tabs;
    QWidget* m_trailing;
    QList<QToolButton*> m_buttons;
    QToolButton* m_add = nullptr;
    CommandButton* m_export = nullptr;
    QMenu* m_addMenu = nullptr;
    // The buttons' width with their symbols alone, the least the bar needs beside the switch.
    int m_symbolsWidth = 0;
    // The buttons' titles when they were last placed.
    QString m_arrangedTitles;
    // Whether the add button has a title of its own: a journal's batch title may be empty, and an action
    // without a button title would show its menu title there.
    bool m_addTitled = true;
};
