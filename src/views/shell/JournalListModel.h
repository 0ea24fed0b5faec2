#pragma once

#include "views/kit/ReorderListModel.h"

#include <QUuid>

class AppStore;

// The sidebar's rows: one per journal of the store, in the user's order. A drop of dragged rows reorders
// the journals through the store; the store's change then resets the model.
class JournalListModel : public ReorderListModel {
    Q_OBJECT
public:
    enum Role { JournalIDRole = Qt::UserRole, BadgeRole };

    explicit JournalListModel(AppStore& store, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The row of a journal, or -1.
    int rowOf(const QUuid& journalID) const;

protected:
    void reorder(const QList<qsizetype>& rows, qsizetype destination) override;

private:
    AppStore& m_store;
};
