#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QUuid>
#include <QWidget>

#include <optional>

class QButtonGroup;
class QComboBox;

// A status picker: a row of exclusive buttons, or a drop-down list for longer lists. It offers no entry
// for "no status": a missing status, or one the list does not hold, shows nothing selected.
class StatusPicker : public QWidget {
    Q_OBJECT
public:
    StatusPicker(const QList<StatusDef>& statuses, bool segmented, QWidget* parent = nullptr);

    // Shows the status; emits nothing.
    void setStatus(const std::optional<QUuid>& id);

signals:
    // The user chose a status.
    void chosen(const QUuid& id);

private:
    QList<StatusDef> m_statuses;
    // One of the two is set, by the style chosen.
    QButtonGroup* m_buttons = nullptr;
    QComboBox* m_combo = nullptr;
};
