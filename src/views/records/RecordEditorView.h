#pragma once

#include "app/SheetItems.h"

#include "core/journal/DuplicateIndex.h"
#include "core/model/Model.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QPointer>

class AppRouter;
class AppStore;
class EditorRow;
class FormSection;
class QLabel;

class QPushButton;
class QScrollArea;
class StatusPicker;
class WarningLabel;

// The record editor: adds one record to a journal or changes one. It works on its own copy of the record;
// the store changes only when the user saves (after confirming a possible duplicate) or deletes the record
// after confirming. Every other way of closing it drops the edits.
class RecordEditorView : public QDialog {
    Q_OBJECT
public:
    RecordEditorView(AppStore& store, AppRouter& router, const Journal& journal, const EditorItem& item,
                     QWidget* parent);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The duplicate alert or the delete confirmation while one is open.
    QMessageBox* openBox() const { return m_box && m_box->isVisible() ? m_box.data() : nullptr; }
    QWidget* buildForm();
    // After every edit: the title, the duplicate findings and what shows them, the save button.
    void refresh();
    void showTitle();
    // Scrolls the duplicate section into view without taking the focus from where the user types.
    void revealDuplicates();
    void chooseStatus(const QUuid& id);
    void attemptSave();
    void save();
    void confirmDelete();

    AppStore& m_store;
    AppRouter& m_router;
    const Journal m_journal;
    const bool m_isNew;
    Record m_record;
    // The journal stays the same while the sheet is open: its duplicate keys are worked out once, so a
    // keystroke looks its findings up instead of passing over every stored record.
    const DuplicateIndex m_index;
    // Found once per edit and shared by the form's section, the save road and the alert.
    QList<Journal::DuplicateFinding> m_duplicates;
    bool m_focusSet = false;

    QString m_titleText;
    QLabel* m_title = nullptr;
    QScrollArea* m_scroll = nullptr;
    QHash<QUuid, EditorRow*> m_rows;
    StatusPicker* m_statusPicker = nullptr;
    FormSection* m_duplicateSection = nullptr;
    QList<WarningLabel*> m_duplicateLabels;
    // How many findings the section showed after the last edit.
    qsizetype m_shownDuplicates = 0;
    QPushButton* m_delete = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_save = nullptr;
    QPointer<QMessageBox> m_box;
};
