#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QString>
#include <QUuid>

#include <optional>

// What the window's shell shows, computed from the journals and the navigation state alone, so that
// every rule is reachable without a widget.
namespace ShellRules {

// The product's name: the window's title while no journal is shown, the welcome screen's title and the
// title of every alert that is not a data error.
extern const QString productName;

// The selection after a repair: the selected journal when it still exists, else the first journal, else
// nothing.
std::optional<QUuid> repairedSelection(const QList<Journal>& journals, const std::optional<QUuid>& selected);

// The window's title: the shown journal's name, else the product's name.
QString mainWindowTitle(const std::optional<Journal>& shown);

// The title of the confirmation before a journal is deleted, counting all its records.
QString deleteJournalTitle(const std::optional<Journal>& journal);
QString deleteJournalMessage();

// The one alert of the window: a store error comes first and gives the title "Ошибка данных"; otherwise
// the router's message under the product's name. Nothing when neither is set (an empty message still
// shows). A store error and a message that reports a failure are shown as warnings.
struct AlertContent {
    QString title;
    QString text;
    bool warning = false;
    bool operator==(const AlertContent&) const = default;
};
std::optional<AlertContent> alertContent(const std::optional<QString>& lastError,
                                         const std::optional<QString>& message, bool messageIsFailure);

// The View menu's sidebar command, named after what it will do.
QString sidebarCommandTitle(bool sidebarShown);

// The sidebar's record count badge: the count grouped in thousands ("10 000"), or nothing for a journal
// without records.
QString recordCountBadge(const Journal& journal);

// The notices after the save panel.
QString exportSavedMessage(const QString& path);
QString exportFailedMessage(const QString& reason);

} // namespace ShellRules
