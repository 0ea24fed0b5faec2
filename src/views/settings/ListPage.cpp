#include "views/settings/ListPage.h"

#include "views/kit/Icons.h"
#include "views/settings/ItemListColumn.h"

#include <QAction>
#include <QHBoxLayout>
#include <QListView>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Settings;

ListPage::ListPage(SettingsState& state, DraftListModel::Items items,
                   std::optional<QUuid> SettingsState::*selection, const Button& add, const Button& remove,
                   const QString& listID, const QString& note, const QString& placeholder, QWidget* parent)
    : DraftPane(state, parent), m_selection(selection) {
    m_add = new QAction(Icons::icon(u"plus"_s), add.text, this);
    m_add->setObjectName(add.id);
    m_remove = new QAction(Icons::icon(u"minus"_s), remove.text, this);
    m_remove->setObjectName(remove.id);
    connect(m_add, &QAction::triggered, this, [this] { addItem(); });
    connect(m_remove, &QAction::triggered, this, [this] { removeItem(); });

    m_model = new DraftListModel(state.draft, items, this);
    m_columns = new QWidget(this);
    m_column = new ItemListColumn(m_model, m_add, m_remove, note, m_columns);
    m_column->list()->setObjectName(listID);
    m_editors = new EditorColumn(placeholder, m_columns);
    auto* layout = new QHBoxLayout(m_columns);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(m_column);
    layout->addWidget(m_editors, 1);
    m_layout = new QVBoxLayout(this);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->addWidget(m_columns);

    connect(m_model, &DraftListModel::moved, this, &DraftPane::edited);
    connect(m_editors, &EditorColumn::edited, this, &DraftPane::edited);
    connect(m_column, &ItemListColumn::picked, this, [this](const QUuid& id) {
        m_state.*m_selection = id;
        emit edited();
    });
}

void ListPage::setAddMenu(QMenu* menu) {
    m_add->setMenu(menu);
    m_column->addButton()->setPopupMode(QToolButton::InstantPopup);
}

void ListPage::dropRemoveHelp() {
    m_column->removeButton()->setAccessibleName(m_remove->text());
    // The help is the action's text: an action without one has none.
    m_remove->setText(QString());
}

void ListPage::sync() {
    const std::optional<QUuid> selected = m_state.*m_selection;
    m_column->sync(selected);
    // A selection that names no item of the draft shows the placeholder.
    const bool named = m_model->rowOf(selected) >= 0;
    m_editors->sync(named ? selected : std::nullopt, [this](const QUuid& id) { return buildEditor(id); });
}
