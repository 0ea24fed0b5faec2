#include "views/kit/WaitCursor.h"

#include <QCursor>
#include <QFileInfo>
#include <QGuiApplication>

WaitCursor::WaitCursor() : WaitCursor(true) {}

WaitCursor::WaitCursor(bool shown) : m_shown(shown) {
    // The platform changes the cursor at once, so it shows although the work ahead blocks the event loop.
    if (m_shown)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

WaitCursor::~WaitCursor() {
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
}

WaitCursor WaitCursor::aroundSave(const QString& dataFile) {
    return WaitCursor(QFileInfo(dataFile).size() >= slowSaveBytes);
}
