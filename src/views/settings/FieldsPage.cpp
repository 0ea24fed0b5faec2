#include "views/settings/FieldsPage.h"

#include "views/kit/Icons.h"
#include "views/settings/FieldEditor.h"
#include "views/settings/ItemListColumn.h"

#include <QAction>
#include <QListView>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace settings;

FieldsPage::FieldsPage(SettingsState& state, QWidget* parent)
    : ListPage(state, DraftListModel::Items::fields, &SettingsState::selectedFieldID,
               new QAction(Icons::icon(u"plus"_s), u"Добавить поле"_s),
               new QAction(Icons::icon(u"minus"_s), u"Удалить поле"_s),
               u"Порядок полей меняется перетаскиванием."_s, u"Выберите поле слева"_s, parent) {
    QAction* add = column()->addButton()->defaultAction();
    add->setObjectName(u"addField"_s);
    auto* types = new QMenu(this);
    for (FieldType type : allFieldTypes) {
        QAction* entry = types->addAction(Icons::icon(symbol(type)), title(type));
        entry->setObjectName(u"addField."_s + rawValue(type));
        connect(entry, &QAction::triggered, this, [this, type] {
            m_state.addField(type);
            emit edited();
        });
    }
    add->setMenu(types);
    column()->addButton()->setPopupMode(QToolButton::InstantPopup);
    QAction* remove = column()->removeButton()->defaultAction();
    remove->setObjectName(u"removeField"_s);
    connect(remove, &QAction::triggered, this, [this] {
        m_state.fieldToDelete = m_state.draft.field(m_state.selectedFieldID);
        if (m_state.fieldToDelete)
            emit removalAsked();
    });
    column()->list()->setObjectName(u"fieldList"_s);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(columns());
    sync();
}

FieldEditor* FieldsPage::editor() const {
    return qobject_cast<FieldEditor*>(shownEditor());
}

DraftPane* FieldsPage::buildEditor(const QUuid& id) {
    return new FieldEditor(m_state, id, nullptr);
}
