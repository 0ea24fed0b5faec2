#pragma once

#include "views/settings/DraftPane.h"

#include <QCheckBox>
#include <QLineEdit>

#include <functional>
#include <optional>

// An editor of one item of a list of the draft (a field, a status, a metric). It finds its item by id on
// every use, since drops reorder the list, and does nothing once the item is gone.
template <typename Item> class ItemEditor : public DraftPane {
public:
    const QUuid& itemID() const { return m_itemID; }

protected:
    ItemEditor(Settings::SettingsState& state, QList<Item> Journal::*list, const QUuid& id, QWidget* parent)
        : DraftPane(state, parent), m_list(list), m_itemID(id) {}

    Item* item() { return Settings::findByID(m_state.draft.*m_list, std::optional(m_itemID)); }
    // Applies the user's edit to the item, then announces it.
    void change(const std::function<void(Item&)>& apply) {
        if (Item* edited = item()) {
            apply(*edited);
            emit this->edited();
        }
    }
    // Controls that write one member of the item as the user uses them.
    void bindText(QLineEdit* box, QString Item::*member) {
        connect(box, &QLineEdit::textEdited, this,
                [this, member](const QString& text) { change([&](Item& i) { i.*member = text; }); });
    }
    void bindToggle(QCheckBox* box, bool Item::*member) {
        connect(box, &QCheckBox::clicked, this,
                [this, member](bool on) { change([&](Item& i) { i.*member = on; }); });
    }
    template <typename Picker> void bindPicker(Picker* picker, std::optional<QUuid> Item::*member) {
        connect(picker, &Picker::picked, this,
                [this, member](const std::optional<QUuid>& id) { change([&](Item& i) { i.*member = id; }); });
    }
    // A toggle that makes the item the journal's one of its kind (title field, default status): turning it
    // on takes the mark from any other item, turning it off leaves the journal without one.
    void bindMark(QCheckBox* box, std::optional<QUuid> Journal::*mark) {
        connect(box, &QCheckBox::clicked, this, [this, mark](bool on) {
            if (item())
                write([&](Journal& j) { j.*mark = on ? std::optional(m_itemID) : std::nullopt; });
        });
    }

private:
    QList<Item> Journal::*m_list;
    QUuid m_itemID;
};
