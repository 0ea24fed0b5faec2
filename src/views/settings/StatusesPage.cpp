#include "views/settings/StatusesPage.h"

#include "views/kit/Icons.h"
#include "views/settings/ItemListColumn.h"
#include "views/settings/StatusEditor.h"

#include <QAction>
#include <QListView>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

StatusesPage::StatusesPage(SettingsState& state, QWidget* parent)
    : ListPage(
          state, DraftListModel::Items::statuses, &SettingsState::selectedStatusID,
          new QAction(Icons::icon(u"plus"_s), u"Добавить статус"_s),
          new QAction(Icons::icon(u"minus"_s), u"Удалить статус"_s),
          u"Порядок статусов — это порядок работы: при переходе к статусу заполняются и даты предыдущих."_s,
          u"Выберите статус слева"_s, parent) {
    QAction* add = column()->addButton()->defaultAction();
    add->setObjectName(u"addStatus"_s);
    connect(add, &QAction::triggered, this, [this] {
        m_state.addStatus();
        emit edited();
    });
    QAction* remove = column()->removeButton()->defaultAction();
    remove->setObjectName(u"removeStatus"_s);
    connect(remove, &QAction::triggered, this, [this] {
        m_state.statusToDelete = m_state.draft.status(m_state.selectedStatusID);
        if (m_state.statusToDelete)
            emit removalAsked();
    });
    column()->list()->setObjectName(u"statusList"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(columns());
    sync();
}

StatusEditor* StatusesPage::editor() const {
    return qobject_cast<StatusEditor*>(shownEditor());
}

DraftPane* StatusesPage::buildEditor(const QUuid& id) {
    return new StatusEditor(m_state, id, nullptr);
}
