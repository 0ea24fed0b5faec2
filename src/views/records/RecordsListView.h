#pragma once

#include "views/kit/JournalTabView.h"

#include "app/records/RecordActions.h"
#include "app/records/RecordsColumns.h"
#include "app/records/ShownRecords.h"
#include "core/journal/RecordFilters.h"
#include "core/journal/RecordSort.h"

#include <QList>
#include <QPointer>
#include <QSet>
#include <QUuid>

#include <memory>

class AppRouter;
class AppStore;
class JournalIndex;
class QAction;
class QMenu;
class QMessageBox;
class RecordCommands;
class RecordsActionBar;
class QStackedWidget;
class RecordsEmptyState;
class RecordsFilterBar;
class RecordsTableModel;
class RecordsTableView;

// The records tab of one journal: the filter bar, the table of the records that pass the filters (or an
// invitation while the journal has none), sorted by the header the user clicked last, and the bar of actions
// on the selected records; the table's rows carry a context menu with the same actions.
//
// The tab owns its selection and sort order; the filters live in the router, so they outlive the tab.
// The selection is kept by record id: filtering and sorting never change it, and only ids that leave the
// journal are dropped from it. What the tab derives from the journal's records (texts, ranks, keys) lives
// in the journal's index, which the journal screen keeps while the journal is shown.
class RecordsListView : public JournalTabView {
    Q_OBJECT
public:
    RecordsListView(AppStore& store, AppRouter& router, const Journal& journal,
                    std::shared_ptr<JournalIndex> index, QWidget* parent = nullptr);
    void setJournal(const Journal& journal) override;

    const Journal& journal() const { return m_journal; }
    // The records shown, filtered and sorted.
    QList<Record> visible() const { return m_shown.records(); }
    const QSet<QUuid>& selection() const { return m_selection; }
    const QList<RecordSort>& sortOrder() const { return m_sortOrder; }

    RecordsFilterBar* filterBar() const { return m_filterBar; }
    RecordsTableView* table() const { return m_table; }
    RecordsTableModel* model() const { return m_model; }
    RecordsEmptyState* emptyState() const { return m_empty; }
    RecordsActionBar* actionBar() const { return m_actionBar; }
    bool showsEmptyState() const;
    // The context menu while it is open.
    QMenu* contextMenu() const;
    QMessageBox* deleteConfirmation() const;

    // The selected records in the journal's order, those the filters hide included.
    QList<Record> selectedRecords() const;

private:
    // Filters, sorts and shows the records again.
    void refresh();
    void selectionEdited();
    void restoreSelection();
    void openRecord(const QModelIndex& index);
    void exportShown();
    void showActions();

    // The record actions, on the selection or on the rows a context menu was opened for.
    void showContextMenu(const QPoint& position);
    void run(const records::RecordActions::MenuEntry& entry, const QSet<QUuid>& ids);
    void confirmDelete();
    std::optional<Record> firstSelected() const;

    AppStore& m_store;
    AppRouter& m_router;
    Journal m_journal;
    QList<QUuid> m_recordIDs;
    QSet<QUuid> m_selection;
    QList<RecordSort> m_sortOrder{RecordSort::initial()};
    QList<records::RecordsColumn> m_columns;
    RecordFilters m_shownFilters;
    records::ShownRecords m_shown;
    bool m_restoringSelection = false;

    RecordsFilterBar* m_filterBar = nullptr;
    QStackedWidget* m_pages = nullptr;
    RecordsTableView* m_table = nullptr;
    RecordsTableModel* m_model = nullptr;
    RecordsEmptyState* m_empty = nullptr;
    RecordsActionBar* m_actionBar = nullptr;
    QPointer<QMenu> m_menu;
    RecordCommands* m_commands = nullptr;
    QAction* m_focusSearch = nullptr;
};
