#include "views/records/RecordEditorView.h"

#include "app/AppRouter.h"
#include "app/records/RecordEditor.h"
#include "core/store/AppStore.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/Dialogs.h"
#include "views/kit/FormSection.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/SheetFooter.h"
#include "views/kit/SheetForm.h"
#include "views/kit/SheetSize.h"
#include "views/kit/Style.h"
#include "views/kit/WaitCursor.h"
#include "views/records/EditorRows.h"
#include "views/records/StatusPicker.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

using SheetForm::padding;
constexpr QSize minimumSheet(640, 600);
constexpr QSize idealSheet(720, 780);

} // namespace

RecordEditorView::RecordEditorView(AppStore& store, AppRouter& router, const Journal& journal,
                                   const EditorItem& item, QWidget* parent)
    : QDialog(parent), m_store(store), m_router(router), m_journal(journal), m_isNew(item.isNew),
      m_record(item.record), m_index(journal) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_title = SheetForm::heading(this, {});
    m_title->setObjectName(u"editorTitle"_s);
    // One line: a long title is cut short with "…" rather than widening the sheet.
    m_title->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_title->setContentsMargins(padding, padding, padding, 8);
    layout->addWidget(m_title);

    m_scroll = SheetForm::scrollArea(this, u"editorForm"_s);
    m_scroll->setWidget(buildForm());
    layout->addWidget(m_scroll, 1);

    // "Добавить" or "Сохранить" is the one default button: Return saves, and does nothing while it is
    // disabled.
    const SheetFooter footer =
        makeSheetFooter(this, m_isNew ? u"Добавить"_s : u"Сохранить"_s, u"saveRecord"_s);
    footer.row->setContentsMargins(padding, padding, padding, padding);
    if (!m_isNew) {
        m_delete = SheetForm::button(this, u"Удалить"_s, u"deleteRecord"_s);
        Style::makeDestructive(m_delete);
        connect(m_delete, &QPushButton::clicked, this, &RecordEditorView::confirmDelete);
        footer.row->insertWidget(0, m_delete);
        // Tab takes the buttons in the order they stand.
        QWidget::setTabOrder(m_delete, footer.cancel);
        QWidget::setTabOrder(footer.cancel, footer.primary);
    }
    m_cancel = footer.cancel;
    m_save = footer.primary;
    connect(m_save, &QPushButton::clicked, this, &RecordEditorView::attemptSave);
    layout->addLayout(footer.row);

    SheetSize::apply(this, minimumSheet, idealSheet, SheetSize::Fit::withinWindow);
    refresh();
}

QWidget* RecordEditorView::buildForm() {
    auto* content = new QWidget(m_scroll);
    QVBoxLayout* column = SheetForm::column(content);
    const auto addRow = [this](FormSection* section, const FieldDef& field) {
        EditorRow* row = makeEditorRow(field, m_record, m_router.calendar(), m_router.clock(), section);
        if (row->hasOwnTitle())
            section->addSpanningRow(row);
        else
            section->addEditorRow(field.name, row);
        m_rows.insert(field.id, row);
        connect(row, &EditorRow::edited, this, &RecordEditorView::refresh);
    };

    const auto addStatus = [this](FormSection* status) {
        m_statusPicker = new StatusPicker(
            m_journal.statuses, m_journal.statuses.size() <= RecordEditor::segmentedStatusLimit, status);
        m_statusPicker->setStatus(m_record.statusID);
        connect(m_statusPicker, &StatusPicker::chosen, this, &RecordEditorView::chooseStatus);
        status->addEditorRow(u"Статус"_s, m_statusPicker);
        status->addSpanningRow(
            noteLabel(u"При смене статуса пустые даты этого статуса заполняются сегодняшним днём;"_s
                      u" указанные даты не меняются."_s,
                      Style::TextStyle::caption, status));
    };

    for (const FieldSection& plan : RecordEditor::sections(m_journal)) {
        auto* section = new FormSection(plan.title, content);
        if (plan.holdsStatus)
            addStatus(section);
        for (const FieldDef& field : plan.fields)
            addRow(section, field);
        column->addWidget(section);
    }

    m_duplicateSection = new FormSection(u"Возможные дубли"_s, content);
    m_duplicateSection->setObjectName(u"duplicates"_s);
    for (int i = 0; i < 3; ++i) {
        auto* label = new WarningLabel({}, m_duplicateSection);
        m_duplicateSection->addSpanningRow(label);
        m_duplicateLabels.append(label);
    }
    column->addWidget(m_duplicateSection);
    column->addStretch(1);
    FormSection::lineUp(content);
    lineUpNumberBoxes(m_rows.values());
    return content;
}

void RecordEditorView::refresh() {
    showTitle();
    m_duplicates = RecordEditor::duplicates(m_journal, m_record, m_index);
    const QStringList lines = RecordEditor::duplicateSection(m_journal, m_duplicates);
    const qsizetype shownBefore = m_shownDuplicates;
    for (qsizetype i = 0; i < m_duplicateLabels.size(); ++i) {
        m_duplicateLabels[i]->setVisible(i < lines.size());
        m_duplicateLabels[i]->setText(i < lines.size() ? lines[i] : QString());
    }
    m_duplicateSection->setVisible(!lines.isEmpty());
    m_shownDuplicates = lines.size();
    if (isVisible() && lines.size() > shownBefore)
        revealDuplicates();
    m_save->setEnabled(!m_journal.isEmptyContent(m_record));
}

void RecordEditorView::revealDuplicates() {
    // The section stands last in the form: once it is laid out, the form scrolls it into view, as little as
    // it must. The box being typed in keeps the focus and stays in view as far as the section leaves room.
    SheetForm::layOutNow();
    if (QWidget* typing = focusWidget(); typing && m_scroll->widget()->isAncestorOf(typing))
        m_scroll->ensureWidgetVisible(typing, 0, 0);
    m_scroll->ensureWidgetVisible(m_duplicateSection, 0, 0);
}

void RecordEditorView::showTitle() {
    m_titleText = RecordEditor::title(m_journal, m_record, m_isNew);
    setWindowTitle(m_titleText);
    const int room = m_title->contentsRect().width();
    m_title->setText(room > 0 ? m_title->fontMetrics().elidedText(m_titleText, Qt::ElideRight, room)
                              : m_titleText);
}

void RecordEditorView::chooseStatus(const QUuid& id) {
    const Clock& clock = m_router.clock();
    m_record = m_journal.settingStatus(id, m_record, clock(), m_router.calendar(), clock);
    // The status's dates are stamped into the record; the date rows show them at once.
    for (EditorRow* row : std::as_const(m_rows))
        row->showRecord();
    m_statusPicker->setStatus(m_record.statusID);
    refresh();
}

void RecordEditorView::attemptSave() {
    if (m_journal.isEmptyContent(m_record) || openBox())
        return;
    if (m_duplicates.isEmpty()) {
        save();
        return;
    }
    m_box = Dialogs::question(this,
                              {.title = u"Возможный дубль"_s,
                               .text = RecordEditor::duplicateAlertText(m_journal, m_duplicates),
                               .action = u"Сохранить всё равно"_s,
                               .actionRole = QMessageBox::AcceptRole,
                               .back = u"Вернуться к редактированию"_s},
                              [this] { save(); });
}

void RecordEditorView::save() {
    // The store tidies the record (and stamps the change time of an update); a journal or record that is
    // gone by now changes nothing, and the sheet closes all the same.
    const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
    if (m_isNew)
        m_store.addRecords({m_record}, m_journal.id);
    else
        m_store.updateRecord(m_record, m_journal.id);
    accept();
}

void RecordEditorView::confirmDelete() {
    if (openBox())
        return;
    m_box = Dialogs::question(
        this,
        {.title = u"Удалить запись?"_s, .action = u"Удалить"_s, .actionRole = QMessageBox::DestructiveRole},
        [this] {
            const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
            m_store.deleteRecords({m_record.id}, m_journal.id);
            accept();
        });
}

void RecordEditorView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_focusSet)
        return;
    m_focusSet = true;
    // A new record puts the cursor in its first field when that is a text or number box, and in no box
    // otherwise; the focus then starts on the first control that takes no typing, so it shows somewhere.
    // An existing record starts on the form's first control, whatever it is.
    QWidget* start = nullptr;
    if (m_isNew) {
        const std::optional<QUuid> first = RecordEditor::initialFocus(m_journal, m_isNew);
        const EditorRow* row = first ? m_rows.value(*first) : nullptr;
        start = row ? row->focusBox() : nullptr;
        if (!start)
            start = SheetForm::firstStop(m_scroll->widget(), SheetForm::Stop::noTextBox);
    } else {
        start = SheetForm::firstStop(m_scroll->widget());
    }
    (start ? start : m_cancel)->setFocus();
}

void RecordEditorView::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showTitle();
}
