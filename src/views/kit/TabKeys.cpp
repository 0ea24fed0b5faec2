#include "views/kit/TabKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

TabKeys::TabKeys(QWidget* tab) : QObject(tab), m_tab(tab) {
    // The boxes of the window are many and come and go with the filter bar's fields: the key is asked
    // about wherever it goes first.
    qApp->installEventFilter(this);
}

bool TabKeys::takes(const QKeyEvent& key) const {
    // The keypad's Enter is the same key to the tab as Return is, with its own binding.
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    const QList<QAction*> actions = m_tab->actions();
    return std::any_of(actions.cbegin(), actions.cend(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

bool TabKeys::eventFilter(QObject* watched, QEvent* event) {
    // Before a key reaches a window's shortcuts, the focused widget and its parents are asked whether they
    // want it themselves; an event left unaccepted lets the shortcut run.
    if (event->type() != QEvent::ShortcutOverride || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    if (!m_tab->isVisible() || widget->window() != m_tab->window() || !takes(*static_cast<QKeyEvent*>(event)))
        return false;
    event->ignore();
    return true;
}
