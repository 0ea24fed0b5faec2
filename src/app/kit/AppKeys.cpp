#include "app/kit/AppKeys.h"

#include <QList>

QKeySequence AppKeys::quit() {
    const QList<QKeySequence> bindings = QKeySequence::keyBindings(QKeySequence::Quit);
    return bindings.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : bindings.first();
}
