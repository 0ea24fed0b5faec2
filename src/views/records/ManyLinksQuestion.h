#pragma once

#include <QList>
#include <QUrl>

class QMessageBox;
class QWidget;

// Opens the links of the records a command aims at: a few at once; for more than five it asks first in a
// window-modal box over the parent window ("Открыть все" / "Отмена") and returns that box, which closes and
// deletes itself. Returns nullptr when nothing was asked.
QMessageBox* openLinksAskingForMany(QWidget* parent, const QList<QUrl>& urls);
