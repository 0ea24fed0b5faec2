#include "views/kit/ReorderListModel.h"

#include <QDataStream>
#include <QIODevice>
#include <QMimeData>

using namespace Qt::StringLiterals;

namespace {
const QString rowsMime = u"application/x-vostrel-rows"_s;
}

Qt::ItemFlags ReorderListModel::flags(const QModelIndex& index) const {
    // Rows are dropped between rows, never onto one.
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList ReorderListModel::mimeTypes() const {
    return {rowsMime};
}

QMimeData* ReorderListModel::mimeData(const QModelIndexList& indexes) const {
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

bool ReorderListModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
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
    reorder(rows, destination);
    return false;
}
