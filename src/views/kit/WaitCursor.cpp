#include "views/kit/WaitCursor.h"

#include "core/store/Store.h"

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

WaitCursor WaitCursor::aroundSave(const AppStore& store) {
    return WaitCursor(QFileInfo(store.fileURL()).size() >= slowSaveBytes);
}
