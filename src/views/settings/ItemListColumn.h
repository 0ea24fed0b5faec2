#pragma once

#include <QPointer>
#include <QStackedWidget>
#include <QUuid>
#include <QWidget>

#include <functional>
#include <optional>

class DraftListModel;
class DraftPane;
class QLabel;
class QAction;
class QListView;
class QToolButton;

// The left column of a list page of the settings sheet: the list of the draft's items, a row with the add
// button on the left and the minus button on the right, and a note under them.
class ItemListColumn : public QWidget {
    Q_OBJECT
public:
    ItemListColumn(DraftListModel* model, QAction* add, QAction* remove, const QString& note,
                   QWidget* parent);

    QListView* list() const { return m_list; }
    QToolButton* addButton() const { return m_add; }
    QToolButton* removeButton() const { return m_remove; }

    // Redraws the rows from the draft and selects the item; the minus button works while an item is
    // selected, even one that names no row.
    void sync(const std::optional<QUuid>& selected);

signals:
    // The user selected a row.
    void picked(const QUuid& id);

private:
    DraftListModel* m_model;
    QListView* m_list;
    QToolButton* m_add;
    QToolButton* m_remove;
    QAction* m_removeAction;
};

// The right column of a list page: the editor of the selected item, scrolling when it is tall, or a
// placeholder text while no item is selected.
class EditorColumn : public QStackedWidget {
    Q_OBJECT
public:
    EditorColumn(const QString& placeholder, QWidget* parent);

    // Shows the editor of the item: a new one, built by `build`, when the item differs from the one shown
    // (the old editor goes, with whatever it showed), else the same one brought up to date.
    void sync(const std::optional<QUuid>& item, const std::function<DraftPane*(const QUuid&)>& build);

signals:
    // The editor wrote into the draft.
    void edited();

private:
    QLabel* m_placeholder;
    QPointer<DraftPane> m_editor;
    QPointer<QWidget> m_area;
    std::optional<QUuid> m_item;
};
