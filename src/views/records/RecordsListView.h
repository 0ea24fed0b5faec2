#pragma once

#include "app/kit/MenuTarget.h"
#include "views/kit/JournalTabView.h"

#include "app/records/RecordActions.h"
#include "app/records/RecordsTable.h"
#include "app/records/ShownRecords.h"
#include "core/journal/RecordFilters.h"
#include "core/journal/RecordSort.h"

#include <QList>
#include <QSet>
#include <QUrl>
#include <QUuid>

#include <memory>

class AppRouter;
class AppStore;
class JournalIndex;
class QAction;
class QMenu;
class RecordCommands;
class RecordsActionBar;
class QStackedWidget;
class RecordsEmptyState;
class RecordsFilterBar;
class RecordsTableModel;
class RecordsTableView;
class RecordsTabActions;

// The records tab of one journal: the filter bar, the table of the records that pass the filters (or an
// invitation while the journal has none), sorted by the header the user clicked last, and the bar of actions
// on the selected records; the table's rows carry a context menu with the same actions. The actions act on
// the context menu's rows while it exists (the selection when the clicked row is part of it, else the
// clicked row alone), else on the selection.
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

private:
    // Filters, sorts and shows the records again.
    void refresh();
    void selectionEdited();
    void restoreSelection();
    void openRecord(const QModelIndex& index);
    void exportShown();
    // The bar shows the selection's state; the actions are brought to the rows they act on.
    void showActions();
    QList<QUrl> linksOf(const QSet<QUuid>& ids) const;

    void showContextMenu(const QPoint& position);
    // The rows the actions act on: the context menu's while it exists, else the selection.
    QSet<QUuid> actedOn() const;
    void confirmDelete();

    AppStore& m_store;
    AppRouter& m_router;
    Journal m_journal;
    QList<QUuid> m_recordIDs;
    QSet<QUuid> m_selection;
    QList<RecordSort> m_sortOrder{RecordSort::initial()};
    QList<Records::RecordsColumn> m_columns;
    QList<ColumnWidths::Column> m_widths;
    RecordFilters m_shownFilters;
    Records::ShownRecords m_shown;
    bool m_restoringSelection = false;

    RecordsFilterBar* m_filterBar = nullptr;
    QStackedWidget* m_pages = nullptr;
    RecordsTableView* m_table = nullptr;
    RecordsTableModel* m_model = nullptr;
    RecordsEmptyState* m_empty = nullptr;
    RecordsActionBar* m_actionBar = nullptr;
    MenuTarget<QSet<QUuid>> m_menu; // the rows of the context menu while it exists
    RecordCommands* m_commands = nullptr;
    RecordsTabActions* m_actions = nullptr;
    QAction* m_focusSearch = nullptr;
};
