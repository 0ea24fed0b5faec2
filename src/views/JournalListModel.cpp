#include "JournalListModel.h"

#include "ShellRules.h"
#include "cells/Icons.h"
#include "store/Store.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

namespace {
const QString rowsMime = QStringLiteral("application/x-vostrel-journal-rows");
}

JournalListModel::JournalListModel(AppStore& store, QObject* parent)
    : QAbstractListModel(parent), m_store(store) {
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
        return recordCountBadge(journal);
    default:
        return {};
    }
}

Qt::ItemFlags JournalListModel::flags(const QModelIndex& index) const {
    // Rows are dropped between rows, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList JournalListModel::mimeTypes() const {
    return {rowsMime};
}

QMimeData* JournalListModel::mimeData(const QModelIndexList& indexes) const {
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    for (const QModelIndex& index : indexes) {
        if (index.isValid())
            out << qint64(index.row());
    }
    auto* data = new QMimeData;
    data->setData(rowsMime, bytes);
    return data;
}

bool JournalListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                    const QModelIndex& parent) {
    if (action != Qt::MoveAction || !data || !data->hasFormat(rowsMime))
        return false;
    QList<qsizetype> rows;
    QDataStream in(data->data(rowsMime));
    while (!in.atEnd()) {
        qint64 r = -1;
        in >> r;
        if (in.status() != QDataStream::Ok)
            break;
        rows.append(r);
    }
    if (rows.isEmpty())
        return false;
    // A drop onto a row counts as a drop before it; a drop below the last row goes to the end.
    qsizetype destination = row;
    if (destination < 0)
        destination = parent.isValid() ? parent.row() : rowCount();
    m_store.moveJournals(rows, destination);
    return false;
}

int JournalListModel::rowOf(const QUuid& journalID) const {
    const QList<Journal>& journals = m_store.journals();
    for (int i = 0; i < journals.size(); ++i) {
        if (journals.at(i).id == journalID)
            return i;
    }
    return -1;
}
