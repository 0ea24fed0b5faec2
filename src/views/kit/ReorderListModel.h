#pragma once

#include <QAbstractListModel>
#include <QList>

// A list whose rows the user reorders by dragging. A drop hands the dragged rows and the drop position,
// both counted before the move, to reorder(), which moves the items where they live; the model then
// follows that change. dropMimeData always returns false, so the view removes nothing itself.
class ReorderListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    Qt::ItemFlags flags(const QModelIndex& index) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

protected:
    virtual void reorder(const QList<qsizetype>& rows, qsizetype destination) = 0;
};
