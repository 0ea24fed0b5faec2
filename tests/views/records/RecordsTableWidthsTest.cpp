#include "Looks.h"
#include "RecordsTabFixture.h"
#include "ShownText.h"
#include "app/records/RecordsTable.h"
#include "core/templates/Templates.h"
#include "views/kit/Style.h"
#include "views/records/RecordsTableModel.h"

using namespace Qt::StringLiterals;
using namespace TestSupport;

namespace {

// Where the test puts the window: on the desktop's screen at the default and at the least size, or on a
// laptop's screen, which it fills.
struct Place {
    const char* screen;
    QSize size;
};
const Place places[] = {{"desktop", {1440, 860}}, {"desktop", {1050, 680}}, {"laptop", {1440, 860}}};

// The records table as the shell shows it at the place.
RecordsTableView* recordsTableAt(Shell& shell, const Place& place) {
    shell.router->setTab(JournalTab::records);
    shell.show();
    shell.moveTo(screenNamed(QString::fromLatin1(place.screen)));
    shell.window->resize(place.size.boundedTo(shell.window->screen()->availableGeometry().size()));
    QCoreApplication::processEvents();
    return shell.shown<RecordsTableView>(u"recordsTable"_s);
}

// Product cards, one of each status, with the names, articles and colours a shop gives them.
Journal productCards() {
    Journal cards = Templates::cards();
    const QStringList texts{u"Ромашка Текстиль"_s,
                            u"Футболка оверсайз из хлопка, графит"_s,
                            u"RT-OS-204"_s,
                            u"RT-OS-204-48"_s,
                            u"48"_s,
                            u"M"_s,
                            u"графитовый меланж"_s};
    for (const StatusDef& status : std::as_const(cards.statuses)) {
        Record r = labelled(status.name);
        r.statusID = status.id;
        for (int f = 0; f < texts.size(); ++f)
            put(r, cards.fields[f], FieldValue::ofText(texts[f]));
        cards.records.append(r);
    }
    return cards;
}

// A coffee roaster's deliveries: one record, eight fields, statuses with long names.
Journal coffeeDeliveries() {
    const std::tuple<FieldType, QString, QString> columns[] = {
        {FieldType::text, u"Товар"_s, u"Партия кофе «Бразилия Сантос», 12 кг"_s},
        {FieldType::text, u"Артикул"_s, u"BR-SAN-12"_s},
        {FieldType::choice, u"Операция"_s, u"Приход"_s},
        {FieldType::number, u"Количество"_s, {}},
        {FieldType::number, u"Цена"_s, {}},
        {FieldType::text, u"Поставщик или покупатель"_s, u"ООО «Зерно и обжарка», Санкт-Петербург"_s},
        {FieldType::text, u"Документ"_s, u"Накладная № 1047 от 05.03"_s},
        {FieldType::date, u"Дата"_s, {}}};
    Journal journal = journalOf(
        {}, {statusNamed(u"Запланировано"_s), statusNamed(u"Предложено"_s), statusNamed(u"Исправлено"_s)});
    journal.id = QUuid::createUuid();
    journal.name = u"Поставки кофе"_s;
    Record r = labelled(u"партия"_s);
    for (const auto& [type, name, value] : columns) {
        journal.fields.append(fieldOf(type, name));
        if (!value.isEmpty())
            put(r, journal.fields.last(), FieldValue::ofText(value));
    }
    r.statusID = journal.statuses[0].id;
    journal.records.append(r);
    return journal;
}

} // namespace

// Where the user reads first, nothing is cut: every status badge is whole in its capsule, and the title
// is whole unless every other text already stands at its minimum.
TEST(RecordsTableWidths, StatusBadgesAndTheTitleStandWhole) {
    for (const Journal& journal : {productCards(), coffeeDeliveries()}) {
        for (const Place& place : places) {
            SCOPED_TRACE(journal.name.toStdString() + " on the " + place.screen + " at " +
                         std::to_string(place.size.width()));
            Shell shell({journal}, false);
            const QTableView* table = recordsTableAt(shell, place);
            const auto* model = qobject_cast<const RecordsTableModel*>(table->model());
            const QList<Records::RecordsColumn> columns = Records::RecordsTable::columns(journal);
            const QHeaderView* header = table->horizontalHeader();
            for (const StatusDef& status : journal.statuses)
                EXPECT_GE(header->sectionSize(0), badgeWidth(status.name, table->font()))
                    << status.name.toStdString();
            int title = -1;
            bool othersCanGive = false;
            for (int c = 1; c < model->columnCount(); ++c) {
                const Records::RecordsColumn& column = columns[c];
                if (column.field.id == journal.titleField()->id)
                    title = c;
                else if (column.field.type == FieldType::text || column.field.type == FieldType::choice)
                    othersCanGive = othersCanGive || header->sectionSize(c) > column.minWidth;
            }
            const bool titleWhole =
                drawnCell(table, model->index(0, title)) == model->index(0, title).data().toString();
            EXPECT_TRUE(titleWhole || !othersCanGive) << "the title gives its room last";
            if (place.size.width() == 1440) {
                EXPECT_TRUE(titleWhole) << "room enough for a whole title";
            }
        }
    }
}

// A cell or a header cut short ends in "…" and names its whole text as help; one shown whole has none
// (cells whose help the journal gives, long texts and links, keep theirs).
TEST(RecordsTableWidths, WhatIsCutEndsInAnEllipsisAndNamesItsText) {
    Journal sales = Templates::sales();
    for (int i = 0; i < 3; ++i) {
        Record r = labelled(u"r"_s + QString::number(i), utc(2024, 10, 1).addDays(i));
        for (const FieldDef& f : sales.fields) {
            if (f.type == FieldType::text || f.type == FieldType::choice)
                put(r, f, FieldValue::ofText(i == 1 ? u"Сайт"_s : u"Худи оверсайз с капюшоном, графит"_s));
            else if (f.type == FieldType::number)
                put(r, f, FieldValue::ofNumber(87764.15));
        }
        sales.records.append(r);
    }
    for (const Place& place : places) {
        SCOPED_TRACE(std::string(place.screen) + " at " + std::to_string(place.size.width()));
        Shell shell({sales}, false);
        QTableView* table = recordsTableAt(shell, place);
        const HeaderTitles titles(table->horizontalHeader());
        const int cut = expectCutCellsNamed(table) + titles.expectCutTitlesNamed();
        EXPECT_GT(cut, 0);
    }
}

// The sales journal's twelve columns fit the default window, sums such as 87 764,15 ₽ and dates whole.
// In the least window they cannot fit even at their minimums: the table scrolls sideways, and nothing
// gained by cutting, every header reads whole, beside the sort indicator too, the other texts no wider
// than their minimums or their headers need; figures, dates and the title read whole.
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
        QTableView* table = shell.shown<RecordsTableView>(u"recordsTable"_s);
        const auto* model = qobject_cast<const RecordsTableModel*>(table->model());
        const QList<Records::RecordsColumn> columns = Records::RecordsTable::columns(sales);
        int widths = 0;
        for (int c = 0; c < model->columnCount(); ++c)
            widths += table->horizontalHeader()->sectionSize(c);
        if (window.width() == 1440) {
            EXPECT_LE(widths, table->viewport()->width()) << "no column beyond the right edge";
        } else {
            const HeaderTitles titles(table->horizontalHeader());
            for (const int sortedBy : {-1, 1}) { // by creation, then by the order number
                if (sortedBy >= 0)
                    QTest::mouseClick(table->horizontalHeader()->viewport(), Qt::LeftButton, {},
                                      {table->horizontalHeader()->sectionViewportPosition(sortedBy) + 10, 5});
                const QMap<int, HeaderTitles::Drawn> drawn = titles.drawnAcross();
                ASSERT_EQ(drawn.size(), model->columnCount()) << "the table scrolls to the last column";
                for (int c = 0; c < model->columnCount(); ++c) {
                    const Records::RecordsColumn& column = columns[c];
                    EXPECT_EQ(drawn[c].text, column.header) << sortedBy;
                    const bool text = column.kind == Records::RecordsColumn::Kind::status ||
                                      column.field.type == FieldType::text ||
                                      column.field.type == FieldType::choice;
                    const int size = table->horizontalHeader()->sectionSize(c);
                    if (text && column.field.key != u"item"_s) {
                        EXPECT_TRUE(size == column.minWidth || drawn[c].room <= 1) << c << ": " << size;
                    } else if (text) {
                        EXPECT_GE(size, column.idealWidth) << "the title";
                    }
                }
            }
        }
        EXPECT_EQ(drawnCell(table, model->index(0, 5)), u"87\u00A0764,15 ₽"_s);
        for (int c : {4, 7, 8, 9, 10}) // the quantity and the dates
            EXPECT_EQ(drawnCell(table, model->index(1, c)), model->index(1, c).data().toString()) << c;
    }
}

// A width the user dragged stays through changes of the records, the statuses and the window, never under
// its column's minimum, until the journal's fields change.
TEST(RecordsTableWidths, DraggedWidthsStayUntilTheFieldsChange) {
    RecordsTab tab;
    QHeaderView* header = tab.table()->horizontalHeader();
    header->resizeSection(1, 300); // as the user drags them
    header->resizeSection(3, 10);
    tab.store->setStatus(tab.journal.statuses[1].id, {tab.journal.records[0].id}, tab.journal.id,
                         utc(2024, 2, 1));
    tab.window->resize(1300, 860);
    EXPECT_EQ(std::pair(header->sectionSize(1), header->sectionSize(3)), std::pair(300, 60));
    Journal renamed = *tab.store->journal(tab.journal.id);
    renamed.statuses[2].name = u"Передан в службу доставки"_s;
    tab.store->updateSettings(renamed);
    EXPECT_EQ(header->sectionSize(1), 300) << "a renamed status keeps what was dragged";
    EXPECT_GT(header->sectionSize(0), 160) << "and widens its column to its badge";

    Journal changed = *tab.store->journal(tab.journal.id);
    changed.fields[4].showInTable = false;
    tab.store->updateSettings(changed);
    EXPECT_EQ(header->sectionSize(1), 170) << "the title column's ideal again";
}
