#include "views/settings/ItemListColumn.h"

#include "views/kit/NoteLabel.h"
#include "views/kit/SheetForm.h"
#include "views/settings/DraftListModel.h"
#include "views/settings/DraftPane.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

ItemListColumn::ItemListColumn(DraftListModel* model, QAction* add, QAction* remove, const QString& note,
                               QWidget* parent)
    : QWidget(parent), m_model(model), m_removeAction(remove) {
    setFixedWidth(260);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(8);

    m_list = new QListView(this);
    m_list->setModel(model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setDragDropMode(QAbstractItemView::InternalMove);
    m_list->setDefaultDropAction(Qt::MoveAction);
    m_list->setDragEnabled(true);
    m_list->setDropIndicatorShown(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setUniformItemSizes(true);
    m_list->setSpacing(1);
    m_list->setIconSize(QSize(16, 16));
    layout->addWidget(m_list, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    m_add = new QToolButton(this);
    m_add->setDefaultAction(add);
    m_add->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buttons->addWidget(m_add);
    buttons->addStretch(1);
    m_remove = new QToolButton(this);
    m_remove->setDefaultAction(remove);
    m_remove->setToolButtonStyle(Qt::ToolButtonIconOnly);
    buttons->addWidget(m_remove);
    layout->addLayout(buttons);

    if (!note.isEmpty())
        layout->addWidget(noteLabel(note, Style::TextStyle::caption, this));

    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = m_list->selectionModel()->selectedIndexes();
        if (!rows.isEmpty())
            emit picked(rows.first().data(DraftListModel::IDRole).toUuid());
    });
}

void ItemListColumn::sync(const std::optional<QUuid>& selected) {
    m_model->reload();
    {
        // Showing the selection is not the user's pick.
        const QSignalBlocker blocker(m_list->selectionModel());
        const int row = m_model->rowOf(selected);
        if (row < 0) {
            m_list->selectionModel()->clear();
        } else {
            const QModelIndex index = m_model->index(row);
            if (m_list->selectionModel()->currentIndex() != index ||
                !m_list->selectionModel()->isSelected(index))
                m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
        }
    }
    m_list->viewport()->update();
    m_removeAction->setEnabled(selected.has_value());
}

EditorColumn::EditorColumn(const QString& placeholder, QWidget* parent) : QStackedWidget(parent) {
    m_placeholder = noteLabel(placeholder, Style::TextStyle::caption, this);
    m_placeholder->setFont(font());
    m_placeholder->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addWidget(m_placeholder);
}

void EditorColumn::sync(const std::optional<QUuid>& item,
                        const std::function<DraftPane*(const QUuid&)>& build) {
    if (item == m_item && (m_editor || !item)) {
        if (m_editor)
            m_editor->sync();
        return;
    }
    m_item = item;
    if (m_area) {
        removeWidget(m_area);
        // A slot of the old editor may be running: it goes once control returns to the event loop, and
        // until then it is no longer among the sheet's widgets.
        m_area->setParent(nullptr);
        m_area->deleteLater();
    }
    m_editor = item ? build(*item) : nullptr;
    if (!m_editor) {
        setCurrentWidget(m_placeholder);
        return;
    }
    connect(m_editor, &DraftPane::edited, this, &EditorColumn::edited);
    QScrollArea* area = SheetForm::scrollArea(this, {}, SheetForm::Scroll::page);
    area->setWidget(m_editor);
    m_area = area;
    addWidget(m_area);
    setCurrentWidget(m_area);
}
