#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QUrl>
#include <QUuid>

#include <functional>
#include <optional>

class QAction;
class QWidget;
class RecordCommands;

// The records tab's commands, one QAction each, shared by the action bar, the keys and the table's context
// menu: a status each, the counter up and down, the links, more like this (or a copy where records are not
// added item by item), edit, a copy, the context menu's copy items, and deletion. Each acts on the rows the
// tab names at the moment it runs: the context menu's while that exists, else the selection. The bar gives
// the commands it shows their symbols, labels, keys and help; the titles are the menus'.
class RecordsTabActions : public QObject {
    Q_OBJECT
public:
    using Rows = std::function<QSet<QUuid>()>;

    // The commands with keys are `tab`'s actions: the keys work anywhere in its window while it is shown.
    RecordsTabActions(RecordCommands& commands, QWidget* tab, Rows rows);

    void setJournal(const Journal& journal);
    // Brings the commands to the rows they act on (`links`: the links of those rows): enabled states and,
    // for the context menu (`menu`), its titles, what its copy items copy and its items.
    void aim(const QSet<QUuid>& rows, const QList<QUrl>& links, bool menu);
    // The context menu's items as the last aim for it set them; separators are actions too.
    const QList<QAction*>& menuItems() const { return m_menuItems; }

    // One per status of the journal, in its order.
    const QList<QAction*>& statuses() const { return m_statuses; }
    QAction* counterUp() const { return m_counterUp; }
    QAction* counterDown() const { return m_counterDown; }
    QAction* openLinks() const { return m_openLinks; }
    // More like this in a journal filled item by item, a copy in any other.
    QAction* copy() const { return m_copy; }
    QAction* edit() const { return m_edit; }
    QAction* remove() const { return m_remove; }

signals:
    // Deletion was chosen: the tab selects the rows and asks first.
    void deleteRequested();

private:
    QAction* command(const QString& name, bool keyed, std::function<void()> act);
    void rebuildStatuses();
    std::optional<Record> oneRecord() const;
    // A context menu item copying the text the menu gave it (its data).
    QAction* copyItem(const QString& name);
    // The n-th action of a kind shown only in the context menu, made once and kept.
    QAction* pooled(QList<QAction*>& pool, qsizetype n, const QString& name);

    RecordCommands& m_commands;
    QWidget* m_tab;
    Rows m_rows;
    Journal m_journal;
    QList<QUuid> m_statusIDs;
    QList<QAction*> m_statuses;
    QAction* m_counterUp = nullptr;
    QAction* m_counterDown = nullptr;
    QAction* m_openLinks = nullptr;
    QAction* m_copyLink = nullptr;
    QAction* m_copy = nullptr;
    QAction* m_edit = nullptr;
    QAction* m_duplicate = nullptr;
    QAction* m_remove = nullptr;
    QList<QAction*> m_copyTexts;
    QList<QAction*> m_separators;
    QList<QAction*> m_menuItems;
};
