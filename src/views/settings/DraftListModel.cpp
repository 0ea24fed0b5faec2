#include "views/settings/DraftListModel.h"

#include "core/model/ListMoves.h"
#include "views/kit/Icons.h"
#include "views/settings/ColourDot.h"

#include <QIcon>

using namespace Qt::StringLiterals;

namespace {

QString orUntitled(const QString& name) {
    return name.isEmpty() ? u"Без названия"_s : name;
}

} // namespace

DraftListModel::DraftListModel(Journal& draft, Items items, QObject* parent)
    : ReorderListModel(parent), m_draft(draft), m_items(items), m_ids(currentIDs()) {}

QList<QUuid> DraftListModel::currentIDs() const {
    QList<QUuid> ids;
    switch (m_items) {
    case Items::fields:
        for (const FieldDef& f : m_draft.fields)
            ids.append(f.id);
        break;
    case Items::statuses:
        for (const StatusDef& s : m_draft.statuses)
            ids.append(s.id);
        break;
    case Items::metrics:
        for (const MetricDef& m : m_draft.metrics)
            ids.append(m.id);
        break;
    }
    return ids;
}

int DraftListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(m_ids.size());
}

QString DraftListModel::title(qsizetype row) const {
    switch (m_items) {
    case Items::fields:
        return orUntitled(m_draft.fields[row].name);
    case Items::statuses:
        return orUntitled(m_draft.statuses[row].name);
    case Items::metrics:
        // The position is the number a report template refers to the metric by.
        return QString::number(row + 1) + u". "_s + m_draft.metrics[row].title;
    }
    return {};
}

QVariant DraftListModel::icon(qsizetype row) const {
    switch (m_items) {
    case Items::fields:
        return Icons::icon(symbol(m_draft.fields[row].type));
    case Items::statuses:
        return colourDot(m_draft.statuses[row].color);
    case Items::metrics:
        return Icons::icon(m_draft.metrics[row].symbol);
    }
    return {};
}

QVariant DraftListModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const qsizetype row = index.row();
    // Between a change of the draft and the reload that follows it, rows may name items that are gone.
    const QList<QUuid> ids = currentIDs();
    if (row >= ids.size() || ids[row] != m_ids[row])
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        return title(row);
    case Qt::DecorationRole:
        return icon(row);
    case IDRole:
        return m_ids[row];
    default:
        return {};
    }
}

void DraftListModel::reorder(const QList<qsizetype>& rows, qsizetype destination) {
    switch (m_items) {
    case Items::fields:
        m_draft.fields = ::moved(m_draft.fields, rows, destination);
        break;
    case Items::statuses:
        m_draft.statuses = ::moved(m_draft.statuses, rows, destination);
        break;
    case Items::metrics:
        m_draft.metrics = ::moved(m_draft.metrics, rows, destination);
        break;
    }
    emit moved();
}

void DraftListModel::reload() {
    const QList<QUuid> ids = currentIDs();
    if (ids != m_ids) {
        beginResetModel();
        m_ids = ids;
        endResetModel();
    } else if (!m_ids.isEmpty()) {
        emit dataChanged(index(0), index(int(m_ids.size()) - 1));
    }
}

int DraftListModel::rowOf(const std::optional<QUuid>& id) const {
    return id ? int(m_ids.indexOf(*id)) : -1;
}
