#include "views/settings/FieldsPage.h"

#include "views/kit/Icons.h"
#include "views/settings/FieldEditor.h"

#include <QAction>
#include <QMenu>

using namespace Qt::StringLiterals;
using namespace Settings;

FieldsPage::FieldsPage(SettingsState& state, QWidget* parent)
    : ListPage(state, DraftListModel::Items::fields, &SettingsState::selectedFieldID,
               {u"Добавить поле"_s, u"addField"_s}, {u"Удалить поле"_s, u"removeField"_s}, u"fieldList"_s,
               u"Порядок полей меняется перетаскиванием."_s, u"Выберите поле слева"_s, parent) {
    auto* types = new QMenu(this);
    for (FieldType type : allFieldTypes) {
        QAction* entry = types->addAction(Icons::icon(symbol(type)), title(type));
        entry->setObjectName(u"addField."_s + rawValue(type));
        connect(entry, &QAction::triggered, this, [this, type] {
            m_state.addField(type);
            emit edited();
        });
    }
    setAddMenu(types);

    sync();
}

void FieldsPage::removeItem() {
    m_state.fieldToDelete = m_state.draft.field(m_state.selectedFieldID);
    if (m_state.fieldToDelete)
        emit removalAsked();
}

DraftPane* FieldsPage::buildEditor(const QUuid& id) {
    return new FieldEditor(m_state, id, nullptr);
}
