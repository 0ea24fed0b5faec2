#include "UserSession.h"

#include "core/templates/Templates.h"
#include "dashboard/DashboardParts.h"
#include "views/dashboard/DashboardView.h"
#include "views/dashboard/StatTile.h"
#include "views/records/RecordsListView.h"
#include "views/records/RecordsTableView.h"
#include "views/settings/JournalSettingsView.h"

#include <QLabel>
#include <QListView>

using namespace Qt::StringLiterals;

// The owner redesigns the sales journal: a field renamed, the order number made a number (one order's
// number is no number and will go, which the sheet asks about first), a status for cancelled orders, the
// share of returns as a metric and a report of their own words. After saving, the records tab, the
// dashboard and an export all speak the new design.
TEST(Journey, RedesigningAJournalShowsEverywhere) {
    UserSession user;
    Journal sales = Templates::sales();
    sales.records =
        user.typed(sales, {u"Номер заказа"_s, u"Клиент"_s, u"Сумма"_s, u"Дата оплаты"_s, u"Дата возврата"_s},
                   {{u"1001"_s, u"Иванова"_s, u"4500"_s, u"02.11.2023"_s},
                    {u"1002"_s, u"Петров"_s, u"1000"_s, u"03.11.2023"_s, u"10.11.2023"_s},
                    {u"без номера"_s, u"Сидорова"_s}});
    user.runBefore({sales});
    user.start();

    pressKeys(AppKeys::journalSettings());
    auto* sheet = onScreen<JournalSettingsView>();
    ASSERT_TRUE(sheet);

    // Fields: the client becomes the buyer, the order number a number.
    clickButton(u"Поля"_s, sheet);
    auto* fields = seen<QListView>(u"fieldList"_s, sheet);
    clickListRow(fields, u"Клиент"_s);
    typeInto(u"fieldName"_s, u"Покупатель"_s, sheet);
    clickListRow(fields, u"Номер заказа"_s);
    choose(seen<QComboBox>(u"fieldType"_s, sheet), u"Число"_s);

    // A status for cancelled orders, which does not mean the earlier steps were done.
    clickButton(u"Статусы"_s, sheet);
    clickButton(u"Добавить статус"_s, sheet);
    typeInto(u"statusName"_s, u"Отменён"_s, sheet);
    choose(seen<QComboBox>(u"statusColor"_s, sheet), u"Красный"_s);
    click(seen(u"statusFillsPrevious"_s, sheet));

    // The share of returns in the takings, and a report in the owner's words.
    clickButton(u"Итоги и отчёт"_s, sheet);
    clickButton(u"Добавить показатель"_s, sheet);
    typeInto(u"metricTitle"_s, u"Доля возвратов"_s, sheet);
    choose(seen<QComboBox>(u"metricKind"_s, sheet), u"Доля: А ÷ Б × 100 % (конверсия)"_s);
    choose(seen<QComboBox>(u"metricOperandA"_s, sheet), u"Возвраты"_s);
    choose(seen<QComboBox>(u"metricOperandB"_s, sheet), u"Выручка"_s);
    typeInto(u"reportTemplate"_s,
             u"{2} {2|заказ|заказа|заказов} на {1} ₽, возвраты {6} %"_s, sheet);

    // Saving asks first, since one order's number is no number.
    clickButton(u"Сохранить"_s, sheet);
    EXPECT_EQ(
        answer(u"Изменить"_s),
        u"Изменить тип поля «Номер заказа»?\nЗначения в 1 заказ не подходят к новому типу и будут удалены.");
    EXPECT_FALSE(onScreen<JournalSettingsView>());

    // The dashboard: the new metric's tile and the new report.
    auto* dashboard = seen<DashboardView>(u"tabContent_dashboard"_s);
    ASSERT_TRUE(dashboard);
    ASSERT_EQ(tilesOf(dashboard).size(), 6);
    EXPECT_EQ(tilesOf(dashboard).last()->titleText(), u"Доля возвратов");
    EXPECT_EQ(tilesOf(dashboard).last()->valueText(), u"18,2 %");
    EXPECT_EQ(reportOf(dashboard), u"2 заказа на 5\u00A0500 ₽, возвраты 18,2 %");

    // The records tab: the buyer's column, numbers where they read, and the new status to filter by.
    pressKeys(AppKeys::recordsTab());
    auto* records = seen<RecordsListView>(u"tabContent_records"_s);
    ASSERT_TRUE(records);
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Покупатель"_s),
              (QStringList{u"Иванова"_s, u"Петров"_s, u"Сидорова"_s}));
    EXPECT_EQ(tableColumn(seen<RecordsTableView>(u"recordsTable"_s, records), u"Номер заказа"_s),
              (QStringList{u"1\u00A0001"_s, u"1\u00A0002"_s, u"—"_s}));
    auto* statusPicker = seen<QComboBox>(u"statusPicker"_s, records);
    EXPECT_GE(statusPicker->findText(u"Отменён"_s), 0);

    // The export: the new column title, the numbers as numbers.
    pressKeys(AppKeys::exportCSV());
    const QString exported = user.folder.dir.filePath(user.panels.defaultName);
    user.panels.answerSave(exported);
    answer(u"OK"_s);
    const QStringList lines = QString::fromUtf8(TestSupport::readFile(exported)).split(u"\r\n"_s);
    EXPECT_TRUE(lines.value(0).startsWith(u"Номер заказа;Покупатель;"_s)) << lines.value(0).toStdString();
    EXPECT_TRUE(lines.value(3).startsWith(u";Сидорова;"_s)) << lines.value(3).toStdString();
    user.quit();

    const QList<Journal> saved = user.dataFile();
    ASSERT_EQ(saved.size(), 1);
    const Journal& journal = saved.first();
    EXPECT_EQ(journal.fields[0].type, FieldType::number);
    EXPECT_EQ(journal.fields[1].name, u"Покупатель");
    EXPECT_EQ(journal.records[0].number(journal.fields[0].id), 1001);
    EXPECT_FALSE(journal.records[2].value(idText(journal.fields[0].id)))
        << "the number that did not read is gone";
    ASSERT_EQ(journal.statuses.size(), 6);
    const StatusDef& cancelled = journal.statuses.last();
    EXPECT_EQ(std::tuple(cancelled.name, cancelled.color, cancelled.fillsPreviousDates),
              std::tuple(u"Отменён"_s, AppColor::red, false));
    ASSERT_EQ(journal.metrics.size(), 6);
    const MetricDef& share = journal.metrics.last();
    EXPECT_EQ(std::tuple(share.kind, share.operandA, share.operandB),
              std::tuple(MetricKind::ratio, std::optional(journal.metrics[4].id),
                         std::optional(journal.metrics[0].id)));
    EXPECT_EQ(journal.reportTemplate,
              u"{2} {2|заказ|заказа|заказов} на {1} ₽, возвраты {6} %");
}
