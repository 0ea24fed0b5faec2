#include "views/settings/FieldEditor.h"

#include "app/settings/SettingsChoices.h"
#include "views/kit/FormSection.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/kit/Icons.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/TextLine.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Settings;

FieldEditor::FieldEditor(SettingsState& state, const QUuid& fieldID, QWidget* parent)
    : ItemEditor(state, &Journal::fields, fieldID, parent) {
    const FieldDef* shown = item();
    const FieldDef current = shown ? *shown : FieldDef{};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);
    layout->addWidget(mainSection(current));
    layout->addWidget(accountingSection());
    layout->addWidget(
        noteLabel(u"Группы считаются в показателе «Количество уникальных групп». Если у записи нет "
                  u"уникального значения, дублем считается запись с той же группой и теми же "
                  u"различающими полями."_s,
                  Style::TextStyle::caption, this));
    layout->addWidget(csvSection(current));
    layout->addStretch(1);
    FormSection::lineUp(this);
    bindEdits();
    sync();
}

FormSection* FieldEditor::mainSection(const FieldDef& current) {
    m_main = new FormSection(u"Поле"_s, this);
    m_name = new TextLine(current.name, this);
    m_name->setObjectName(u"fieldName"_s);
    m_main->addEditorRow(u"Название"_s, m_name);
    m_type = new QComboBox(this);
    m_type->setObjectName(u"fieldType"_s);
    for (FieldType type : allFieldTypes)
        m_type->addItem(Icons::icon(symbol(type)), title(type));
    m_main->addEditorRow(u"Тип"_s, m_type);
    m_options = new GrowingTextEdit(3, 8, this);
    m_options->setObjectName(u"fieldOptions"_s);
    m_options->showText(SettingsChoices::joinedOptions(current.options));
    m_main->addEditorRow(u"Варианты (каждый с новой строки)"_s, m_options);
    m_unit = new TextLine(current.unit, this);
    m_unit->setObjectName(u"fieldUnit"_s);
    m_unit->setPlaceholderText(u"₽, шт, ч, кг"_s);
    m_main->addEditorRow(u"Единица измерения"_s, m_unit);
    m_prompt = new TextLine(current.prompt, this);
    m_prompt->setObjectName(u"fieldPrompt"_s);
    m_main->addEditorRow(u"Подсказка в пустом поле"_s, m_prompt);
    m_inTable = new QCheckBox(u"Показывать в таблице"_s, this);
    m_inTable->setObjectName(u"fieldInTable"_s);
    m_main->addSpanningRow(m_inTable);
    m_isTitle = new QCheckBox(u"Главное поле (название записи)"_s, this);
    m_isTitle->setObjectName(u"fieldIsTitle"_s);
    m_main->addSpanningRow(m_isTitle);
    return m_main;
}

FormSection* FieldEditor::accountingSection() {
    auto* accounting = new FormSection(u"Учёт"_s, this);
    m_unique = new QCheckBox(u"Уникальное значение — предупреждать о дублях (номер заказа, артикул)"_s, this);
    m_inGroup = new QCheckBox(u"Определяет группу (клиент, товар, статья)"_s, this);
    m_inIdentity = new QCheckBox(u"Различает записи внутри группы (размер, вариант)"_s, this);
    m_perItem = new QCheckBox(u"Своё значение у каждой записи при пакетном вводе (позиции заказа)"_s, this);
    for (QCheckBox* toggle : {m_unique, m_inGroup, m_inIdentity, m_perItem})
        accounting->addSpanningRow(toggle);
    return accounting;
}

FormSection* FieldEditor::csvSection(const FieldDef& current) {
    auto* csv = new FormSection(u"Импорт CSV"_s, this);
    m_aliases = new TextLine(SettingsChoices::joinedAliases(current.aliases), this);
    m_aliases->setObjectName(u"fieldAliases"_s);
    csv->addEditorRow(u"Другие названия столбца (через запятую)"_s, m_aliases);
    return csv;
}

void FieldEditor::bindEdits() {
    bindText(m_name, &FieldDef::name);
    bindText(m_unit, &FieldDef::unit);
    bindText(m_prompt, &FieldDef::prompt);
    connect(m_type, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(allFieldTypes.size()))
            change([&](FieldDef& f) { f.type = allFieldTypes[index]; });
    });
    connect(m_options, &GrowingTextEdit::textEdited, this, [this](const QString& text) {
        change([&](FieldDef& f) { f.options = SettingsChoices::splitOptions(text); });
    });
    connect(m_aliases, &QLineEdit::textEdited, this, [this](const QString& text) {
        change([&](FieldDef& f) { f.aliases = SettingsChoices::splitAliases(text); });
    });
    bindToggle(m_inTable, &FieldDef::showInTable);
    bindToggle(m_unique, &FieldDef::isUnique);
    bindToggle(m_inGroup, &FieldDef::inGroup);
    bindToggle(m_inIdentity, &FieldDef::inIdentity);
    bindToggle(m_perItem, &FieldDef::isPerItem);
    bindMark(m_isTitle, &Journal::titleFieldID);
}

void FieldEditor::sync() {
    const FieldDef* f = item();
    if (!f)
        return;
    {
        const QSignalBlocker blocker(m_type);
        m_type->setCurrentIndex(
            int(std::find(allFieldTypes.begin(), allFieldTypes.end(), f->type) - allFieldTypes.begin()));
    }
    // Rows of another type hide and keep what was typed in them.
    m_main->setRowVisible(m_options, f->type == FieldType::choice);
    m_main->setRowVisible(m_unit, f->type == FieldType::number);
    const std::pair<QCheckBox*, bool> toggles[] = {
        {m_inTable, f->showInTable}, {m_unique, f->isUnique},
        {m_inGroup, f->inGroup},     {m_inIdentity, f->inIdentity},
        {m_perItem, f->isPerItem},   {m_isTitle, m_state.draft.titleFieldID == itemID()},
    };
    for (const auto& [box, on] : toggles) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
    // Only a text-like field can name records; a title field turned into another type stays the title,
    // shown on and out of reach until its type allows it again.
    m_isTitle->setEnabled(isTextual(f->type));
}
