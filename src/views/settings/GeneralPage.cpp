#include "views/settings/GeneralPage.h"

#include "views/kit/FormSection.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/kit/SheetForm.h"
#include "views/kit/Style.h"
#include "views/kit/SymbolButton.h"
#include "views/kit/TextLine.h"
#include "views/settings/ChoicePicker.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

constexpr int iconColumns = 15;

} // namespace

GeneralPage::GeneralPage(SettingsState& state, QWidget* parent) : DraftPane(state, parent) {
    auto* content = new QWidget(this);
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 6, 0);
    layout->setSpacing(14);
    layout->addWidget(journalSection(content));
    layout->addWidget(moreSection(content));
    layout->addStretch(1);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(0, 0, 0, 0);
    QScrollArea* scroll = SheetForm::scrollArea(this, {}, SheetForm::Scroll::page);
    scroll->setWidget(content);
    page->addWidget(scroll);
    bindEdits();
    sync();
}

FormSection* GeneralPage::journalSection(QWidget* content) {
    auto* journal = new FormSection(u"Журнал"_s, content);
    m_name = new TextLine(m_state.draft.name, content);
    m_name->setObjectName(u"journalName"_s);
    journal->addEditorRow(u"Название"_s, m_name);
    journal->addEditorRow(u"Значок"_s, iconChooser(content));
    return journal;
}

QWidget* GeneralPage::iconChooser(QWidget* content) {
    // The icons start at the controls' edge, their title in the labels' column.
    auto* chooser = new QWidget(content);
    auto* chooserLayout = new QHBoxLayout(chooser);
    chooserLayout->setContentsMargins(0, 0, 0, 0);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    m_icons = new QButtonGroup(this);
    // The chosen icon stands on a faint fill of the accent.
    QColor selectedFill = Style::color(Style::Role::accent, this);
    selectedFill.setAlphaF(0.2);
    const QStringList& icons = SettingsChoices::journalIcons();
    for (qsizetype i = 0; i < icons.size(); ++i) {
        auto* button = new QToolButton(chooser);
        button->setObjectName(u"icon."_s + icons[i]);
        // In the text colour, like the journal symbols of the sidebar.
        button->setIconSize(QSize(22, 22));
        setSymbol(button, icons[i], palette().color(QPalette::WindowText));
        button->setFixedSize(36, 32);
        button->setCheckable(true);
        button->setStyleSheet(
            u"QToolButton { border: none; border-radius: 6px; background: transparent; }"
            u"QToolButton:checked { background: %1; }"_s.arg(selectedFill.name(QColor::HexArgb)));
        m_icons->addButton(button, int(i));
        grid->addWidget(button, int(i / iconColumns), int(i % iconColumns), Qt::AlignCenter);
    }
    for (int column = 0; column < iconColumns; ++column)
        grid->setColumnMinimumWidth(column, 40);
    chooserLayout->addLayout(grid);
    chooserLayout->addStretch(1);
    return chooser;
}

FormSection* GeneralPage::moreSection(QWidget* content) {
    const Journal& draft = m_state.draft;
    m_more = new FormSection(u"Дополнительно"_s, content);
    m_titleField = addPickerRow(m_more, u"Главное поле (название записи)"_s, u"titleField"_s);
    m_defaultStatus = addPickerRow(m_more, u"Статус новых записей"_s, u"defaultStatus"_s);
    const QString nounHelp = u"Формы слова для 1, 2 и 5: например, заказ / заказа / заказов"_s;
    for (const auto& [title, noun, name] :
         {std::tuple{u"Как называть записи"_s, &Journal::itemNoun, u"itemNoun"_s},
          std::tuple{u"Как называть группы"_s, &Journal::groupNoun, u"groupNoun"_s}}) {
        QWidget* row = nounRow(noun, name);
        // The help belongs to the whole row.
        m_more->addEditorRow(title, row)->setToolTip(nounHelp);
        row->setToolTip(nounHelp);
    }
    m_batchTitle = new TextLine(draft.batchTitle, content);
    m_batchTitle->setObjectName(u"batchTitle"_s);
    m_batchTitle->setPlaceholderText(u"Несколько заказов"_s);
    m_more->addEditorRow(u"Название пакетного ввода"_s, m_batchTitle);
    m_counterField = addPickerRow(m_more, u"Счётчик «+1» в списке"_s, u"counterField"_s);
    m_counterTitle = new TextLine(draft.counterTitle, content);
    m_counterTitle->setObjectName(u"counterTitle"_s);
    m_counterTitle->setPlaceholderText(u"+1 шт"_s);
    m_more->addEditorRow(u"Надпись на кнопке счётчика"_s, m_counterTitle);
    m_filterField = addPickerRow(m_more, u"Фильтр списка по полю"_s, u"filterField"_s);
    m_hint = new GrowingTextEdit(2, 4, content);
    m_hint->setObjectName(u"hint"_s);
    m_hint->showText(draft.hint);
    m_more->addEditorRow(u"Подсказка о правилах учёта"_s, m_hint);
    return m_more;
}

void GeneralPage::bindEdits() {
    bindText(m_name, &Journal::name);
    connect(m_icons, &QButtonGroup::idClicked, this, [this](int id) {
        write([&](Journal& j) { j.icon = SettingsChoices::journalIcons().value(id); });
    });
    bindPicker(m_titleField, &Journal::titleFieldID);
    bindPicker(m_defaultStatus, &Journal::defaultStatusID);
    bindText(m_batchTitle, &Journal::batchTitle);
    bindPicker(m_counterField, &Journal::counterFieldID);
    bindText(m_counterTitle, &Journal::counterTitle);
    bindPicker(m_filterField, &Journal::filterFieldID);
    bindText(m_hint, &Journal::hint);
}

QWidget* GeneralPage::nounRow(NounForms Journal::*noun, const QString& name) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    const NounForms& forms = m_state.draft.*noun;
    for (const auto& [label, form, placeholder, suffix] :
         {std::tuple{u"1"_s, &NounForms::one, u"1 заказ"_s, u".one"_s},
          std::tuple{u"2"_s, &NounForms::few, u"2 заказа"_s, u".few"_s},
          std::tuple{u"5"_s, &NounForms::many, u"5 заказов"_s, u".many"_s}}) {
        auto* caption = new QLabel(label, row);
        auto* box = new TextLine(forms.*form, row);
        box->setPlaceholderText(placeholder);
        box->setFixedWidth(110);
        box->setObjectName(name + suffix);
        caption->setBuddy(box);
        layout->addWidget(caption);
        layout->addWidget(box);
        connect(box, &QLineEdit::textEdited, this, [this, noun, form](const QString& text) {
            write([&](Journal& j) { (j.*noun).*form = text; });
        });
    }
    // The boxes start at the controls' edge, as every other row's control does.
    layout->addStretch(1);
    return row;
}

void GeneralPage::sync() {
    const Journal& draft = m_state.draft;
    // An icon outside the list marks none; only a click on an icon can change the journal's icon, so a
    // marked icon never has to be cleared.
    if (QAbstractButton* marked = m_icons->button(int(SettingsChoices::journalIcons().indexOf(draft.icon))))
        marked->setChecked(true);
    m_titleField->present(SettingsChoices::titleFields(draft), draft.titleFieldID);
    m_defaultStatus->present(SettingsChoices::defaultStatuses(draft), draft.defaultStatusID);
    m_counterField->present(SettingsChoices::counterFields(draft), draft.counterFieldID);
    m_filterField->present(SettingsChoices::listFilterFields(draft), draft.filterFieldID);
    // Without a counter the caption row is absent; what was typed in it stays in the draft.
    m_more->setRowVisible(m_counterTitle, draft.counterFieldID.has_value());
}
