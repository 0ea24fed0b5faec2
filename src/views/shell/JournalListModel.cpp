#include "views/shell/JournalListModel.h"

#include "app/shell/ShellRules.h"
#include "core/store/AppStore.h"
#include "views/kit/Icons.h"
#include "views/kit/WaitCursor.h"

JournalListModel::JournalListModel(AppStore& store, QObject* parent)
    : ReorderListModel(parent), m_store(store) {
    connect(&m_store, &AppStore::journalsChanged, this, [this] {
        beginResetModel();
        endResetModel();
    });
}

int JournalListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_store.journals().size());
}

QVariant JournalListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const Journal& journal = m_store.journals().at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return journal.name;
    case Qt::DecorationRole:
        return Icons::icon(journal.icon);
    case JournalIDRole:
        return journal.id;
    case BadgeRole:
        return ShellRules::recordCountBadge(journal);
    default:
        return {};
    }
}

void JournalListModel::reorder(const QList<qsizetype>& rows, qsizetype destination) {
    const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
    m_store.moveJournals(rows, destination);
}

int JournalListModel::rowOf(const QUuid& journalID) const {
    const QList<Journal>& journals = m_store.journals();
    for (int i = 0; i < journals.size(); ++i) {
        if (journals.at(i).id == journalID)
            return i;
    }
    return -1;
}
