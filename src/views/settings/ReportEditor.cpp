#include "views/settings/ReportEditor.h"

#include "views/kit/GrowingTextEdit.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/Style.h"
#include "views/settings/ChoicePicker.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Settings;

ReportEditor::ReportEditor(SettingsState& state, Clock clock, Calendar calendar, QWidget* parent)
    : DraftPane(state, parent), m_clock(std::move(clock)), m_calendar(std::move(calendar)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);

    auto* header = new QHBoxLayout;
    auto* heading = new QLabel(u"Текст отчёта"_s, this);
    Style::setText(heading, Style::TextStyle::headline);
    header->addWidget(heading);
    header->addStretch(1);
    auto* pickerLabel = new QLabel(u"Разбивка итогов по полю"_s, this);
    header->addWidget(pickerLabel);
    m_breakdownField = new ChoicePicker(this);
    m_breakdownField->setObjectName(u"breakdownField"_s);
    m_breakdownField->setFixedWidth(340 - pickerLabel->sizeHint().width() - header->spacing());
    pickerLabel->setBuddy(m_breakdownField);
    header->addWidget(m_breakdownField);
    layout->addLayout(header);

    // Held at one height whatever its lines; a longer template scrolls.
    auto* templateBox = new GrowingTextEdit(1, 1, this);
    m_template = templateBox;
    m_template->setObjectName(u"reportTemplate"_s);
    m_template->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_template->setFixedHeight(70);
    templateBox->showText(state.draft.reportTemplate);
    m_template->setStyleSheet(
        u"QPlainTextEdit { border: 1px solid %1; border-radius: 6px; background: %2; }"_s.arg(
            Style::separator(this).name(QColor::HexArgb), palette().color(QPalette::Base).name()));
    layout->addWidget(m_template);

    // Plain text: the braces and bars are the point of the line.
    auto* help =
        noteLabel(u"{1} — значение 1-го показателя, {1|заказ|заказа|заказов} — слово в форме для 1, 2 и 5. "
                  u"Пустой текст — отчёт собирается из названий показателей."_s,
                  Style::TextStyle::caption, this);
    help->setObjectName(u"reportHelp"_s);
    layout->addWidget(help);

    m_example = new QLabel(this);
    m_example->setObjectName(u"reportExample"_s);
    Style::setText(m_example, Style::TextStyle::callout);
    m_example->setWordWrap(true);
    m_example->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(m_example);

    bindPicker(m_breakdownField, &Journal::breakdownFieldID);
    bindText(templateBox, &Journal::reportTemplate);
}

void ReportEditor::sync() {
    m_breakdownField->present(SettingsChoices::breakdownFields(m_state.draft),
                              m_state.draft.breakdownFieldID);
    m_example->setText(m_preview.text(m_state.draft, m_clock(), m_calendar));
}
