#pragma once

#include "core/model/Model.h"

#include "views/kit/ReorderListModel.h"

#include <QList>
#include <QUuid>

#include <optional>

// The rows of one list of the settings draft (its fields, statuses or metrics), in draft order. A drop of
// dragged rows reorders the draft itself; the rows follow when the sheet reloads the model.
class DraftListModel : public ReorderListModel {
    Q_OBJECT
public:
    enum class Items { fields, statuses, metrics };
    enum Role { IDRole = Qt::UserRole };

    DraftListModel(Journal& draft, Items items, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Follows the draft after a change: when the same items stand in the same order only their rows are
    // redrawn (a view keeps its selection), otherwise the model is reset.
    void reload();
    // The row of an item, or -1.
    int rowOf(const std::optional<QUuid>& id) const;

signals:
    // A drop changed the draft's order.
    void moved();

protected:
    // Moves the dragged items of the draft and announces it.
    void reorder(const QList<qsizetype>& rows, qsizetype destination) override;

private:
    QList<QUuid> currentIDs() const;
    QString title(qsizetype row) const;
    QVariant icon(qsizetype row) const;

    Journal& m_draft;
    Items m_items;
    // The items the rows show, as of the last reload.
    QList<QUuid> m_ids;
};
