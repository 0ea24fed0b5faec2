#pragma once

#include "app/SheetItems.h"

#include "core/model/Model.h"

#include <QDialog>

class AppRouter;
class AppStore;
class FrozenColumnsTableView;
class ImportPreviewModel;
class QLabel;
class QPushButton;

// The preview of a CSV import: what the file would add to the journal, row by row, with the counts of new,
// duplicate and faulty rows. The user chooses the rows to import, one by one or with the preset buttons;
// nothing is stored before the import button adds the chosen rows in one go.
class ImportPreviewView : public QDialog {
    Q_OBJECT
public:
    ImportPreviewView(AppStore& store, AppRouter& router, const Journal& journal,
                      const ImportPreviewItem& item, QWidget* parent);

private:
    QWidget* summaryItem(const QString& title, QLabel*& value, const QColor& colour);
    QWidget* buildTable();
    void refreshCounts();
    void runImport();

    AppStore& m_store;
    AppRouter& m_router;
    const Journal m_journal;
    ImportPreviewModel* m_model = nullptr;
    FrozenColumnsTableView* m_table = nullptr;
    QLabel* m_rowsTile = nullptr;
    QLabel* m_newTile = nullptr;
    QLabel* m_duplicatesTile = nullptr;
    QLabel* m_errorsTile = nullptr;
    QLabel* m_importTile = nullptr;
    QPushButton* m_import = nullptr;
};
