#pragma once

#include <QObject>

class QKeyEvent;
class QWidget;

// A tab's keys work from anywhere in its window while the tab is shown, its text boxes included. A text
// box claims the keys its platform binds to editing before any window key is asked (under X11 Ctrl+E moves
// a line box's cursor to the end of the line), so a tab's key could do nothing there. While the tab is
// shown, a key that one of its enabled actions takes is left to that action, in every box of its window;
// the boxes keep their other bindings, and the key of a disabled action stays the box's.
class TabKeys : public QObject {
    Q_OBJECT
public:
    // Watches the keys for `tab`, whose actions are its keys; lives as long as the tab.
    explicit TabKeys(QWidget* tab);

    // Whether one of the tab's enabled actions takes the pressed key.
    bool takes(const QKeyEvent& key) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_tab;
};
