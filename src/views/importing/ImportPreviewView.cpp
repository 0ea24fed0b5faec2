#include "views/importing/ImportPreviewView.h"

#include "app/AppRouter.h"
#include "app/importing/ImportPreview.h"
#include "core/store/AppStore.h"
#include "views/cells/CellDelegate.h"
#include "views/importing/ImportPreviewModel.h"
#include "views/kit/ColumnFitter.h"
#include "views/kit/ElidedHeaderView.h"
#include "views/kit/FrozenColumnsTableView.h"
#include "views/kit/NoteLabel.h"
#include "views/kit/SheetFooter.h"
#include "views/kit/SheetForm.h"
#include "views/kit/SheetSize.h"
#include "views/kit/Style.h"
#include "views/kit/WaitCursor.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;
using namespace Importing;

namespace {

const QSize minimumSheet(1150, 600);
const QSize idealSheet(1300, 720);

} // namespace

ImportPreviewView::ImportPreviewView(AppStore& store, AppRouter& router, const Journal& journal,
                                     const ImportPreviewItem& item, QWidget* parent)
    : QDialog(parent), m_store(store), m_router(router), m_journal(journal) {
    const QString title = ImportPreview::title(journal.name, item.fileName);
    setWindowTitle(title);
    m_model = new ImportPreviewModel(journal, item.result, this);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(SheetForm::padding, SheetForm::padding, SheetForm::padding,
                               SheetForm::padding);
    layout->setSpacing(12);

    // The file's name may be long: the title wraps rather than widening the sheet.
    QLabel* heading = SheetForm::heading(this, title);
    heading->setWordWrap(true);
    layout->addWidget(heading);

    auto* summary = new QHBoxLayout;
    summary->setSpacing(18);
    const QPalette& p = palette();
    const auto [rows, fresh, duplicates, errors, toImport] = ImportPreview::summaryTiles(item.result);
    summary->addWidget(summaryItem(rows.title, m_rowsTile, p.color(QPalette::WindowText)));
    summary->addWidget(summaryItem(fresh.title, m_newTile, Style::color(Style::Role::success, this)));
    summary->addWidget(
        summaryItem(duplicates.title, m_duplicatesTile, Style::color(Style::Role::warning, this)));
    summary->addWidget(summaryItem(errors.title, m_errorsTile, Style::color(Style::Role::destructive, this)));
    summary->addWidget(summaryItem(toImport.title, m_importTile, Style::color(Style::Role::accent, this)));
    m_rowsTile->setObjectName(u"tile_rows"_s);
    m_newTile->setObjectName(u"tile_new"_s);
    m_duplicatesTile->setObjectName(u"tile_duplicates"_s);
    m_errorsTile->setObjectName(u"tile_errors"_s);
    m_importTile->setObjectName(u"tile_import"_s);
    summary->addStretch(1);
    layout->addLayout(summary);

    QLabel* columns =
        noteLabel(ImportPreview::columnsLine(item.result.recognizedColumns, item.result.ignoredColumns),
                  Style::TextStyle::callout, this);
    columns->setObjectName(u"columnsLine"_s);
    layout->addWidget(columns);

    auto* presets = new QHBoxLayout;
    for (const ImportPreview::Preset preset :
         {ImportPreview::Preset::onlyNew, ImportPreview::Preset::withDuplicates,
          ImportPreview::Preset::none}) {
        auto* button = new QPushButton(ImportPreview::presetTitle(preset), this);
        button->setAutoDefault(false);
        button->setObjectName(u"preset_"_s + QString::number(int(preset)));
        connect(button, &QPushButton::clicked, this, [this, preset] { m_model->applyPreset(preset); });
        presets->addWidget(button);
    }
    // The caption takes the rest of the row and keeps to its trailing edge, wrapping only when it must.
    QLabel* hint = noteLabel(ImportPreview::duplicatesHint(), Style::TextStyle::callout, this);
    hint->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    presets->addSpacing(12);
    presets->addWidget(hint, 1);
    layout->addLayout(presets);

    layout->addWidget(buildTable(), 1);

    // The default button: Return imports, and does nothing while the button is disabled.
    const SheetFooter footer = makeSheetFooter(this, {}, u"import"_s);
    m_import = footer.primary;
    layout->addLayout(footer.row);

    connect(m_import, &QPushButton::clicked, this, &ImportPreviewView::runImport);
    connect(m_model, &ImportPreviewModel::includesChanged, this, &ImportPreviewView::refreshCounts);
    refreshCounts();

    // The rows' many columns take whatever room the screen has, even over a smaller window.
    SheetSize::apply(this, minimumSheet, idealSheet, SheetSize::Fit::withinScreen);
}

QWidget* ImportPreviewView::summaryItem(const QString& title, QLabel*& value, const QColor& colour) {
    auto* tile = new QWidget(this);
    auto* stack = new QVBoxLayout(tile);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(2);
    value = new QLabel(tile);
    value->setTextFormat(Qt::PlainText);
    value->setFont(Style::tabularFont(Style::font(Style::TextStyle::title, font(), true)));
    Style::setTextColor(value, Style::readable(colour, value));
    auto* caption = new QLabel(title, tile);
    Style::setText(caption, Style::TextStyle::callout);
    Style::setSecondary(caption);
    stack->addWidget(value);
    stack->addWidget(caption);
    return tile;
}

QWidget* ImportPreviewView::buildTable() {
    m_table = new FrozenColumnsTableView(this);
    m_table->setObjectName(u"rows"_s);
    m_table->setHorizontalHeader(new ElidedHeaderView(Qt::Horizontal, m_table));
    m_table->setModel(m_model);
    m_table->setItemDelegate(new CellDelegate(m_table));
    m_table->setSelectionMode(QAbstractItemView::NoSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSortingEnabled(false);
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(true);
    m_table->setWordWrap(false);
    // Rows of one height, never measured: a file of ten thousand rows shows at once.
    QHeaderView* rows = m_table->verticalHeader();
    rows->hide();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 12);
    QHeaderView* header = m_table->horizontalHeader();
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header->setSectionsClickable(false);
    header->setMinimumSectionSize(20);
    (new ColumnFitter(m_table))
        ->setColumns(ImportPreview::columnWidths(
            m_model->fields(), CellDelegate::widestBadge(m_journal.statuses, m_table->font())));
    // What a row is known by and whether it is imported stay in view while the data scroll sideways.
    m_table->freezeLeadingColumns(ImportPreviewModel::checkColumn + 1);
    return m_table;
}

void ImportPreviewView::refreshCounts() {
    const ImportResult& result = m_model->result();
    const qsizetype n = result.selectedCount();
    const auto [rows, fresh, duplicates, errors, toImport] = ImportPreview::summaryTiles(result);
    m_rowsTile->setText(rows.count);
    m_newTile->setText(fresh.count);
    m_duplicatesTile->setText(duplicates.count);
    m_errorsTile->setText(errors.count);
    m_importTile->setText(toImport.count);
    m_import->setText(ImportPreview::importButtonTitle(n, m_journal.itemNoun));
    m_import->setEnabled(n > 0);
}

void ImportPreviewView::runImport() {
    // The journal is looked up as the button is pressed: one deleted meanwhile gets nothing, and no notice
    // claims an import that did not happen.
    const std::optional<Journal> target = m_store.journal(m_journal.id);
    if (!target) {
        reject();
        return;
    }
    QList<Record> records = m_model->result().selected();
    const qsizetype count = records.size();
    // The records share their values with the rows; the rest of a large file's rows goes before the store
    // works and saves.
    m_model->releaseRows();
    // However small the data file, storing a large import takes a while of its own.
    const WaitCursor wait;
    m_store.addRecords(std::move(records), target->id);
    accept();
    m_router.setMessage(ImportPreview::importedMessage(count, target->itemNoun));
}
