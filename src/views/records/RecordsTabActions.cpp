#include "views/records/RecordsTabActions.h"

#include "app/kit/ShortcutText.h"
#include "app/records/RecordActions.h"
#include "views/kit/Style.h"
#include "views/records/RecordCommands.h"

#include <QAction>
#include <QWidget>

using namespace Qt::StringLiterals;
using namespace Records;

RecordsTabActions::RecordsTabActions(RecordCommands& commands, QWidget* tab, Rows rows)
    : QObject(tab), m_commands(commands), m_tab(tab), m_rows(std::move(rows)) {
    m_counterUp = command(u"counterUp"_s, true, [this] { m_commands.changeCounter(1, m_rows()); });
    m_counterDown = command(u"counterDown"_s, true, [this] { m_commands.changeCounter(-1, m_rows()); });
    m_openLinks = command(u"openLinks"_s, true, [this] { m_commands.openLinks(m_rows()); });
    m_copy = command(u"moreLikeThis"_s, true, [this] { m_commands.copyOrMoreLikeThis(oneRecord()); });
    m_edit = command(u"editRecord"_s, true, [this] { m_commands.edit(oneRecord()); });
    m_remove = command(u"deleteRecords"_s, true, [this] { emit deleteRequested(); });
    // The one command that shows its symbol in the context menu too: the mark of a deletion.
    Style::makeDestructive(m_remove);
    m_duplicate = command(u"duplicate"_s, false, [this] { m_commands.duplicate(oneRecord()); });
    m_copyLink = copyItem(u"copyLink"_s);
}

QAction* RecordsTabActions::command(const QString& name, bool keyed, std::function<void()> act) {
    auto* action = new QAction(this);
    action->setObjectName(name);
    // The symbols are the bar's look, and a context menu shows no keys.
    action->setIconVisibleInMenu(false);
    action->setShortcutVisibleInContextMenu(false);
    if (keyed) {
        action->setShortcutContext(Qt::WindowShortcut);
        m_tab->addAction(action);
    }
    if (act)
        connect(action, &QAction::triggered, this, std::move(act));
    return action;
}

void RecordsTabActions::setJournal(const Journal& journal) {
    m_journal = journal;
    QList<QUuid> ids;
    for (const StatusDef& status : journal.statuses)
        ids.append(status.id);
    if (ids != m_statusIDs) {
        m_statusIDs = ids;
        rebuildStatuses();
    }
}

void RecordsTabActions::rebuildStatuses() {
    for (QAction* action : std::as_const(m_statuses)) {
        m_tab->removeAction(action);
        // The action may be the one running now.
        action->deleteLater();
    }
    m_statuses.clear();
    const qsizetype quick = RecordActions::actionBar(m_journal, 0, 0).quick.size();
    for (qsizetype i = 0; i < m_statusIDs.size(); ++i) {
        const QUuid id = m_statusIDs[i];
        m_statuses.append(command((i < quick ? u"quickStatus"_s : u"moreStatus"_s) + QString::number(i), true,
                                  [this, id] { m_commands.setStatus(id, m_rows()); }));
    }
}

void RecordsTabActions::aim(const QSet<QUuid>& rows, const QList<QUrl>& links, bool menu) {
    const ActionBarContent bar = RecordActions::actionBar(m_journal, rows.size(), links.size());
    for (QAction* status : std::as_const(m_statuses))
        status->setEnabled(bar.enabled);
    m_counterUp->setEnabled(bar.counter && bar.counterUp.enabled);
    m_counterDown->setEnabled(bar.counter && bar.counterDown.enabled);
    m_openLinks->setEnabled(bar.link && bar.link->enabled);
    m_copy->setEnabled(bar.copy.enabled);
    m_edit->setEnabled(bar.edit.enabled);
    m_remove->setEnabled(bar.remove.enabled);
    m_duplicate->setEnabled(rows.size() == 1);
    m_copyLink->setEnabled(links.size() == 1);

    // Outside the context menu a command has its bar title, a status its name (the bar's menu of the
    // other statuses shows it).
    for (qsizetype i = 0; i < m_statuses.size() && i < m_journal.statuses.size(); ++i)
        m_statuses[i]->setText(literalLabel(m_journal.statuses[i].name));
    m_counterUp->setText(literalLabel(bar.counterUp.title));
    m_counterDown->setText(literalLabel(bar.counterDown.title));
    m_openLinks->setText(literalLabel(bar.link.value_or(BarCommand{}).title));
    m_copy->setText(literalLabel(bar.copy.title));
    m_edit->setText(literalLabel(bar.edit.title));
    m_remove->setText(literalLabel(bar.remove.title));
    m_menuItems.clear();
    if (!menu)
        return;

    using Kind = RecordActions::MenuEntry::Kind;
    qsizetype statuses = 0, separators = 0, copies = 0;
    for (const RecordActions::MenuEntry& entry : RecordActions::contextMenu(m_journal, rows, links)) {
        QAction* item = nullptr;
        switch (entry.kind) {
        case Kind::separator:
            item = pooled(m_separators, separators++, QString());
            break;
        case Kind::status:
            item = m_statuses.value(statuses++);
            break;
        case Kind::counter:
            item = m_counterUp;
            break;
        case Kind::openLinks:
            item = m_openLinks;
            break;
        case Kind::copyLink:
            item = m_copyLink;
            break;
        case Kind::edit:
            item = m_edit;
            break;
        case Kind::moreLikeThis:
            item = m_copy;
            break;
        case Kind::duplicate:
            // Where records are not added item by item, the copy is the bar's command itself.
            item = m_journal.perItemFields().isEmpty() ? m_copy : m_duplicate;
            break;
        case Kind::copyText:
            item = pooled(m_copyTexts, copies++, u"copyText"_s);
            break;
        case Kind::remove:
            item = m_remove;
            break;
        }
        if (!item)
            continue;
        if (!item->isSeparator())
            item->setText(literalLabel(entry.title));
        item->setData(entry.text);
        m_menuItems.append(item);
    }
}

QAction* RecordsTabActions::pooled(QList<QAction*>& pool, qsizetype n, const QString& name) {
    while (pool.size() <= n) {
        QAction* action = nullptr;
        if (name.isEmpty()) {
            action = new QAction(this);
            action->setSeparator(true);
        } else {
            action = copyItem(name + QString::number(pool.size()));
        }
        pool.append(action);
    }
    return pool[n];
}

QAction* RecordsTabActions::copyItem(const QString& name) {
    QAction* action = command(name, false, {});
    connect(action, &QAction::triggered, this,
            [action] { RecordCommands::copyText(action->data().toString()); });
    return action;
}

std::optional<Record> RecordsTabActions::oneRecord() const {
    // The record as the journal holds it now: gone, the command does nothing.
    const QSet<QUuid> rows = m_rows();
    return rows.size() == 1 ? m_journal.record(*rows.cbegin()) : std::nullopt;
}
