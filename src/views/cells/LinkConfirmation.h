#pragma once

#include <QList>
#include <QUrl>

class QMessageBox;
class QWidget;

namespace LinkActions {

// Opens a few links at once; for more than five asks first in a window-modal box over the parent window
// ("Открыть все" / "Отмена") and returns that box, which closes and deletes itself. Returns nullptr when
// nothing was asked.
QMessageBox* openConfirmingMany(QWidget* parent, const QList<QUrl>& urls);

} // namespace LinkActions
