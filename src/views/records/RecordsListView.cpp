#include "views/records/RecordsListView.h"

#include "app/AppRouter.h"
#include "app/kit/AppKeys.h"
#include "app/records/FilterBar.h"
#include "core/model/IdsInOrder.h"
#include "core/store/AppStore.h"
#include "views/cells/CellDelegate.h"
#include "views/kit/Style.h"
#include "views/records/RecordCommands.h"
#include "views/records/RecordsActionBar.h"
#include "views/records/RecordsEmptyState.h"
#include "views/records/RecordsFilterBar.h"
#include "views/records/RecordsTabActions.h"
#include "views/records/RecordsTableModel.h"
#include "views/records/RecordsTableView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMenu>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Records;

namespace {

// What decides the columns' widths: their fields and types, not their headers.
bool sameWidths(const QList<RecordsColumn>& a, const QList<RecordsColumn>& b) {
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend(), [](const auto& x, const auto& y) {
        return x.kind == y.kind && x.field.id == y.field.id && x.minWidth == y.minWidth &&
               x.idealWidth == y.idealWidth;
    });
}

} // namespace

RecordsListView::RecordsListView(AppStore& store, AppRouter& router, const Journal& journal,
                                 std::shared_ptr<JournalIndex> index, QWidget* parent)
    : JournalTabView(parent), m_store(store), m_router(router), m_journal(journal),
      m_recordIDs(idsInOrder(journal.records)), m_shown(std::move(index)), m_menu([this] { showActions(); }) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_filterBar = new RecordsFilterBar(router, this);
    m_filterBar->setObjectName(u"filterBar"_s);
    layout->addWidget(m_filterBar);
    layout->addWidget(Style::separatorLine(this));
    m_pages = new QStackedWidget(this);
    m_table = new RecordsTableView(m_pages);
    m_table->setObjectName(u"recordsTable"_s);
    m_model = new RecordsTableModel(m_table);
    m_table->setModel(m_model);
    m_empty = new RecordsEmptyState(router, m_pages);
    m_empty->setObjectName(u"emptyState"_s);
    m_pages->addWidget(m_table);
    m_pages->addWidget(m_empty);
    layout->addWidget(m_pages, 1);
    layout->addWidget(Style::separatorLine(this));
    m_commands = new RecordCommands(store, router, this);
    m_commands->setJournal(journal);
    m_actions = new RecordsTabActions(*m_commands, this, [this] { return actedOn(); });
    m_actions->setJournal(journal);
    m_actionBar = new RecordsActionBar(*m_actions, this);
    m_actionBar->setObjectName(u"actionBar"_s);
    layout->addWidget(m_actionBar);

    m_focusSearch = new QAction(u"Поиск"_s, this);
    m_focusSearch->setObjectName(u"focusSearch"_s);
    m_focusSearch->setShortcut(AppKeys::focusSearch());
    m_focusSearch->setShortcutContext(Qt::WindowShortcut);
    addAction(m_focusSearch);
    connect(m_focusSearch, &QAction::triggered, m_filterBar, &RecordsFilterBar::focusSearch);
    connect(m_filterBar, &RecordsFilterBar::searchSubmitted, this,
            [this] { m_table->setFocus(Qt::OtherFocusReason); });
    connect(m_filterBar, &RecordsFilterBar::exportRequested, this, &RecordsListView::exportShown);
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int section) {
        if (section < 0 || section >= m_columns.size())
            return;
        m_sortOrder = RecordsTable::clickedHeader(m_sortOrder, m_columns[section].sort);
        refresh();
    });
    connect(m_table->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &RecordsListView::selectionEdited);
    connect(m_table, &QAbstractItemView::doubleClicked, this, &RecordsListView::openRecord);
    connect(m_table, &QWidget::customContextMenuRequested, this, &RecordsListView::showContextMenu);
    connect(m_actions, &RecordsTabActions::deleteRequested, this, [this] {
        // Deleting what a context menu was opened for selects it first, so the question names it.
        m_selection = actedOn();
        restoreSelection();
        showActions();
        confirmDelete();
    });
    connect(&m_router, &AppRouter::filtersChanged, this, [this] {
        if (m_router.filtersFor(m_journal.id) != m_shownFilters)
            refresh();
    });
    refresh();
    showActions();
}

void RecordsListView::setJournal(const Journal& journal) {
    m_journal = journal;
    m_commands->setJournal(journal);
    m_actions->setJournal(journal);
    // Only records leaving the journal leave the selection; a filter hiding one does not.
    if (QList<QUuid> ids = idsInOrder(journal.records); ids != m_recordIDs) {
        m_recordIDs = std::move(ids);
        const QSet<QUuid> present(m_recordIDs.cbegin(), m_recordIDs.cend());
        m_selection.intersect(present);
        m_menu.target().intersect(present);
    }
    m_sortOrder = RecordsTable::current(m_sortOrder, journal);
    refresh();
    showActions();
}

void RecordsListView::refresh() {
    m_shownFilters = m_router.filtersFor(m_journal.id);
    m_shown.show(m_journal, m_shownFilters, m_sortOrder);
    const std::vector<int>& rows = m_shown.rows();

    const QList<RecordsColumn> columns = RecordsTable::columns(m_journal);
    const bool newColumns = !sameWidths(columns, m_columns);
    m_columns = columns;
    // Set before the rows, so that fitting the columns to them leaves the indicator its room.
    QHeaderView* header = m_table->horizontalHeader();
    if (const auto indicator = RecordsTable::indicator(m_sortOrder, m_columns)) {
        header->setSortIndicatorShown(true);
        header->setSortIndicator(indicator->column, indicator->order == SortOrder::forward
                                                        ? Qt::AscendingOrder
                                                        : Qt::DescendingOrder);
    } else {
        header->setSortIndicatorShown(false);
    }

    m_restoringSelection = true;
    m_model->setContent(m_journal, m_columns, rows);
    const int widestBadge = CellDelegate::widestBadge(m_journal.statuses, m_table->font());
    QList<ColumnWidths::Column> widths;
    for (const RecordsColumn& c : std::as_const(m_columns))
        widths.append(RecordsTable::widths(c, m_journal, widestBadge));
    // Renamed statuses change the widths of the same columns, and keep what the user dragged.
    if (newColumns)
        m_table->setColumnWidths(widths);
    else if (widths != m_widths)
        m_table->reviseColumnWidths(widths);
    m_widths = widths;
    restoreSelection();
    m_restoringSelection = false;

    const std::optional<FieldDef> valueField = FilterBar::shownValueField(m_journal, m_shownFilters);
    // The pass that reads every record for the filter bar reads the number columns' values as well: a first
    // click on such a header then finds them at hand instead of fetching every record's again. Other
    // columns are read when first sorted by, since each one kept takes memory while the tab is shown.
    QList<QUuid> numberFields;
    for (const RecordsColumn& c : std::as_const(m_columns)) {
        if (c.kind == RecordsColumn::Kind::field && c.field.type == FieldType::number)
            numberFields.append(c.field.id);
    }
    m_shown.prepare(valueField, numberFields);
    std::optional<qsizetype> groups;
    if (!m_journal.groupFields().isEmpty())
        groups = m_shown.groupCount();
    const QString shownLine = FilterBar::shownLine(m_journal, qsizetype(m_shown.passing().size()), groups);
    QStringList values;
    if (valueField)
        values = m_shown.distinctValues(*valueField);
    m_filterBar->showFilters(m_journal, m_shownFilters, values, shownLine, !rows.empty());
    m_empty->setJournal(m_journal);
    m_pages->setCurrentWidget(m_journal.records.isEmpty() ? static_cast<QWidget*>(m_empty) : m_table);
}

void RecordsListView::restoreSelection() {
    QItemSelectionModel* selectionModel = m_table->selectionModel();
    QItemSelection rows;
    const int last = m_model->columnCount() - 1;
    int first = -1;
    auto close = [&](int end) {
        if (first >= 0)
            rows.select(m_model->index(first, 0), m_model->index(end, last));
        first = -1;
    };
    const std::vector<int>& shown = m_shown.rows();
    for (int row = 0; !m_selection.isEmpty() && row < int(shown.size()); ++row) {
        if (m_selection.contains(std::as_const(m_journal.records)[shown[size_t(row)]].id)) {
            if (first < 0)
                first = row;
        } else {
            close(row - 1);
        }
    }
    close(int(shown.size()) - 1);
    selectionModel->select(rows, QItemSelectionModel::ClearAndSelect);
    if (!rows.isEmpty())
        selectionModel->setCurrentIndex(rows.first().topLeft(), QItemSelectionModel::NoUpdate);
}

void RecordsListView::selectionEdited() {
    if (m_restoringSelection)
        return;
    QSet<QUuid> selected;
    for (const QModelIndex& index : m_table->selectionModel()->selectedRows())
        selected.insert(m_model->idAt(index.row()));
    m_selection = selected;
    showActions();
}

void RecordsListView::openRecord(const QModelIndex& index) {
    const std::optional<Record> record = m_journal.record(m_model->idAt(index.row()));
    if (!record)
        return;
    m_router.setEditor(EditorItem{QUuid::createUuid(), m_journal.id, *record, false});
}

void RecordsListView::exportShown() {
    if (!m_shown.rows().empty())
        m_router.exportJournal(m_journal, m_shown.records(), u"_выборка"_s);
}

void RecordsListView::showActions() {
    const QList<QUrl> selected = linksOf(m_selection);
    m_actionBar->showContent(RecordActions::actionBar(m_journal, m_selection.size(), selected.size()));
    if (m_menu.menu())
        m_actions->aim(m_menu.target(), linksOf(m_menu.target()), true);
    else
        m_actions->aim(m_selection, selected, false);
}

QList<QUrl> RecordsListView::linksOf(const QSet<QUuid>& ids) const {
    if (ids.isEmpty() || m_journal.linkFields().isEmpty())
        return {};
    return m_store.links(ids, m_journal.id);
}

QSet<QUuid> RecordsListView::actedOn() const {
    return m_menu.menu() ? m_menu.target() : m_selection;
}

void RecordsListView::showContextMenu(const QPoint& position) {
    const QModelIndex index = m_table->indexAt(position);
    if (!index.isValid())
        return;
    // The menu before goes, later: this one's rows count from now.
    if (auto* before = qobject_cast<QMenu*>(m_menu.menu()))
        before->close();
    // The selection when the clicked row is part of it, else the clicked row alone; the selection stays.
    const QUuid clicked = m_model->idAt(index.row());
    auto* menu = new QMenu(this);
    menu->setObjectName(u"recordsMenu"_s);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_menu.aim(menu, m_selection.contains(clicked) ? m_selection : QSet<QUuid>{clicked});
    showActions();
    menu->addActions(m_actions->menuItems());
    menu->popup(m_table->viewport()->mapToGlobal(position));
}

void RecordsListView::confirmDelete() {
    // Every selected record goes, those the filters hide included.
    m_commands->confirmDelete(m_selection, [this] {
        m_selection.clear();
        restoreSelection();
        showActions();
    });
}
