#pragma once

#include "RecordFixtures.h"
#include "ShellFixture.h"
#include "views/records/RecordsFilterBar.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/shell/JournalDetailView.h"

#include <QComboBox>
#include <QHeaderView>

using namespace Qt::StringLiterals;
using namespace TestSupport;

// Orders with a name, an amount (also the counter), a city to filter by, a payment date (stamped by the
// status "Оплачен") and a link; three statuses. The whole shell shows the journal's records tab.
struct RecordsTab : Shell {
    FieldDef name = fieldOf(FieldType::text, u"Заказ"_s);
    FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    FieldDef city = fieldOf(FieldType::choice, u"Город"_s, u"g");
    FieldDef paid = fieldOf(FieldType::date, u"Оплачен"_s);
    FieldDef link = fieldOf(FieldType::link, u"Ссылка"_s);
    Journal journal;

    explicit RecordsTab(int records = 4) : Shell({}, false) {
        journal = journalOf({name, amount, city, paid, link},
                            {statusNamed(u"Новый"_s), statusNamed(u"Оплачен"_s), statusNamed(u"Закрыт"_s)});
        journal.id = QUuid::createUuid();
        journal.name = u"Заказы"_s;
        journal.createdAt = utc(2024, 1, 1);
        journal.itemNoun = {u"заказ"_s, u"заказа"_s, u"заказов"_s};
        journal.groupNoun = {u"город"_s, u"города"_s, u"городов"_s};
        journal.statuses[1].dateFieldID = paid.id;
        journal.counterFieldID = amount.id;
        journal.counterTitle = u"+1"_s;
        const QStringList cities{u"Омск"_s, u"Тверь"_s, u"Омск"_s, u"Псков"_s};
        for (int i = 0; i < records; ++i) {
            Record r = labelled(u"r"_s + QString::number(i), utc(2024, 1, 1 + i));
            put(r, name, FieldValue::ofText(u"Заказ "_s + QString::number(i)));
            put(r, amount, FieldValue::ofNumber((i * 7) % 5));
            put(r, city, FieldValue::ofText(cities[i % 4]));
            put(r, link, FieldValue::ofText(u"https://example.com/"_s + QString::number(i)));
            r.statusID = journal.statuses[i % 3].id;
            journal.records.append(r);
        }
        store->addJournal(journal);
        router->setTab(JournalTab::records);
        show();
        EXPECT_FALSE(store->lastError());
    }
    RecordsListView* view() const { return Shell::shown<RecordsListView>(u"tabContent_records"_s); }
    RecordsFilterBar* bar() const { return view()->findChild<RecordsFilterBar*>(u"filterBar"_s); }
    RecordsTableView* table() const { return view()->findChild<RecordsTableView*>(u"recordsTable"_s); }
    RecordFilters filters() const { return router->filtersFor(journal.id); }
    QStringList shown() const { return labels(view()->visible()); }
    const QList<Record>& stored() const { return store->journals().first().records; }
    void pick(QComboBox* combo, const QString& text) {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    void clickHeader(int section) {
        QHeaderView* header = table()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          {header->sectionViewportPosition(section) + 5, header->height() / 2});
    }
    // Rows clicked as the user adds them to the selection.
    void select(std::initializer_list<int> rows) {
        for (int row : rows)
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier, rowCentre(row));
    }
    void press(QKeyCombination keys) { QTest::keyClick(window.get(), keys.key(), keys.keyboardModifiers()); }
    QPoint rowCentre(int row) const {
        RecordsTableView* table = this->table();
        return table->visualRect(table->model()->index(row, 1)).center();
    }
};

inline QSet<QUuid> idsOf(std::initializer_list<Record> records) {
    QSet<QUuid> ids;
    for (const Record& r : records)
        ids.insert(r.id);
    return ids;
}
