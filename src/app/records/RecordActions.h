#pragma once

#include "core/model/Model.h"

#include <QKeySequence>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QUuid>

#include <optional>

namespace Records {

// What the records tab's action bar and context menu offer for the selected records, worked out without
// widgets.

// A status button of the bar: one of the journal's first five statuses.
struct QuickStatus {
    StatusDef status;
    int position = 0;     // among the first five, from 0
    bool primary = false; // the status the journal's main quick action sets: drawn prominent
    QList<QKeySequence> keys;
    QString help;
    bool operator==(const QuickStatus&) const = default;
};

// A command of the bar: its title, its keys and its help text, and whether it can act now.
struct BarCommand {
    QString title;
    QList<QKeySequence> keys;
    QString help;
    bool enabled = false;
    bool operator==(const BarCommand&) const = default;
};

struct ActionBarContent {
    QList<QuickStatus> quick;
    QList<StatusDef> more;           // the statuses from the sixth on, in the "Ещё статусы" menu
    std::optional<FieldDef> counter; // the counter's number field; nothing hides the counter buttons
    BarCommand counterUp, counterDown;
    std::optional<BarCommand> link; // only when the journal has link fields
    BarCommand copy, edit, remove;
    bool enabled = false; // anything selected: every control of the bar is off otherwise
};

namespace RecordActions {

// The quick statuses' keys: the primary status takes Ctrl+Return (and the keypad's Enter); every other
// one the digit of its position. A primary status beyond the fifth has no key at all.
QList<QKeySequence> statusShortcut(const Journal& journal, const StatusDef& status, int position);

// The bar for `selected` selected records, `links` of which the selection's link fields make usable.
ActionBarContent actionBar(const Journal& journal, qsizetype selected, qsizetype links);

// One item of the table's context menu.
struct MenuEntry {
    enum class Kind {
        separator,
        status,
        counter,
        openLinks,
        copyLink,
        edit,
        moreLikeThis,
        duplicate,
        copyText,
        remove
    };
    Kind kind = Kind::separator;
    QString title;
    std::optional<QUuid> statusID; // for a status item
    QString text;                  // what a copy item writes
    bool operator==(const MenuEntry&) const = default;
};

// The context menu for the rows acted on (`ids`), whose link fields give `links`; nothing for no rows.
QList<MenuEntry> contextMenu(const Journal& journal, const QSet<QUuid>& ids, const QList<QUrl>& links);

// The copy of a record the editor opens as a new record: a new id, created now, unique values left out.
Record duplicate(const Journal& journal, const Record& record, const QDateTime& now);

// The title of the question before the selected records are deleted.
QString deleteTitle(const Journal& journal, qsizetype selected);
QString deleteMessage();

} // namespace RecordActions

} // namespace Records
