#pragma once

#include <QAbstractListModel>
#include <QUuid>

class AppStore;

// The sidebar's rows: one per journal of the store, in the user's order. A drop of dragged rows reorders
// the journals through the store; the store's change then resets the model.
class JournalListModel : public QAbstractListModel {
    Q_OBJECT
public:
    enum Role { JournalIDRole = Qt::UserRole, BadgeRole };

    explicit JournalListModel(AppStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    Qt::DropActions supportedDragActions() const override { return Qt::MoveAction; }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction; }
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    // Moves the dragged rows to the drop position (counted in positions before the move) and returns
    // false, so the view removes nothing itself.
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // The row of a journal, or -1.
    int rowOf(const QUuid& journalID) const;

private:
    AppStore& m_store;
};
