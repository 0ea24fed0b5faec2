#pragma once

#include "app/SheetItems.h"

#include "app/records/BatchRows.h"
#include "core/journal/Batch.h"
#include "core/journal/DuplicateIndex.h"
#include "core/model/Model.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QPointer>

class AppRouter;
class AppStore;
class BatchRowList;
class BatchRowWidget;
class EditorRow;
class FormSection;
class QAction;
class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;
class StatusPicker;

// Batch entry: several records of one journal in one go. The values they share are typed once (the shared
// fields, the status and its dates); the per-item fields are typed row by row, or as lists that are cut
// into rows. Every filled row becomes one record built on the shared values. The store changes only when
// the user saves (after confirming possible duplicates); closing the sheet any other way drops everything.
class BatchAddView : public QDialog {
    Q_OBJECT
public:
    BatchAddView(AppStore& store, AppRouter& router, const Journal& journal, const BatchItem& item,
                 QWidget* parent);

    QString title() const;

    // Turns the quick lists into rows after the filled rows; lists that make no row stay as typed.
    void fillFromQuick();
    // Saves the batch, after asking when rows may repeat stored records or each other. While no row is
    // filled, the quick lists become rows first.
    void attemptSave();

    // The rows typed or made so far, in order.
    const QList<BatchRow>& rows() const { return m_rows.rows(); }
    // Scrolls the row at `position` into view and gives its widget.
    BatchRowWidget* showRow(qsizetype position);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The duplicate alert while it is open.
    QMessageBox* openBox() const { return m_box && m_box->isVisible() ? m_box.data() : nullptr; }
    QWidget* buildForm();
    void buildShared(QVBoxLayout* column);
    void buildStatus(QVBoxLayout* column);
    void buildQuick(QVBoxLayout* column);
    void buildRows(QVBoxLayout* column);
    // After a change of the row list: the rows shown anew, then the counts.
    void showRows();
    // After every edit: the counts, the summary and the buttons.
    void refresh();
    // After a change of the shared values: every row's lines and placeholders, then the counts.
    void templateEdited();
    void chooseStatus(const QUuid& id);
    void editQuick(const QUuid& fieldID, const QString& text);
    void editCell(const QUuid& rowID, const QUuid& fieldID, const QString& text);
    void addRow();
    void deleteRow(const QUuid& rowID);
    void save();

    AppStore& m_store;
    AppRouter& m_router;
    const Journal m_journal;
    const bool m_fromRecord;
    const QList<FieldDef> m_perItem;
    // The journal stays the same while the sheet is open: its duplicate keys are worked out once.
    const DuplicateIndex m_index;
    Record m_template;
    Records::BatchRows m_rows;
    QHash<QUuid, QString> m_quick;
    bool m_focusSet = false;

    QScrollArea* m_scroll = nullptr;
    QHash<QUuid, EditorRow*> m_shared;
    QList<EditorRow*> m_statusDates;
    StatusPicker* m_statusPicker = nullptr;
    QHash<QUuid, QWidget*> m_quickInputs;
    QPushButton* m_fill = nullptr;
    FormSection* m_rowsSection = nullptr;
    BatchRowList* m_list = nullptr;
    QLabel* m_noRows = nullptr;
    QPushButton* m_addRow = nullptr;
    QLabel* m_summary = nullptr;
    QPushButton* m_save = nullptr;
    QAction* m_saveAction = nullptr;
    QPointer<QMessageBox> m_box;
};
