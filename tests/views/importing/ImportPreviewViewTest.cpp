#include "views/importing/ImportPreviewView.h"
#include "Looks.h"
#include "RecordFixtures.h"
#include "ShellFixture.h"
#include "ShownText.h"
#include "core/model/Ids.h"
#include "core/templates/Templates.h"
#include "views/importing/ImportPreviewModel.h"
#include "views/kit/Style.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableView>
#include <QWheelEvent>

using namespace TestSupport;
using namespace Qt::StringLiterals;

namespace {

// A shop's goods, the article unique, one stored. The file's line 2 repeats the stored article, line 3 is
// new, line 4 has no content, line 5 carries the stored record's id; "Цвет" names no field.
struct Goods {
    FieldDef article = fieldOf(FieldType::text, u"Артикул"_s, u"u");
    FieldDef name = fieldOf(FieldType::text, u"Название"_s);
    Journal journal = [this] {
        Journal j = journalOf({article, name, fieldOf(FieldType::longText)}, {statusNamed(u"Новый"_s)});
        j.fields.last().showInTable = false;
        j.id = QUuid::createUuid();
        j.name = u"Товары"_s;
        j.itemNoun = {u"запись"_s, u"записи"_s, u"записей"_s};
        j.records = {typed({{&article, u"A-1"_s}, {&name, u"Чай"_s}})};
        return j;
    }();
    QString file =
        u"Артикул;Название;Статус;ID;Цвет\r\nA-1;Чай зелёный;;;\r\nB-2;Кофе;Новый;;\r\n;;Новый;;красный\r\n"
        u"C-3;Какао;;"_s +
        idText(journal.records.first().id) + u";\r\n"_s;
};

QStringList tiles(QDialog* sheet) {
    QStringList values;
    for (const char* name : {"tile_rows", "tile_new", "tile_duplicates", "tile_errors", "tile_import"})
        values.append(sheet->findChild<QLabel*>(QString::fromLatin1(name))->text());
    return values;
}

QPushButton* button(QDialog* sheet, const char* name) {
    return sheet->findChild<QPushButton*>(QString::fromLatin1(name));
}

// Reads the file through the import command, as the user does.
ImportPreviewView* openPreview(Shell& shell, const Journal& journal, const QByteArray& bytes) {
    const QString path = shell.folder.dir.filePath(u"товары.csv"_s);
    EXPECT_TRUE(writeFile(path, bytes));
    shell.router->requestImport(journal);
    shell.panels.answerOpen(path);
    return shell.shown<ImportPreviewView>();
}

// The sales journal holding the order З-2001.
Journal salesWithAnOrder() {
    Journal sales = Templates::sales();
    sales.records.append(labelled(u"stored"_s, {{sales.fields[0], FieldValue::ofText(u"З-2001"_s)}}));
    return sales;
}

// Orders for it: one stored already, one twice, a sum and a quantity in words, a date that does not exist;
// then `more` new orders.
QByteArray salesFile(int more = 0) {
    QString file = u"Номер заказа;Клиент;Товар или услуга;Количество;Сумма;Дата заказа\r\n"
                   u"З-2001;Смирнова Ольга;Худи оверсайз, графит;1;4 990;05.03.2024\r\n"
                   u"З-2002;Петров Андрей;Футболка базовая;2;сто рублей;31.02.2024\r\n"
                   u"З-2002;Петров Андрей;Футболка базовая;2;1 200;01.03.2024\r\n"
                   u"З-2003;ООО «Вектор»;Комплект мерча для конференции;много;87 764,15;12.03.2024\r\n"_s;
    for (int i = 0; i < more; ++i)
        file += u"З-3%1;Кофейня «Зерно»;Кофе в зёрнах;1;990;01.03.2024\r\n"_s.arg(i, 3, 10, QChar(u'0'));
    return file.toUtf8();
}

} // namespace

TEST(ImportPreview, PresetsRepaintOneColumnAndNeverIncludeErrors) {
    const Goods goods;
    Shell shell({goods.journal});
    ImportPreviewView* sheet = openPreview(shell, goods.journal, goods.file.toUtf8());
    ASSERT_TRUE(sheet);
    ImportPreviewModel* model =
        qobject_cast<ImportPreviewModel*>(sheet->findChild<QTableView*>(u"rows"_s)->model());
    QAbstractItemModelTester tester(model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model->columnCount(), 7) << "four fixed columns, the two table fields, the remarks";
    QSignalSpy resets(model, &QAbstractItemModel::modelReset);
    QSignalSpy changes(model, &QAbstractItemModel::dataChanged);

    const QModelIndex faulty = model->index(2, ImportPreviewModel::includeColumn);
    EXPECT_FALSE(model->setData(faulty, Qt::Checked, Qt::CheckStateRole));
    model->setInclude(model->result().rows[0].id, true);
    model->setInclude(model->result().rows[1].id, false);
    const struct {
        const char* preset;
        const char* toImport;
    } steps[] = {{"preset_1", "3"}, {"preset_0", "1"}, {"preset_2", "0"}};
    for (const auto& step : steps) {
        button(sheet, step.preset)->click();
        EXPECT_EQ(tiles(sheet),
                  (QStringList{u"4"_s, u"1"_s, u"2"_s, u"1"_s, QString::fromLatin1(step.toImport)}));
        EXPECT_FALSE(model->include(model->result().rows[2].id)) << step.preset;
    }
    for (const QList<QVariant>& change : changes)
        EXPECT_EQ(change[1].toModelIndex().column(), ImportPreviewModel::includeColumn);
    EXPECT_EQ(resets.size(), 0);

    // Nothing to import: Return does nothing; Escape closes without storing anything.
    EXPECT_FALSE(button(sheet, "import")->isEnabled());
    QTest::keyClick(sheet, Qt::Key_Return);
    ASSERT_EQ(shell.shown<ImportPreviewView>(), sheet);
    QTest::keyClick(sheet, Qt::Key_Escape);
    EXPECT_FALSE(shell.router->importPreview());
    EXPECT_EQ(shell.store->journals().first().records.size(), 1);
    EXPECT_FALSE(shell.router->message());
}

// A journal gone at the moment of the import gets nothing, and no notice claims an import.
TEST(ImportPreview, AJournalGoneStoresNothingAndSaysNothing) {
    const Goods goods;
    Shell shell({goods.journal});
    const ImportResult result =
        qobject_cast<ImportPreviewModel*>(openPreview(shell, goods.journal, goods.file.toUtf8())
                                              ->findChild<QTableView*>(u"rows"_s)
                                              ->model())
            ->result();
    shell.router->setImportPreview(std::nullopt);
    shell.store->deleteJournal(goods.journal.id);
    ImportPreviewView orphan(*shell.store, *shell.router, goods.journal,
                             ImportPreviewItem{QUuid::createUuid(), goods.journal.id, u"a.csv"_s, result},
                             shell.window.get());
    orphan.open();
    button(&orphan, "import")->click();
    EXPECT_FALSE(orphan.isVisible());
    EXPECT_FALSE(shell.router->message());
}

// The sales journal's eleven fields fill the preview, yet at its default size every column stands in view,
// "Замечания" last, and the headers "Импорт" and "Стр." are whole.
TEST(ImportPreview, EveryColumnInViewAtTheDefaultSize) {
    const Journal sales = Templates::sales();
    Shell shell({sales});
    ImportPreviewView* sheet = openPreview(shell, sales, "Номер заказа;Дата оплаты\r\nЗ-1;31.02.2024\r\n");
    ASSERT_TRUE(sheet);
    const QHeaderView* columns = sheet->findChild<QTableView*>(u"rows"_s)->horizontalHeader();
    const int last = columns->count() - 1;
    EXPECT_EQ(columns->model()->headerData(last, Qt::Horizontal).toString(), u"Замечания"_s);
    EXPECT_LE(columns->sectionViewportPosition(last) + columns->sectionSize(last), columns->width());
    for (int fixed : {int(ImportPreviewModel::includeColumn), int(ImportPreviewModel::lineColumn)})
        EXPECT_GE(columns->sectionSize(fixed), columns->sectionSizeHint(fixed)) << "its header whole";
}

// The check and the remarks are what the user decides on: at the sheet's default width they keep at least
// their layout's ideals while the data give up their room down to their minimums, and the remarks stay in
// view. A cut data cell or header ends in "…" and names its whole text; one shown whole has no help.
TEST(ImportPreview, TheChecksAndRemarksKeepTheirWidthsWhileTheDataGive) {
    const Journal sales = salesWithAnOrder();
    const QByteArray file = salesFile();
    for (const char* screen : {"desktop", "laptop"}) {
        SCOPED_TRACE(screen);
        Shell shell({sales});
        shell.moveTo(screenNamed(QString::fromLatin1(screen)));
        ImportPreviewView* sheet = openPreview(shell, sales, file);
        ASSERT_TRUE(sheet);
        EXPECT_EQ(sheet->width(), 1300);
        QTableView* table = sheet->findChild<QTableView*>(u"rows"_s);
        const auto* model = qobject_cast<const ImportPreviewModel*>(table->model());
        QHeaderView* header = table->horizontalHeader();
        const HeaderTitles titles(header);
        const int remarks = model->remarksColumn();
        EXPECT_GE(header->sectionSize(ImportPreviewModel::checkColumn), 230);
        for (const StatusDef& status : sales.statuses)
            EXPECT_GE(header->sectionSize(ImportPreviewModel::statusColumn),
                      badgeWidth(status.name, table->font()))
                << "the badge «" << status.name.toStdString() << "» whole";
        EXPECT_GE(header->sectionSize(remarks), 220);
        EXPECT_LE(header->sectionViewportPosition(remarks) + header->sectionSize(remarks),
                  table->viewport()->width());
        for (int c = ImportPreviewModel::firstFieldColumn; c < remarks; ++c) {
            if (model->fieldAt(c)->type == FieldType::text) {
                EXPECT_EQ(header->sectionSize(c), 50) << c;
            }
        }
        EXPECT_GT(expectCutCellsNamed(table), 0);
        EXPECT_GT(titles.expectCutTitlesNamed(), 0);
        sheet->reject();
    }
}

// The tiles' figures in green, orange, red and the accent read on the sheet in shades of their colours.
TEST(ImportPreview, FiguresReadInTheirColours) {
    const CrispText crisp;
    const Goods goods;
    Shell shell({goods.journal});
    ImportPreviewView* sheet = openPreview(shell, goods.journal, goods.file.toUtf8());
    ASSERT_TRUE(sheet);
    const QPalette& palette = sheet->palette();
    const struct {
        const char* tile;
        QColor hue;
    } tiles[] = {{"tile_new", Style::color(Style::Role::success, palette)},
                 {"tile_duplicates", Style::color(Style::Role::warning, palette)},
                 {"tile_errors", Style::color(Style::Role::destructive, palette)},
                 {"tile_import", palette.color(QPalette::Highlight)}};
    for (const auto& t : tiles) {
        QLabel* figure = sheet->findChild<QLabel*>(QString::fromLatin1(t.tile));
        const MeasuredText drawn = measuredText(figure->grab().toImage());
        EXPECT_GE(drawn.ratio(), Contrast::required(figure->font())) << t.tile;
        EXPECT_TRUE(sameHue(drawn.text, t.hue)) << t.tile << ": " << drawn.text.name().toStdString();
    }
}

// Where the sheet is too narrow for the columns even at their minimums, the rows scroll sideways and no
// title is cut to spare room: every header reads whole, each text column no wider than its minimum or its
// title needs; the check and the remarks keep their widths.
TEST(ImportPreview, WhereTheRowsScrollSidewaysEveryTitleReadsWhole) {
    const Journal sales = salesWithAnOrder();
    Shell shell({sales});
    ImportPreviewView* sheet = openPreview(shell, sales, salesFile());
    ASSERT_TRUE(sheet);
    sheet->resize(sheet->minimumSize());
    QTableView* table = sheet->findChild<QTableView*>(u"rows"_s);
    const auto* model = qobject_cast<const ImportPreviewModel*>(table->model());
    ASSERT_GT(table->horizontalScrollBar()->maximum(), 0) << "the rows scroll sideways";
    const QHeaderView* header = table->horizontalHeader();
    const QMap<int, HeaderTitles::Drawn> titles = HeaderTitles(table->horizontalHeader()).drawnAcross();
    ASSERT_EQ(titles.size(), model->columnCount());
    for (int c = 0; c < model->columnCount(); ++c) {
        EXPECT_EQ(titles[c].text, model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
        if (const FieldDef* field = model->fieldAt(c); field && field->type == FieldType::text)
            EXPECT_TRUE(header->sectionSize(c) == 50 || titles[c].room <= 1)
                << c << ": " << header->sectionSize(c);
    }
    EXPECT_EQ(header->sectionSize(ImportPreviewModel::checkColumn), 230);
    EXPECT_EQ(header->sectionSize(model->remarksColumn()), 220);
}

// The rows scrolled sideways, the import choice, the line and the check stay where they were while the
// data pass beneath them; there the user still ticks a row, reads its check's help and goes on by keys.
// Scrolled up and down, by the table or by the wheel over those columns, both parts show the same rows at
// the same heights.
TEST(ImportPreview, TheRowsLeadingColumnsStayInView) {
    const Journal sales = salesWithAnOrder();
    Shell shell({sales});
    ImportPreviewView* sheet = openPreview(shell, sales, salesFile(60));
    ASSERT_TRUE(sheet);
    sheet->resize(sheet->minimumSize());
    QTableView* table = sheet->findChild<QTableView*>(u"rows"_s);
    QTableView* frozen = table->findChild<QTableView*>(u"frozenColumns"_s);
    ASSERT_TRUE(frozen);
    auto* model = qobject_cast<ImportPreviewModel*>(table->model());
    const auto leftEdges = [&] {
        QList<int> edges;
        for (const QTableView* part : {frozen, table})
            for (int c = 0; c <= ImportPreviewModel::statusColumn; ++c)
                edges.append(part->viewport()->mapTo(table, QPoint(part->columnViewportPosition(c), 0)).x());
        return edges;
    };
    const QList<int> before = leftEdges();
    EXPECT_EQ(before.mid(0, 3), before.mid(4, 3)) << "over the table's own";
    QScrollBar* across = table->horizontalScrollBar();
    across->setValue(across->maximum());
    const QList<int> after = leftEdges();
    EXPECT_EQ(after.mid(0, 3), before.mid(0, 3)) << "the leading columns in place";
    EXPECT_EQ(after[7], before[7] - across->maximum()) << "the status scrolled";
    const QModelIndex box = model->index(1, ImportPreviewModel::includeColumn);
    const QModelIndex check = model->index(1, ImportPreviewModel::checkColumn);
    for (const QModelIndex& cell : {box, check}) {
        const QPoint centre = frozen->viewport()->mapTo(table, frozen->visualRect(cell).center());
        EXPECT_TRUE(frozen->isAncestorOf(table->childAt(centre))) << "in view at " << centre.x();
    }
    EXPECT_EQ(helpAt(frozen->viewport(), frozen->visualRect(check).center()),
              check.data(Qt::ToolTipRole).toString());

    const QUuid second = model->result().rows[1].id, third = model->result().rows[2].id;
    const bool secondIncluded = model->include(second), thirdIncluded = model->include(third);
    QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {}, frozen->visualRect(box).center());
    EXPECT_NE(model->include(second), secondIncluded) << "ticked where it stays";
    const QModelIndex line = model->index(2, ImportPreviewModel::lineColumn);
    QTest::mouseClick(frozen->viewport(), Qt::LeftButton, {}, frozen->visualRect(line).center());
    EXPECT_EQ(sheet->focusWidget(), table) << "the keys go to the table";
    QTest::keyClick(table, Qt::Key_Left);
    QTest::keyClick(table, Qt::Key_Space);
    EXPECT_NE(model->include(third), thirdIncluded) << "ticked by keys";
    EXPECT_EQ(across->value(), across->maximum()) << "the data stay scrolled";

    QScrollBar* down = table->verticalScrollBar();
    ASSERT_GT(down->maximum(), 0);
    // Turned either way, the wheel over the leading columns scrolls the rows.
    for (const QPoint turn : {QPoint(0, -240), QPoint(240, 0)}) {
        QWheelEvent wheel(QPointF(10, 10), frozen->viewport()->mapToGlobal(QPointF(10, 10)), {}, turn,
                          Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(frozen->viewport(), &wheel);
    }
    EXPECT_GT(down->value(), 0);
    EXPECT_LT(across->value(), across->maximum());
    for (const int position : {down->value(), down->maximum()}) {
        down->setValue(position);
        for (int y = 0; y < table->viewport()->height(); y += 7) {
            const int row = table->rowAt(y);
            EXPECT_EQ(frozen->rowAt(y), row) << position << ", " << y;
            EXPECT_EQ(frozen->rowViewportPosition(row), table->rowViewportPosition(row));
            EXPECT_EQ(frozen->rowHeight(row), table->rowHeight(row));
        }
    }

    // Dragged narrower there, the check narrows in both parts alike, down to its minimum.
    for (const int dragged : {180, 100}) {
        frozen->horizontalHeader()->resizeSection(ImportPreviewModel::checkColumn, dragged);
        EXPECT_EQ(table->columnWidth(ImportPreviewModel::checkColumn), std::max(dragged, 140));
        EXPECT_EQ(frozen->columnWidth(ImportPreviewModel::checkColumn), std::max(dragged, 140));
    }
}
