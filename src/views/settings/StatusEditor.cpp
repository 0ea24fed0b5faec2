#include "views/settings/StatusEditor.h"

#include "views/kit/FormSection.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/TextLine.h"
#include "views/settings/ChoicePicker.h"
#include "views/settings/ColourDot.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Settings;

void addColourItems(QComboBox* picker, bool withDots) {
    for (AppColor appColor : allAppColors) {
        if (withDots)
            picker->addItem(colourDot(appColor), title(appColor));
        else
            picker->addItem(title(appColor));
    }
}

StatusEditor::StatusEditor(SettingsState& state, const QUuid& statusID, QWidget* parent)
    : ItemEditor(state, &Journal::statuses, statusID, parent) {
    const StatusDef* shown = item();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(14);

    auto* section = new FormSection(u"Статус"_s, this);
    m_name = new TextLine(shown ? shown->name : QString(), this);
    m_name->setObjectName(u"statusName"_s);
    section->addEditorRow(u"Название"_s, m_name);
    m_color = new QComboBox(this);
    m_color->setObjectName(u"statusColor"_s);
    addColourItems(m_color, true);
    section->addEditorRow(u"Цвет"_s, m_color);
    m_dateField = new ChoicePicker(this);
    m_dateField->setObjectName(u"statusDateField"_s);
    section->addEditorRow(u"Ставить дату"_s, m_dateField);
    m_isDefault = new QCheckBox(u"Статус новых записей"_s, this);
    m_isDefault->setObjectName(u"statusIsDefault"_s);
    section->addSpanningRow(m_isDefault);
    m_fillsPrevious = new QCheckBox(u"Заполнять и даты предыдущих статусов"_s, this);
    m_fillsPrevious->setObjectName(u"statusFillsPrevious"_s);
    m_fillsPrevious->setToolTip(
        u"Выключите у «Отмены», «Возврата», «Отказа» — такие статусы не означают, что "
        u"предыдущие этапы пройдены"_s);
    section->addSpanningRow(m_fillsPrevious);
    layout->addWidget(section);

    auto* note = new FormSection(QString(), this);
    note->addSpanningRow(
        noteLabel(u"Когда запись получает этот статус, пустое поле даты заполняется сегодняшним днём. "
                  u"Уже указанные даты не меняются. По датам записи попадают в итоги за период."_s,
                  Style::TextStyle::callout, note));
    layout->addWidget(note);
    layout->addStretch(1);

    bindText(m_name, &StatusDef::name);
    connect(m_color, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < int(allAppColors.size()))
            change([&](StatusDef& s) { s.color = allAppColors[index]; });
    });
    bindPicker(m_dateField, &StatusDef::dateFieldID);
    bindToggle(m_fillsPrevious, &StatusDef::fillsPreviousDates);
    bindMark(m_isDefault, &Journal::defaultStatusID);
    sync();
}

void StatusEditor::sync() {
    const StatusDef* s = item();
    if (!s)
        return;
    showText(m_name, s->name);
    {
        const QSignalBlocker blocker(m_color);
        m_color->setCurrentIndex(
            int(std::find(allAppColors.begin(), allAppColors.end(), s->color) - allAppColors.begin()));
    }
    // A date field turned into another type in this sheet names no entry: the picker shows blank.
    m_dateField->present(SettingsChoices::stampedDateFields(m_state.draft), s->dateFieldID);
    for (const auto& [box, on] : {std::pair{m_isDefault, m_state.draft.defaultStatusID == itemID()},
                                  std::pair{m_fillsPrevious, s->fillsPreviousDates}}) {
        const QSignalBlocker blocker(box);
        box->setChecked(on);
    }
}
