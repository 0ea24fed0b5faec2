#include "views/kit/CommandButton.h"

#include <QActionEvent>

CommandButton::CommandButton(QWidget* parent) : QToolButton(parent) {}

void CommandButton::setOffered(bool offered) {
    m_offered = offered;
    setEnabled(offered);
}

void CommandButton::actionEvent(QActionEvent* event) {
    // Qt's tool button takes every state of its default action again, its enabled state too.
    QToolButton::actionEvent(event);
    if (event->type() == QEvent::ActionChanged)
        setEnabled(m_offered);
}
