#pragma once

#include "app/settings/SettingsChoices.h"
#include "app/settings/SettingsState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <optional>

class QLabel;

// A part of the settings sheet that shows the draft and writes the user's edits into it at once.
class DraftPane : public QWidget {
    Q_OBJECT
public:
    DraftPane(settings::SettingsState& state, QWidget* parent);

    // Shows the draft as it is now: refills pickers, shows and hides rows, redraws lists. It never writes
    // into the draft and never changes the text of a box while the user types in it.
    virtual void sync() = 0;

signals:
    // The pane wrote into the draft or the selections.
    void edited();
    // The pane named a field or a status for removal; the sheet asks the user.
    void removalAsked();

protected:
    settings::SettingsState& m_state;
};

// An editor of one item of a list of the draft (a field, a status, a metric). It finds its item by id on
// every use, since drops reorder the list, and does nothing once the item is gone.
template <typename Item> class ItemEditor : public DraftPane {
public:
    const QUuid& itemID() const { return m_itemID; }

protected:
    ItemEditor(settings::SettingsState& state, QList<Item> Journal::*list, const QUuid& id, QWidget* parent)
        : DraftPane(state, parent), m_list(list), m_itemID(id) {}

    Item* item() { return settings::findByID(m_state.draft.*m_list, std::optional(m_itemID)); }
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

private:
    QList<Item> Journal::*m_list;
    QUuid m_itemID;
};

// A picker of an optional reference: the entry for none first, then the candidates. An id that names no
// entry shows as a blank picker. Only the user's choice is announced.
class ChoicePicker : public QComboBox {
    Q_OBJECT
public:
    explicit ChoicePicker(QWidget* parent);

    // Refills the entries when they changed and shows the bound id; announces nothing.
    void present(const QList<settings::SettingsChoices::Choice>& choices, const std::optional<QUuid>& bound);
    std::optional<QUuid> boundID() const;

signals:
    void picked(const std::optional<QUuid>& id);

private:
    QList<settings::SettingsChoices::Choice> m_choices;
};

// Shows a text in a box the user may be typing in: left alone while it has the focus (whatever it shows
// then is what the user typed), otherwise set without announcing an edit.
void showText(QLineEdit* box, const QString& text);
// A secondary note in the caption or callout size, wrapping, plain text.
QLabel* noteLabel(const QString& text, bool callout, QWidget* parent);
// A status colour's symbol: a dot 10 points across.
QIcon colourDot(AppColor appColor);
// A scroll area around a form page: no frame, no own focus, only vertical scrolling.
QWidget* scrolled(QWidget* content, QWidget* parent);
