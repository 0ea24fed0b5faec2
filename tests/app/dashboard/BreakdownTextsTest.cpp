#include "app/dashboard/BreakdownTexts.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;
using namespace testsupport;
using namespace dashboard;

TEST(BreakdownTexts, FieldChoice) {
    const FieldDef amount = fieldOf(FieldType::number, u"Сумма"_s);
    const FieldDef client = fieldOf(FieldType::text, u"Клиент"_s);
    const FieldDef channel = fieldOf(FieldType::choice, u"Канал"_s);
    Journal j = journalOf({amount, fieldOf(FieldType::link), client, channel});
    j.metrics = {MetricDef{}};
    EXPECT_EQ(breakdownCandidates(j), (QList<FieldDef>{client, channel}));

    const QUuid gone = QUuid::createUuid();
    const struct {
        const char* name;
        std::optional<QUuid> journalDefault, picked;
        std::optional<FieldDef> expected;
    } cases[] = {
        {"nothing chosen: first candidate", std::nullopt, std::nullopt, client},
        {"the journal's field of another type", amount.id, std::nullopt, amount},
        {"the journal's deleted field", gone, std::nullopt, client},
        {"a pick wins", amount.id, channel.id, channel},
        {"a deleted pick falls to the first candidate", channel.id, gone, client},
    };
    for (const auto& c : cases) {
        j.breakdownFieldID = c.journalDefault;
        EXPECT_EQ(breakdownField(j, c.picked), c.expected) << c.name;
    }

    Journal noCandidates = journalOf({amount});
    noCandidates.metrics = j.metrics;
    EXPECT_EQ(breakdownField(noCandidates, std::nullopt), std::nullopt);
    j.metrics.clear();
    EXPECT_EQ(breakdownField(j, channel.id), std::nullopt) << "no metrics, no section";
}

TEST(BreakdownTexts, CellsAndSpreadsheetCopy) {
    const FieldDef channel = fieldOf(FieldType::choice, u"Канал"_s);
    const QList<MetricDef> metrics{
        MetricDef{.title = u"Заказы"_s},
        MetricDef{.title = u"Выручка"_s, .kind = MetricKind::sum, .unit = u"₽"_s}};
    const QList<BreakdownRow> rows{
        {u"сайт"_s, u"Сайт"_s, {3, 1500.5}},
        {u"a"_s, u"Опт\tи\nрозница"_s, {-3, 1e15}},
        {u"b"_s, u"Б"_s, {0.125, 1234567.891}},
    };
    EXPECT_EQ(breakdownText(rows, channel, metrics), u"Канал\tЗаказы\tВыручка\n"
                                                     u"Сайт\t3\t1500,5\n"
                                                     u"Опт\tи\nрозница\t-3\t1000000000000000\n"
                                                     u"Б\t0,12\t1234567,89");
    EXPECT_EQ(breakdownText({}, channel, {}), u"Канал") << "no rows, no metrics, no final line feed";

    EXPECT_EQ(breakdownCell(rows[0].values, 1, metrics), u"1\u00A0500,5 ₽");
    EXPECT_EQ(breakdownCell({12345.678}, 0, {}), u"12\u00A0345,68") << "a value without its metric";
}
