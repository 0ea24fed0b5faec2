#include "BatchAddView.h"

#include "AppRouter.h"
#include "BatchRowWidget.h"
#include "ConfirmBox.h"
#include "EditorRows.h"
#include "FormSection.h"
#include "SheetFooter.h"
#include "SheetForm.h"
#include "SheetSize.h"
#include "ShortcutText.h"
#include "StatusPicker.h"
#include "Style.h"
#include "WaitCursor.h"
#include "cells/GrowingTextEdit.h"
#include "cells/Icons.h"
#include "cells/TextLine.h"
#include "records/BatchRules.h"
#include "store/Store.h"

#include <QAction>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

using SheetForm::padding;
constexpr QSize minimumSheet(960, 720);
constexpr QSize idealSheet(1060, 860);

QLabel* secondaryLabel(const QString& text, Style::TextStyle style, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    Style::setText(label, style);
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, Style::secondary(label));
    label->setPalette(p);
    label->setWordWrap(true);
    return label;
}

} // namespace

BatchAddView::BatchAddView(AppStore& store, AppRouter& router, const Journal& journal, const BatchItem& item,
                           QWidget* parent)
    : QDialog(parent), m_store(store), m_router(router), m_journal(journal),
      m_fromRecord(item.templateRecord.has_value()), m_perItem(journal.perItemFields()), m_index(journal),
      m_template(BatchEntry::startingTemplate(journal, item.templateRecord, router.clock()(),
                                              router.calendar(), router.clock())) {
    setWindowTitle(title());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* head = new QVBoxLayout;
    head->setContentsMargins(padding, padding, padding, 8);
    head->setSpacing(4);
    auto* heading = new QLabel(title(), this);
    heading->setObjectName(u"batchTitle"_s);
    Style::setText(heading, Style::TextStyle::title2, true);
    head->addWidget(heading);
    head->addWidget(secondaryLabel(BatchEntry::subtitle(journal), Style::TextStyle::body, this));
    layout->addLayout(head);

    m_scroll = SheetForm::scrollArea(this, u"batchForm"_s);
    m_scroll->setWidget(buildForm());
    layout->addWidget(m_scroll, 1);

    // No default button: Return belongs to the quick lists and the cells; the save key is Ctrl+Return.
    const SheetFooter footer = makeSheetFooter(this, {}, u"saveBatch"_s, FooterReturn::pressesNothing);
    footer.row->setContentsMargins(padding, padding, padding, padding);
    m_summary = secondaryLabel({}, Style::TextStyle::body, this);
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
    rebuildRows();
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
    return content;
}

void BatchAddView::buildShared(QVBoxLayout* column) {
    auto* section = new FormSection(u"Общие поля"_s, column->parentWidget());
    for (const FieldDef& field : BatchEntry::sharedFields(m_journal)) {
        if (field.type == FieldType::date)
            continue; // shared dates stand with the status
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
            section->form()->addRow(row);
        else
            section->addLabeledRow(field.isPerItem ? field.name + u" (общая)"_s : field.name, row);
        connect(row, &EditorRow::edited, this, &BatchAddView::refresh);
        m_shared.insert(field.id, row);
    }
    column->addWidget(section);
}

void BatchAddView::buildStatus(QVBoxLayout* column) {
    QList<FieldDef> dates;
    for (const FieldDef& f : m_journal.dateFields()) {
        if (!f.isPerItem)
            dates.append(f);
    }
    if (m_journal.statuses.isEmpty() && dates.isEmpty())
        return;
    auto* section = new FormSection(u"Статус и даты для всех"_s, column->parentWidget());
    if (!m_journal.statuses.isEmpty()) {
        m_statusPicker = new StatusPicker(m_journal.statuses, false, section);
        m_statusPicker->setStatus(m_template.statusID);
        connect(m_statusPicker, &StatusPicker::chosen, this, &BatchAddView::chooseStatus);
        section->addLabeledRow(u"Статус"_s, m_statusPicker);
    }
    for (const FieldDef& field : dates) {
        EditorRow* row = makeEditorRow(field, m_template, m_router.calendar(), m_router.clock(), section);
        section->form()->addRow(row);
        connect(row, &EditorRow::edited, this, &BatchAddView::refresh);
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
        section->form()->addRow(input);
        m_quickInputs.insert(field.id, input);
    }
    auto* line = new QHBoxLayout;
    line->addWidget(
        secondaryLabel(
            u"Значения сопоставляются только по порядку ввода — ничего не подставляется автоматически."_s,
            Style::TextStyle::caption, section),
        1);
    m_fill = new QPushButton(u"Создать строки"_s, section);
    m_fill->setObjectName(u"fillFromQuick"_s);
    m_fill->setAutoDefault(false);
    connect(m_fill, &QPushButton::clicked, this, &BatchAddView::fillFromQuick);
    line->addWidget(m_fill);
    section->form()->addRow(line);
    column->addWidget(section);
}

void BatchAddView::buildRows(QVBoxLayout* column) {
    m_rowsSection = new FormSection({}, column->parentWidget());
    auto* body = new QWidget(m_rowsSection);
    m_rowsBox = new QVBoxLayout(body);
    m_rowsBox->setContentsMargins(0, 0, 0, 0);
    m_rowsBox->setSpacing(6);
    m_rowsSection->form()->addRow(body);

    m_noRows = secondaryLabel(u"Строк пока нет. Введите значения списком выше или добавьте строку вручную."_s,
                              Style::TextStyle::body, m_rowsSection);
    m_rowsSection->form()->addRow(m_noRows);
    m_addRow = new QPushButton(Icons::icon(u"plus"_s), u"Добавить строку"_s, m_rowsSection);
    m_addRow->setObjectName(u"addRow"_s);
    m_addRow->setAutoDefault(false);
    connect(m_addRow, &QPushButton::clicked, this, &BatchAddView::addRow);
    auto* line = new QHBoxLayout;
    line->addWidget(m_addRow);
    line->addStretch(1);
    m_rowsSection->form()->addRow(line);
    column->addWidget(m_rowsSection);
}

void BatchAddView::rebuildRows(const std::optional<QUuid>& focusRow) {
    // A row added to a shown list comes on screen on its own later and lays the whole list out again: with
    // thousands of rows made from a pasted list, minutes of a frozen window. Added while the list is
    // hidden, the rows come on screen with it, in one pass.
    QWidget* body = m_rowsBox->parentWidget();
    body->hide();
    // The widgets may be on the stack of the click that changed the list: they go once it has returned.
    for (BatchRowWidget* w : std::as_const(m_rowWidgets)) {
        w->hide();
        w->deleteLater();
    }
    m_rowWidgets.clear();
    if (m_rowsHeader) {
        m_rowsHeader->deleteLater();
        m_rowsHeader = nullptr;
    }
    if (m_columnWidths.isEmpty()) {
        const QLineEdit cell(body);
        m_columnWidths = BatchRowWidget::columnWidths(m_journal, cell);
    }
    if (!m_rows.isEmpty()) {
        m_rowsHeader = new QWidget(body);
        auto* line = new QHBoxLayout(m_rowsHeader);
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(8);
        const auto caption = [this](const QString& text) {
            QLabel* label = secondaryLabel(text, Style::TextStyle::caption, m_rowsHeader);
            label->setFont(Style::font(Style::TextStyle::caption, font(), true));
            label->setWordWrap(false);
            return label;
        };
        QList<QWidget*> names;
        for (const FieldDef& f : m_perItem)
            names.append(caption(f.name));
        BatchRowWidget::addColumns(line, m_journal, m_columnWidths, caption(u"№"_s), names,
                                   new QWidget(m_rowsHeader));
        m_rowsBox->addWidget(m_rowsHeader);
    }
    for (qsizetype i = 0; i < m_rows.size(); ++i) {
        auto* w = new BatchRowWidget(m_journal, m_columnWidths, m_rows[i], int(i), body);
        connect(w, &BatchRowWidget::cellEdited, this, &BatchAddView::editCell);
        connect(w, &BatchRowWidget::deleteRequested, this, &BatchAddView::deleteRow);
        m_rowsBox->addWidget(w);
        m_rowWidgets.append(w);
    }
    body->show();
    m_noRows->setVisible(m_rows.isEmpty());
    refresh();
    for (BatchRowWidget* w : std::as_const(m_rowWidgets)) {
        if (focusRow == w->rowID() && w->firstCell()) {
            QLineEdit* cell = w->firstCell();
            cell->setFocus();
            // Once laid out, the form scrolls to the new row.
            QTimer::singleShot(0, cell, [this, cell] { m_scroll->ensureWidgetVisible(cell); });
        }
    }
}

void BatchAddView::refresh() {
    const QDateTime now = m_router.clock()();
    const QList<BatchRow> pending = BatchEntry::pendingRows(m_journal, m_rows, m_quick);
    const QList<Record> records = BatchBuilder::makeRecords(m_journal, m_template, pending, now).records;
    const QList<BatchEntry::RowReview> reviews =
        BatchEntry::review(m_journal, m_index, m_template, m_rows, now);
    m_rowsSection->setTitle(BatchEntry::rowsHeader(pending.size()));
    for (qsizetype i = 0; i < m_rowWidgets.size(); ++i) {
        m_rowWidgets[i]->showLines(reviews[i].lines());
        m_rowWidgets[i]->showPrompts(m_template);
    }
    m_summary->setText(BatchEntry::summary(m_journal, records));
    m_save->setText(literalLabel(BatchEntry::saveTitle(m_journal, records.size())));
    const bool savable = BatchEntry::canSave(m_journal, records);
    m_saveAction->setEnabled(savable);
    m_save->setEnabled(savable);
    m_fill->setEnabled(BatchEntry::hasQuickInput(m_quick));
}

void BatchAddView::chooseStatus(const QUuid& id) {
    const Clock& clock = m_router.clock();
    m_template = m_journal.settingStatus(id, m_template, clock(), m_router.calendar(), clock);
    for (EditorRow* row : std::as_const(m_statusDates))
        row->showRecord();
    refresh();
}

void BatchAddView::editQuick(const QUuid& fieldID, const QString& text) {
    m_quick.insert(fieldID, text);
    refresh();
}

void BatchAddView::editCell(const QUuid& rowID, const QUuid& fieldID, const QString& text) {
    for (BatchRow& row : m_rows) {
        if (row.id == rowID) {
            row.values.insert(fieldID, text);
            refresh();
            return;
        }
    }
}

void BatchAddView::addRow() {
    m_rows.append(BatchRow{QUuid::createUuid(), {}});
    rebuildRows(m_rows.last().id);
}

void BatchAddView::deleteRow(const QUuid& rowID) {
    m_rows.removeIf([&](const BatchRow& row) { return row.id == rowID; });
    rebuildRows();
}

void BatchAddView::fillFromQuick() {
    const QList<BatchRow> made = BatchBuilder::makeRows(m_quick, m_perItem);
    if (made.isEmpty())
        return;
    m_rows.removeIf([](const BatchRow& row) { return row.isEmpty(); });
    m_rows.append(made);
    m_quick.clear();
    for (QWidget* input : std::as_const(m_quickInputs)) {
        if (auto* line = qobject_cast<QLineEdit*>(input))
            line->clear();
        else if (auto* lines = qobject_cast<GrowingTextEdit*>(input))
            lines->showText({});
    }
    rebuildRows(made.first().id);
}

void BatchAddView::attemptSave() {
    if (openBox())
        return;
    if (std::all_of(m_rows.cbegin(), m_rows.cend(), [](const BatchRow& row) { return row.isEmpty(); }))
        fillFromQuick();
    const QDateTime now = m_router.clock()();
    const QList<Record> records =
        BatchBuilder::makeRecords(m_journal, m_template, BatchEntry::pendingRows(m_journal, m_rows, m_quick),
                                  now)
            .records;
    if (!BatchEntry::canSave(m_journal, records))
        return;
    const QStringList lines =
        BatchEntry::allDuplicateMessages(m_journal, m_index, m_template, m_rows, m_quick, now);
    if (lines.isEmpty()) {
        save();
        return;
    }
    m_box = openConfirmBox(this, u"Возможные дубли"_s, BatchEntry::duplicateAlertText(lines),
                           u"Сохранить всё равно"_s, QMessageBox::AcceptRole, u"Вернуться к редактированию"_s,
                           [this] { save(); });
}

void BatchAddView::save() {
    // Created and changed at the moment of saving, in row order. A journal gone by now takes nothing, and
    // the sheet closes all the same.
    const QList<BatchRow> pending = BatchEntry::pendingRows(m_journal, m_rows, m_quick);
    const WaitCursor wait = WaitCursor::aroundSave(m_store);
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
    if (box)
        box->setFocus();
    else
        m_scroll->setFocus();
}
