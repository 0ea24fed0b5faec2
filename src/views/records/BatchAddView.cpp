#include "views/records/BatchAddView.h"

#include "app/AppRouter.h"
#include "app/kit/AppKeys.h"
#include "app/kit/ShortcutText.h"
#include "app/records/BatchEntry.h"
#include "core/store/AppStore.h"
#include "views/kit/Dialogs.h"
#include "views/kit/FormSection.h"
#include "views/kit/GrowingTextEdit.h"
#include "views/kit/Icons.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/SheetFooter.h"
#include "views/kit/SheetForm.h"
#include "views/kit/SheetSize.h"
#include "views/kit/Style.h"
#include "views/kit/TextLine.h"
#include "views/kit/WaitCursor.h"
#include "views/records/BatchRowList.h"
#include "views/records/BatchRowWidget.h"
#include "views/records/EditorRows.h"
#include "views/records/StatusPicker.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

using SheetForm::padding;
constexpr QSize minimumSheet(960, 720);
constexpr QSize idealSheet(1060, 860);

} // namespace

BatchAddView::BatchAddView(AppStore& store, AppRouter& router, const Journal& journal, const BatchItem& item,
                           QWidget* parent)
    : QDialog(parent), m_store(store), m_router(router), m_journal(journal),
      m_fromRecord(item.templateRecord.has_value()), m_perItem(journal.perItemFields()), m_index(journal),
      m_template(BatchEntry::startingTemplate(journal, item.templateRecord, router.clock()(),
                                              router.calendar(), router.clock())),
      m_rows(m_journal, m_index, m_template, router.clock()) {
    setWindowTitle(title());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* head = new QVBoxLayout;
    head->setContentsMargins(padding, padding, padding, 8);
    head->setSpacing(4);
    QLabel* heading = SheetForm::heading(this, title());
    heading->setObjectName(u"batchTitle"_s);
    head->addWidget(heading);
    head->addWidget(noteLabel(BatchEntry::subtitle(journal), Style::TextStyle::body, this));
    layout->addLayout(head);

    m_scroll = SheetForm::scrollArea(this, u"batchForm"_s);
    m_scroll->setWidget(buildForm());
    layout->addWidget(m_scroll, 1);

    // No default button: Return belongs to the quick lists and the cells; the save key is Ctrl+Return.
    const SheetFooter footer = makeSheetFooter(this, {}, u"saveBatch"_s, FooterReturn::pressesNothing);
    footer.row->setContentsMargins(padding, padding, padding, padding);
    m_summary = noteLabel({}, Style::TextStyle::body, this);
    m_summary->setObjectName(u"batchSummary"_s);
    footer.row->insertWidget(0, m_summary, 1);
    m_save = footer.primary;
    layout->addLayout(footer.row);

    m_saveAction = new QAction(this);
    m_saveAction->setObjectName(u"saveBatch"_s);
    m_saveAction->setShortcuts({AppKeys::saveBatch(), AppKeys::saveBatchKeypad()});
    m_saveAction->setShortcutContext(Qt::WindowShortcut);
    addAction(m_saveAction);
    connect(m_saveAction, &QAction::triggered, this, &BatchAddView::attemptSave);
    connect(m_save, &QPushButton::clicked, m_saveAction, &QAction::trigger);

    SheetSize::apply(this, minimumSheet, idealSheet, SheetSize::Fit::withinWindow);
    showRows();
}

QString BatchAddView::title() const {
    return BatchEntry::title(m_journal, m_fromRecord);
}

QWidget* BatchAddView::buildForm() {
    auto* content = new QWidget(m_scroll);
    QVBoxLayout* column = SheetForm::column(content);
    buildShared(column);
    buildStatus(column);
    buildQuick(column);
    buildRows(column);
    column->addStretch(1);
    FormSection::lineUp(content);
    return content;
}

void BatchAddView::buildShared(QVBoxLayout* column) {
    const FieldSection shared = BatchEntry::sharedSections(m_journal).first();
    auto* section = new FormSection(shared.title, column->parentWidget());
    for (const FieldDef& field : shared.fields) {
        RowOptions options;
        options.stepper = false;
        options.longTextMinLines = 1;
        options.longTextMaxLines = 3;
        options.longTextPrompt = u"необязательно"_s;
        if (field.isPerItem)
            options.linkPrompt = u"если у строк нет своих ссылок"_s;
        EditorRow* row =
            makeEditorRow(field, m_template, m_router.calendar(), m_router.clock(), section, options);
        if (row->hasOwnTitle())
            section->addSpanningRow(row);
        else
            section->addEditorRow(BatchEntry::sharedTitle(field), row);
        connect(row, &EditorRow::edited, this, &BatchAddView::templateEdited);
        m_shared.insert(field.id, row);
    }
    column->addWidget(section);
}

void BatchAddView::buildStatus(QVBoxLayout* column) {
    // The section after the shared fields, when the journal has one.
    const QList<FieldSection> sections = BatchEntry::sharedSections(m_journal);
    if (sections.size() < 2)
        return;
    const FieldSection& dated = sections[1];
    auto* section = new FormSection(dated.title, column->parentWidget());
    if (dated.holdsStatus) {
        m_statusPicker = new StatusPicker(m_journal.statuses, false, section);
        m_statusPicker->setStatus(m_template.statusID);
        connect(m_statusPicker, &StatusPicker::chosen, this, &BatchAddView::chooseStatus);
        section->addEditorRow(u"Статус"_s, m_statusPicker);
    }
    for (const FieldDef& field : dated.fields) {
        EditorRow* row = makeEditorRow(field, m_template, m_router.calendar(), m_router.clock(), section);
        section->addSpanningRow(row);
        connect(row, &EditorRow::edited, this, &BatchAddView::templateEdited);
        m_statusDates.append(row);
    }
    column->addWidget(section);
}

void BatchAddView::buildQuick(QVBoxLayout* column) {
    auto* section = new FormSection(u"Быстрый ввод списком"_s, column->parentWidget());
    for (const FieldDef& field : m_perItem) {
        const QString placeholder = BatchEntry::quickPlaceholder(m_journal, field);
        QWidget* input = nullptr;
        if (BatchEntry::quickIsMultiline(m_journal, field)) {
            auto* box = new GrowingTextEdit(1, 6, section);
            box->setPlaceholderText(placeholder);
            connect(box, &GrowingTextEdit::textEdited, this,
                    [this, id = field.id](const QString& text) { editQuick(id, text); });
            input = box;
        } else {
            auto* box = new TextLine(section);
            box->setPlaceholderText(placeholder);
            connect(box, &QLineEdit::textEdited, this,
                    [this, id = field.id](const QString& text) { editQuick(id, text); });
            connect(box, &QLineEdit::returnPressed, this, &BatchAddView::fillFromQuick);
            input = box;
        }
        input->setAccessibleName(field.name);
        section->addSpanningRow(input);
        m_quickInputs.insert(field.id, input);
    }
    auto* line = new QHBoxLayout;
    line->addWidget(
        noteLabel(
            u"Значения сопоставляются только по порядку ввода — ничего не подставляется автоматически."_s,
            Style::TextStyle::caption, section),
        1);
    m_fill = new QPushButton(u"Создать строки"_s, section);
    m_fill->setObjectName(u"fillFromQuick"_s);
    m_fill->setAutoDefault(false);
    connect(m_fill, &QPushButton::clicked, this, &BatchAddView::fillFromQuick);
    line->addWidget(m_fill);
    section->addSpanningRow(line);
    column->addWidget(section);
}

void BatchAddView::buildRows(QVBoxLayout* column) {
    m_rowsSection = new FormSection({}, column->parentWidget());
    m_list = new BatchRowList(m_journal, m_rows, m_scroll, m_rowsSection);
    m_list->setObjectName(u"batchRows"_s);
    connect(m_list, &BatchRowList::cellEdited, this, &BatchAddView::editCell);
    connect(m_list, &BatchRowList::deleteRequested, this, &BatchAddView::deleteRow);
    m_rowsSection->addSpanningRow(m_list);

    m_noRows = noteLabel(u"Строк пока нет. Введите значения списком выше или добавьте строку вручную."_s,
                         Style::TextStyle::body, m_rowsSection);
    m_rowsSection->addSpanningRow(m_noRows);
    m_addRow = new QPushButton(Icons::icon(u"plus"_s), u"Добавить строку"_s, m_rowsSection);
    m_addRow->setObjectName(u"addRow"_s);
    m_addRow->setAutoDefault(false);
    connect(m_addRow, &QPushButton::clicked, this, &BatchAddView::addRow);
    auto* line = new QHBoxLayout;
    line->addWidget(m_addRow);
    line->addStretch(1);
    m_rowsSection->addSpanningRow(line);
    column->addWidget(m_rowsSection);
}

void BatchAddView::showRows() {
    m_list->reset();
    m_noRows->setVisible(m_rows.isEmpty());
    refresh();
}

BatchRowWidget* BatchAddView::showRow(qsizetype position) {
    return m_list->showRow(position);
}

void BatchAddView::refresh() {
    // The filled rows count from their reviews; while none is filled, the quick lists' rows are made here,
    // as they would be saved.
    BatchTotals totals;
    qsizetype pending = 0;
    if (m_rows.anyFilled()) {
        totals = m_rows.totals();
        pending = totals.records;
    } else {
        const QList<BatchRow> fromLists = BatchEntry::pendingRows(m_journal, {}, m_quick);
        totals = BatchEntry::totals(
            m_journal,
            BatchBuilder::makeRecords(m_journal, m_template, fromLists, m_router.clock()()).records);
        pending = fromLists.size();
    }
    m_rowsSection->setTitle(BatchEntry::rowsHeader(pending));
    m_summary->setText(BatchEntry::summary(m_journal, totals));
    m_save->setText(literalLabel(BatchEntry::saveTitle(m_journal, totals.records)));
    m_saveAction->setEnabled(totals.savable);
    m_save->setEnabled(totals.savable);
    m_fill->setEnabled(BatchEntry::hasQuickInput(m_quick));
}

void BatchAddView::templateEdited() {
    m_rows.setTemplate(m_template);
    m_list->updateAll();
    refresh();
}

void BatchAddView::chooseStatus(const QUuid& id) {
    const Clock& clock = m_router.clock();
    m_template = m_journal.settingStatus(id, m_template, clock(), m_router.calendar(), clock);
    for (EditorRow* row : std::as_const(m_statusDates))
        row->showRecord();
    templateEdited();
}

void BatchAddView::editQuick(const QUuid& fieldID, const QString& text) {
    m_quick.insert(fieldID, text);
    refresh();
}

void BatchAddView::editCell(const QUuid& rowID, const QUuid& fieldID, const QString& text) {
    // Only the lines of the rows the edit touches change; the focus stays in the cell.
    const QList<qsizetype> changed = m_rows.setCell(rowID, fieldID, text);
    if (changed.isEmpty())
        return;
    m_list->updateRows(changed);
    refresh();
}

void BatchAddView::addRow() {
    m_rows.append({BatchRow{QUuid::createUuid(), {}}});
    showRows();
    m_list->focusRow(m_rows.size() - 1);
}

void BatchAddView::deleteRow(const QUuid& rowID) {
    const qsizetype position = m_rows.indexOf(rowID);
    if (position < 0)
        return;
    // A focus in the row goes on to the row that takes its place, in the same column.
    qsizetype stop = -1;
    if (const BatchRowWidget* row = m_list->shownRow(rowID))
        stop = row->focusStops().indexOf(focusWidget());
    m_rows.remove(rowID);
    showRows();
    if (stop >= 0 && !m_rows.isEmpty())
        m_list->focusRow(std::min(position, m_rows.size() - 1), stop);
}

void BatchAddView::fillFromQuick() {
    const QList<BatchRow> made = BatchBuilder::makeRows(m_quick, m_perItem);
    if (made.isEmpty())
        return;
    m_rows.append(made, true);
    m_quick.clear();
    for (QWidget* input : std::as_const(m_quickInputs)) {
        if (auto* line = qobject_cast<QLineEdit*>(input))
            line->clear();
        else if (auto* lines = qobject_cast<GrowingTextEdit*>(input))
            lines->showText({});
    }
    showRows();
    m_list->focusRow(m_rows.size() - made.size());
}

void BatchAddView::attemptSave() {
    if (openBox())
        return;
    if (!m_rows.anyFilled())
        fillFromQuick();
    const QList<Record> records =
        BatchBuilder::makeRecords(m_journal, m_template,
                                  BatchEntry::pendingRows(m_journal, m_rows.rows(), m_quick),
                                  m_router.clock()())
            .records;
    if (!BatchEntry::canSave(m_journal, records))
        return;
    // Rows are there now whenever there is something to save: their duplicate lines are those kept.
    const QStringList lines = m_rows.duplicateLines();
    if (lines.isEmpty()) {
        save();
        return;
    }
    m_box = Dialogs::question(this,
                              {.title = u"Возможные дубли"_s,
                               .text = BatchEntry::duplicateAlertText(lines),
                               .action = u"Сохранить всё равно"_s,
                               .actionRole = QMessageBox::AcceptRole,
                               .back = u"Вернуться к редактированию"_s},
                              [this] { save(); });
}

void BatchAddView::save() {
    // Created and changed at the moment of saving, in row order. A journal gone by now takes nothing, and
    // the sheet closes all the same.
    const QList<BatchRow> pending = BatchEntry::pendingRows(m_journal, m_rows.rows(), m_quick);
    const WaitCursor wait = WaitCursor::aroundSave(m_store.fileURL());
    m_store.addRecords(BatchBuilder::makeRecords(m_journal, m_template, pending, m_router.clock()()).records,
                       m_journal.id);
    accept();
}

void BatchAddView::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The sheet is set up once per presentation: a later show keeps whatever the user has typed and where.
    if (m_focusSet)
        return;
    m_focusSet = true;
    QWidget* box = nullptr;
    if (m_fromRecord) {
        if (!m_perItem.isEmpty())
            box = m_quickInputs.value(m_perItem.first().id);
    } else {
        for (const FieldDef& f : BatchEntry::sharedFields(m_journal)) {
            if (f.type == FieldType::text) {
                box = m_shared.value(f.id)->focusBox();
                break;
            }
        }
    }
    // Without such a box the cursor goes in none: the focus starts on the first control that takes no
    // typing, so it shows somewhere.
    if (!box)
        box = SheetForm::firstStop(m_scroll->widget(), SheetForm::Stop::noTextBox);
    if (box)
        box->setFocus();
}
