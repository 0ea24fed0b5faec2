#include "UserSession.h"

#include "core/templates/Templates.h"
#include "views/importing/ImportPreviewView.h"

#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace Qt::StringLiterals;

namespace {

// The preview's five counts, as its tiles show them.
QStringList tiles(ImportPreviewView* sheet) {
    QStringList values;
    for (const QString& name :
         {u"tile_rows"_s, u"tile_new"_s, u"tile_duplicates"_s, u"tile_errors"_s, u"tile_import"_s})
        values.append(seen<QLabel>(name, sheet)->text());
    return values;
}

ImportPreviewView* importFile(UserSession& user, const QString& path) {
    pressKeys(AppKeys::importCSV());
    user.panels.answerOpen(path);
    return onScreen<ImportPreviewView>();
}

} // namespace

// The journal goes out as CSV and comes back in: the same orders are known and left out unless chosen;
// a file from a Russian spreadsheet, short of columns and with a sum that is no number, still comes in,
// saying what it could not read.
TEST(Journey, ExportThenImportBackAndASpreadsheetFile) {
    UserSession user;
    Journal sales = Templates::sales();
    sales.records = user.typed(
        sales, {u"Номер заказа"_s, u"Клиент"_s, u"Товар или услуга"_s, u"Сумма"_s, u"Канал продаж"_s},
        {{u"A-1"_s, u"Иванова"_s, u"Платье"_s, u"4500"_s, u"Сайт"_s},
         {u"A-2"_s, u"Петров"_s, u"Футболка"_s, u"1200,5"_s},
         {u"A-3"_s, u"Сидорова"_s, u"Шарф"_s}});
    user.runBefore({sales});
    user.start();

    // Out: the whole journal, under the journal's name and today's date.
    pressKeys(AppKeys::exportCSV());
    ASSERT_EQ(user.panels.saves, 1);
    EXPECT_EQ(user.panels.defaultName, u"Продажи_2023-11-15.csv");
    const QString exported = user.folder.dir.filePath(user.panels.defaultName);
    user.panels.answerSave(exported);
    EXPECT_EQ(answer(u"OK"_s), u"Vostrel Учёт\nЭкспорт сохранён: "_s + exported);

    // Back in: every row is the same order as one stored, and nothing is chosen until the user says so.
    ImportPreviewView* preview = importFile(user, exported);
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->windowTitle(), u"Импорт в «Продажи»: Продажи_2023-11-15.csv");
    EXPECT_EQ(tiles(preview), (QStringList{u"3"_s, u"0"_s, u"3"_s, u"0"_s, u"0"_s}));
    EXPECT_EQ(tableColumn(seen<QTableView>(u"rows"_s, preview), u"Проверка"_s),
              QStringList(3, u"Уже есть в базе (та же запись)"_s));
    QPushButton* importButton = seen<QPushButton>(u"import"_s, preview);
    EXPECT_FALSE(importButton->isEnabled());
    // The check boxes stand in the first column.
    clickRow(seen<QTableView>(u"rows"_s, preview), 0);
    clickRow(seen<QTableView>(u"rows"_s, preview), 2);
    EXPECT_EQ(importButton->text(), u"Импортировать 2 заказа");
    click(importButton);
    EXPECT_FALSE(onScreen<ImportPreviewView>());
    EXPECT_EQ(answer(u"OK"_s), u"Vostrel Учёт\nИмпортировано: 2 заказа.");

    // A spreadsheet's file: Windows-1251, the client under another name, no status or id, a column the
    // journal does not know, and one sum that is no number.
    const QString spreadsheet = user.folder.dir.filePath(u"из таблицы.csv"_s);
    TestSupport::writeFile(spreadsheet,
                           TestSupport::windows1251(u"Номер заказа;Покупатель;Товар;Сумма;Склад\r\n"
                                                    u"B-1;Орлова;Сумка;3200;Центральный\r\n"
                                                    u"B-2;Орлова;Ремень;много;Центральный\r\n"_s));
    preview = importFile(user, spreadsheet);
    ASSERT_TRUE(preview);
    EXPECT_EQ(seen<QLabel>(u"columnsLine"_s, preview)->text(),
              u"Распознаны столбцы: Номер заказа, Покупатель, Товар, Сумма. Пропущены: Склад");
    EXPECT_EQ(tiles(preview), (QStringList{u"2"_s, u"2"_s, u"0"_s, u"0"_s, u"2"_s}));
    EXPECT_EQ(tableColumn(seen<QTableView>(u"rows"_s, preview), u"Проверка"_s),
              QStringList(2, u"Новая (есть замечания)"_s));
    const QString noOrderDate = u"нет даты «Дата заказа» — запись не попадёт в итоги по этой дате"_s;
    EXPECT_EQ(tableColumn(seen<QTableView>(u"rows"_s, preview), u"Замечания"_s),
              (QStringList{noOrderDate, u"«много» в поле «Сумма» не число; "_s + noOrderDate}));
    pressKeys(Qt::Key_Return);
    EXPECT_FALSE(onScreen<ImportPreviewView>());
    EXPECT_EQ(answer(u"OK"_s), u"Vostrel Учёт\nИмпортировано: 2 заказа.");
    user.quit();

    // The file: the three orders, the two chosen again as orders of their own, and the spreadsheet's two.
    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 1);
    const Journal& journal = saved.first();
    EXPECT_EQ(
        storedRows(journal, {u"Номер заказа"_s, u"Клиент"_s, u"Сумма"_s, u"Канал продаж"_s, u"Статус"_s}),
        (QStringList{u"A-1;Иванова;4500;Сайт;Новый"_s, u"A-2;Петров;1200,5;;Новый"_s,
                     u"A-3;Сидорова;;;Новый"_s, u"A-1;Иванова;4500;Сайт;Новый"_s, u"A-3;Сидорова;;;Новый"_s,
                     u"B-1;Орлова;3200;;Новый"_s, u"B-2;Орлова;;;Новый"_s}));
    EXPECT_NE(journal.records[3].id, journal.records[0].id)
        << "an order brought in again is an order of its own";
}
