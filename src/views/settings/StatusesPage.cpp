#include "views/settings/StatusesPage.h"

#include "views/settings/StatusEditor.h"

using namespace Qt::StringLiterals;
using namespace Settings;

StatusesPage::StatusesPage(SettingsState& state, QWidget* parent)
    : ListPage(
          state, DraftListModel::Items::statuses, &SettingsState::selectedStatusID,
          {u"Добавить статус"_s, u"addStatus"_s}, {u"Удалить статус"_s, u"removeStatus"_s}, u"statusList"_s,
          u"Порядок статусов — это порядок работы: при переходе к статусу заполняются и даты предыдущих."_s,
          u"Выберите статус слева"_s, parent) {
    sync();
}

void StatusesPage::addItem() {
    m_state.addStatus();
    emit edited();
}

void StatusesPage::removeItem() {
    m_state.statusToDelete = m_state.draft.status(m_state.selectedStatusID);
    if (m_state.statusToDelete)
        emit removalAsked();
}

DraftPane* StatusesPage::buildEditor(const QUuid& id) {
    return new StatusEditor(m_state, id, nullptr);
}
