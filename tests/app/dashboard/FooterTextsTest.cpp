#include "app/dashboard/FooterTexts.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

#include <QSet>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Dashboard;

TEST(FooterTexts, KeysReadFromTheKeyTable) {
    const QList<KeyHelp> keys = dashboardKeys();
    ASSERT_EQ(keys.size(), 14);
    QSet<QString> distinct;
    for (const KeyHelp& k : keys)
        distinct.insert(k.keys);
    EXPECT_EQ(distinct.size(), 14) << "the keys are the rows' identities";
    const struct {
        qsizetype row;
        const char *keys, *description;
    } rows[] = {
        {0, "Ctrl+N", "добавить (пакетный ввод)"},
        {5, "Meta+Ctrl+1…5", "другие статусы"},
        {6, "Ctrl+= / Ctrl+−", "+1 / −1 к счётчику"},
    };
    for (const auto& r : rows)
        EXPECT_EQ(keys[r.row], (KeyHelp{QString::fromUtf8(r.keys), QString::fromUtf8(r.description)}))
            << r.row;
}

TEST(FooterTexts, NotesParagraph) {
    const FieldDef paid = fieldOf(FieldType::date, u"Дата оплаты"_s);
    const MetricDef orders{.title = u"Заказы"_s};
    const MetricDef revenue{
        .id = QUuid::createUuid(), .title = u"Выручка"_s, .kind = MetricKind::sum, .dateFieldID = paid.id};
    const MetricDef lostField{
        .title = u"Старое"_s, .kind = MetricKind::sum, .dateFieldID = QUuid::createUuid()};
    const MetricDef profit{.title = u"Прибыль"_s,
                           .kind = MetricKind::difference,
                           .operandA = revenue.id,
                           .operandB = QUuid::createUuid()};
    MetricDef share{.id = QUuid::createUuid(), .title = u"Доля"_s, .kind = MetricKind::ratio};
    share.operandA = share.id;

    const struct {
        const char* name;
        QString hint;
        QList<MetricDef> metrics;
        const char* paragraph;
    } cases[] = {
        {"nothing", u""_s, {}, ""},
        {"a hint of blanks stays",
         u"  "_s,
         {orders},
         "   Показатели считаются за период: «Заказы» — по дате добавления записи."},
        {"date field, deleted date field",
         u""_s,
         {revenue, lostField},
         "Показатели считаются за период: «Выручка» — по полю «Дата оплаты»; «Старое» — по дате добавления "
         "записи."},
        {"formulas: a deleted operand, a missing one, itself",
         u"Итоги."_s,
         {revenue, profit, share},
         "Итоги. Показатели считаются за период: «Выручка» — по полю «Дата оплаты»; «Прибыль» = «Выручка» − "
         "«?»; "
         "«Доля» = «Доля» ÷ «?» × 100 %."},
    };
    for (const auto& c : cases) {
        Journal j = journalOf({paid});
        j.hint = c.hint;
        j.metrics = c.metrics;
        EXPECT_EQ(notesParagraph(j), QString::fromUtf8(c.paragraph)) << c.name;
    }
}
