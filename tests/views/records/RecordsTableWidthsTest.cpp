#include "RecordsTabFixture.h"
#include "core/templates/Templates.h"
#include "views/cells/CellStyle.h"
#include "views/records/RecordsTableModel.h"

using namespace Qt::StringLiterals;
using namespace testsupport;

namespace {

// What a cell shows, cut with "…" to its column as the cell delegate draws it (4 px margins a side).
QString drawn(const QTableView* table, int row, int column) {
    const CellContent content = table->model()->index(row, column).data(CellContentRole).value<CellContent>();
    const QFont font = content.equalWidthDigits ? CellStyle::equalWidthDigits(table->font()) : table->font();
    return QFontMetrics(font).elidedText(content.text, Qt::ElideRight,
                                         table->horizontalHeader()->sectionSize(column) - 8);
}

} // namespace

// The sales journal's twelve columns fit the default window, sums such as 87 764,15 ₽ and dates whole;
// in the least window the texts shrink to their minimums before the table scrolls sideways, and figures
// and dates still read whole.
TEST(RecordsTableWidths, TheSalesColumnsShareTheTablesWidth) {
    Journal sales = Templates::sales();
    for (int i = 0; i < 40; ++i) {
        Record r = labelled(u"r"_s + QString::number(i), utc(2024, 10, 1).addDays(i));
        for (const FieldDef& f : sales.fields) {
            if (f.type == FieldType::number)
                put(r, f, FieldValue::ofNumber(i == 39 ? 87764.15 : 1000 + i * 997.31));
            else if (f.type == FieldType::date)
                put(r, f, FieldValue::ofDate(utc(2024, 11, 1 + i % 28)));
            else
                put(r, f,
                    FieldValue::ofText(f.type == FieldType::link ? u"https://example.com/"_s : u"Худи"_s));
        }
        sales.records.append(r);
    }
    for (const QSize window : {QSize(1440, 860), QSize(1050, 680)}) {
        SCOPED_TRACE(window.width());
        Shell shell({sales}, false);
        shell.router->setTab(JournalTab::records);
        shell.window->resize(window);
        shell.show();
        const QTableView* table = shell.shown<RecordsTableView>(u"recordsTable"_s);
        const auto* model = qobject_cast<const RecordsTableModel*>(table->model());
        int widths = 0;
        for (int c = 0; c < model->columnCount(); ++c)
            widths += table->horizontalHeader()->sectionSize(c);
        if (window.width() == 1440)
            EXPECT_LE(widths, table->viewport()->width()) << "no column beyond the right edge";
        else
            for (int c : {0, 1, 2, 3, 6}) // the status and the texts
                EXPECT_EQ(table->horizontalHeader()->sectionSize(c), model->columns()[c].minWidth) << c;
        EXPECT_EQ(drawn(table, 0, 5), u"87\u00A0764,15 ₽"_s);
        for (int c : {4, 7, 8, 9, 10}) // the quantity and the dates
            EXPECT_EQ(drawn(table, 1, c), model->index(1, c).data().toString()) << c;
    }
}

// A width the user dragged stays through changes of the records and of the window, never under its
// column's minimum, until the journal's fields change.
TEST(RecordsTableWidths, DraggedWidthsStayUntilTheFieldsChange) {
    RecordsTab tab;
    QHeaderView* header = tab.table()->horizontalHeader();
    header->resizeSection(1, 300); // as the user drags them
    header->resizeSection(3, 10);
    tab.store->setStatus(tab.journal.statuses[1].id, {tab.journal.records[0].id}, tab.journal.id,
                         utc(2024, 2, 1));
    tab.window->resize(1300, 860);
    EXPECT_EQ(std::pair(header->sectionSize(1), header->sectionSize(3)), std::pair(300, 60));

    Journal changed = *tab.store->journal(tab.journal.id);
    changed.fields[4].showInTable = false;
    tab.store->updateSettings(changed);
    EXPECT_EQ(header->sectionSize(1), 170) << "the title column's ideal again";
}
