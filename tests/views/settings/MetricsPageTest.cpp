#include "RecordFixtures.h"
#include "SettingsFixture.h"
#include "core/templates/Templates.h"

#include <QAction>
#include <QLabel>
#include <QMimeData>
#include <QToolButton>

#include <memory>

using namespace TestSupport;
using namespace Qt::StringLiterals;
using namespace Settings;

namespace {

MetricDef counting(const QString& title, const std::optional<QUuid>& status = std::nullopt) {
    MetricDef m;
    m.id = QUuid::createUuid();
    m.title = title;
    m.statusFilterID = status;
    return m;
}

// Five metrics counting 5, 1, 2, 3 and 4 records of this month (by status), and one record of last month.
Journal fiveMetrics() {
    Journal journal = Templates::blank();
    journal.statuses.clear();
    journal.metrics.clear();
    journal.itemNoun = NounForms{u"заказ"_s, u"заказа"_s, u"заказов"_s};
    const QDateTime thisMonth = utc(2023, 11, 10), lastMonth = utc(2023, 10, 10);
    for (int s = 0; s < 4; ++s) {
        journal.statuses.append(statusNamed(u"С"_s + QString::number(s + 1)));
        for (int i = 0; i <= s; ++i)
            journal.records.append(
                Record{QUuid::createUuid(), journal.statuses[s].id, {}, thisMonth, thisMonth});
    }
    journal.records.append(Record{QUuid::createUuid(), journal.statuses[0].id, {}, lastMonth, lastMonth});
    journal.metrics = {counting(u"Все"_s)};
    for (int s = 0; s < 4; ++s)
        journal.metrics.append(counting(u"М"_s + QString::number(s + 1), journal.statuses[s].id));
    return journal;
}

struct MetricsSheet : SettingsSheet {
    explicit MetricsSheet(const Journal& journal) : SettingsSheet(journal) { showTab(SettingsTab::metrics); }
    QListView* metrics() const { return list(u"metricList"_s); }
    QString example() const { return find<QLabel>(u"reportExample"_s)->text(); }
    void setTemplate(const QString& text) const { type(find<QPlainTextEdit>(u"reportTemplate"_s), text); }
    bool shown(const QString& name) const { return find<QWidget>(name)->isVisible(); }
};

} // namespace

TEST(MetricsPage, RemovingTheThirdOfFiveSelectsTheFirstAndRenumbers) {
    MetricsSheet sheet(fiveMetrics());
    sheet.setTemplate(u"{4} и {5}"_s);
    EXPECT_EQ(sheet.example(), u"Пример за этот месяц: 3 и 4");
    SettingsSheet::select(sheet.metrics(), 2);
    sheet.find<QAction>(u"removeMetric"_s)->trigger();
    EXPECT_EQ(SettingsSheet::rows(sheet.metrics()),
              (QStringList{u"1. Все"_s, u"2. М1"_s, u"3. М3"_s, u"4. М4"_s}));
    EXPECT_EQ(SettingsSheet::selected(sheet.metrics()), sheet.journal.metrics[0].id);
    EXPECT_EQ(sheet.example(), u"Пример за этот месяц: 4 и {5}");
}

TEST(MetricsPage, ExampleFollowsTheOrderAndTheTemplate) {
    MetricsSheet sheet(fiveMetrics());
    EXPECT_EQ(sheet.example(), u"Пример за этот месяц: За период: все — 10, м1 — 1, м2 — 2, м3 — 3, м4 — 4");
    sheet.setTemplate(u"{1}, {3}"_s);
    EXPECT_EQ(sheet.example(), u"Пример за этот месяц: 10, 2");
    DraftListModel* model = qobject_cast<DraftListModel*>(sheet.metrics()->model());
    std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(1)}));
    model->dropMimeData(dragged.get(), Qt::MoveAction, 0, 0, {});
    EXPECT_EQ(sheet.example(), u"Пример за этот месяц: 1, 2");
    EXPECT_EQ(SettingsSheet::rows(sheet.metrics()).first(), u"1. М1");

    auto* help = sheet.find<QLabel>(u"reportHelp"_s);
    EXPECT_EQ(help->textFormat(), Qt::PlainText);
    EXPECT_TRUE(help->text().startsWith(u"{1} — значение 1-го показателя, {1|заказ|заказа|заказов}"));
}

TEST(MetricsPage, KindChangeHidesRowsAndKeepsTheirValues) {
    Journal journal = Templates::sales();
    MetricsSheet sheet(journal); // the first metric sums "Сумма" by the payment date
    auto* kind = sheet.find<QComboBox>(u"metricKind"_s);
    SettingsSheet::type(sheet.find<QLineEdit>(u"metricUnit"_s), u"руб."_s);
    SettingsSheet::choose(kind, u"Разница показателей: А \u2212 Б (прибыль, остаток)"_s);
    EXPECT_FALSE(sheet.shown(u"metricSumField"_s));
    EXPECT_FALSE(sheet.shown(u"metricDateField"_s));
    EXPECT_TRUE(sheet.shown(u"metricOperandA"_s));
    EXPECT_TRUE(sheet.shown(u"metricUnit"_s));
    auto* operand = sheet.find<QComboBox>(u"metricOperandA"_s);
    EXPECT_EQ(SettingsSheet::entries(operand),
              (QStringList{u"—"_s, u"Оплачено заказов"_s, u"Средний чек"_s, u"Клиентов"_s, u"Возвраты"_s}));
    SettingsSheet::choose(operand, u"Возвраты"_s);

    SettingsSheet::choose(kind, u"Доля: А ÷ Б × 100 % (конверсия)"_s);
    EXPECT_FALSE(sheet.shown(u"metricUnit"_s));
    SettingsSheet::choose(kind, u"Сумма числового поля"_s);
    EXPECT_TRUE(sheet.shown(u"metricSumField"_s));
    EXPECT_EQ(sheet.find<QComboBox>(u"metricSumField"_s)->currentText(), u"Сумма");
    EXPECT_EQ(sheet.find<QComboBox>(u"metricDateField"_s)->currentText(), u"Дата оплаты");
    EXPECT_EQ(sheet.find<QLineEdit>(u"metricUnit"_s)->text(), u"руб.");
    sheet.saveButton()->click();
    const MetricDef& m = sheet.stored().metrics.first();
    EXPECT_EQ(std::tuple(m.unit, m.operandA, m.sumFieldID),
              std::tuple(u"руб."_s, std::optional(journal.metrics[4].id), journal.metrics[0].sumFieldID));
}

TEST(MetricsPage, ConditionValueRowByTheFieldsType) {
    Journal journal = Templates::sales();
    FieldDef paid = fieldOf(FieldType::checkbox, u"Оплачен"_s);
    journal.fields.append(paid);
    journal.fields[5].options = {u"Сайт"_s, u""_s, u"Магазин"_s};
    MetricsSheet sheet(journal);
    auto* condition = sheet.find<QComboBox>(u"metricFilterField"_s);
    EXPECT_EQ(SettingsSheet::entries(condition),
              (QStringList{u"Без условия"_s, u"Номер заказа"_s, u"Клиент"_s, u"Товар или услуга"_s,
                           u"Канал продаж"_s, u"Оплачен"_s}));
    EXPECT_FALSE(sheet.find<QWidget>(u"metricFilterValue"_s)->parentWidget()->isVisible());

    for (const auto& [field, values] :
         {std::pair{u"Оплачен"_s, QStringList{u"да"_s, u"—"_s}},
          std::pair{u"Канал продаж"_s, QStringList{u"—"_s, u"Сайт"_s, u"Магазин"_s}},
          std::pair{u"Клиент"_s, QStringList{}}}) {
        SettingsSheet::choose(condition, field);
        auto* picker = sheet.find<QComboBox>(u"metricFilterValuePicker"_s);
        EXPECT_EQ(sheet.shown(u"metricFilterValue"_s), values.isEmpty()) << field.toStdString();
        EXPECT_EQ(picker->isVisible() ? SettingsSheet::entries(picker) : QStringList{}, values);
    }
    // A value picked for one field is shown by the text box of the next, and stays when the field goes.
    SettingsSheet::choose(condition, u"Канал продаж"_s);
    SettingsSheet::choose(sheet.find<QComboBox>(u"metricFilterValuePicker"_s), u"Магазин"_s);
    SettingsSheet::choose(condition, u"Клиент"_s);
    EXPECT_EQ(sheet.find<QLineEdit>(u"metricFilterValue"_s)->text(), u"Магазин");
    SettingsSheet::choose(condition, u"Без условия"_s);
    EXPECT_FALSE(sheet.find<QWidget>(u"metricFilterValue"_s)->parentWidget()->isVisible());
    sheet.saveButton()->click();
    EXPECT_EQ(sheet.stored().metrics.first().filterValue, u"Магазин");
}
