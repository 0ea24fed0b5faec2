#include "views/settings/ListPage.h"

#include "views/settings/ItemListColumn.h"

#include <QAction>
#include <QHBoxLayout>

using namespace settings;

ListPage::ListPage(SettingsState& state, DraftListModel::Items items,
                   std::optional<QUuid> SettingsState::*selection, QAction* add, QAction* remove,
                   const QString& note, const QString& placeholder, QWidget* parent)
    : DraftPane(state, parent), m_selection(selection) {
    add->setParent(this);
    remove->setParent(this);
    auto* model = new DraftListModel(state.draft, items, this);
    m_columns = new QWidget(this);
    m_column = new ItemListColumn(model, add, remove, note, m_columns);
    m_editors = new EditorColumn(placeholder, m_columns);
    auto* layout = new QHBoxLayout(m_columns);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(16);
    layout->addWidget(m_column);
    layout->addWidget(m_editors, 1);

    connect(model, &DraftListModel::moved, this, &DraftPane::edited);
    connect(m_editors, &EditorColumn::edited, this, &DraftPane::edited);
    connect(m_column, &ItemListColumn::picked, this, [this](const QUuid& id) {
        m_state.*m_selection = id;
        emit edited();
    });
}

DraftPane* ListPage::shownEditor() const {
    return m_editors->editor();
}

void ListPage::sync() {
    const std::optional<QUuid> selected = m_state.*m_selection;
    m_column->sync(selected);
    // A selection that names no item of the draft shows the placeholder.
    const bool named = m_column->model()->rowOf(selected) >= 0;
    m_editors->sync(named ? selected : std::nullopt, [this](const QUuid& id) { return buildEditor(id); });
}
