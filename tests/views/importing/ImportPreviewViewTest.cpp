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
#include <QSignalSpy>
#include <QTableView>

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
    Journal sales = Templates::sales();
    const FieldDef order = sales.fields[0];
    Record stored = labelled(u"stored"_s, {{order, FieldValue::ofText(u"З-2001"_s)}});
    sales.records.append(stored);
    const QByteArray file =
        u"Номер заказа;Клиент;Товар или услуга;Количество;Сумма;Дата заказа\r\n"
        u"З-2001;Смирнова Ольга;Худи оверсайз, графит;1;4 990;05.03.2024\r\n"
        u"З-2002;Петров Андрей;Футболка базовая;2;сто рублей;31.02.2024\r\n"
        u"З-2002;Петров Андрей;Футболка базовая;2;1 200;01.03.2024\r\n"
        u"З-2003;ООО «Вектор»;Комплект мерча для конференции;много;87 764,15;12.03.2024\r\n"_s.toUtf8();
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
