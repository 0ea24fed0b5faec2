#include "views/settings/DraftPane.h"

#include "views/kit/GrowingTextEdit.h"
#include "views/settings/ChoicePicker.h"

#include <QLineEdit>

DraftPane::DraftPane(Settings::SettingsState& state, QWidget* parent) : QWidget(parent), m_state(state) {}

void DraftPane::write(const std::function<void(Journal&)>& apply) {
    apply(m_state.draft);
    emit edited();
}

void DraftPane::bindText(QLineEdit* box, QString Journal::*member) {
    connect(box, &QLineEdit::textEdited, this,
            [this, member](const QString& text) { write([&](Journal& j) { j.*member = text; }); });
}

void DraftPane::bindText(GrowingTextEdit* box, QString Journal::*member) {
    connect(box, &GrowingTextEdit::textEdited, this,
            [this, member](const QString& text) { write([&](Journal& j) { j.*member = text; }); });
}

void DraftPane::bindPicker(ChoicePicker* picker, std::optional<QUuid> Journal::*member) {
    connect(picker, &ChoicePicker::picked, this,
            [this, member](const std::optional<QUuid>& id) { write([&](Journal& j) { j.*member = id; }); });
}
