#include "app/dashboard/BreakdownTexts.h"
#include "RecordFixtures.h"
#include "TestSupport.h"

#include <QSet>

#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using namespace TestSupport;
using namespace Dashboard;

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

// A column's figures take exactly the shapes (digits made 0) of the cells breakdownCellShapes gives for
// it: whole and fractional values, signs, values that round to zero or carry into a new digit, values past
// the largest number, and a value without its metric.
TEST(BreakdownTexts, CellShapesAreEveryShapeOfTheFigures) {
    const QList<MetricDef> metrics{
        MetricDef{.kind = MetricKind::count}, MetricDef{.kind = MetricKind::sum, .unit = u"₽ 1"_s},
        MetricDef{.kind = MetricKind::average}, MetricDef{.kind = MetricKind::ratio}};
    const QList<double> seeds{0,      -0.0,   1,      -1,     9,    10,    999.996,  999.994,  -0.004,
                              -0.006, 0.05,   0.15,   12.345, 1e15, -1e15, 1e300,    4.5e-320, 123456,
                              0.999,  -99.95, 1234.5, 2.5,    1e-7, 1e16,  -2e15 / 3};
    const double inf = std::numeric_limits<double>::infinity();
    const auto shape = [](QString text) {
        for (QChar& c : text) {
            if (c >= u'1' && c <= u'9')
                c = u'0';
        }
        return text;
    };
    for (const int offset : {0, 3, 11}) {
        QList<BreakdownRow> rows;
        for (qsizetype r = 0; r < seeds.size(); ++r) {
            QList<double> values;
            for (qsizetype c = 0; c < 5; ++c)
                values.append(seeds[(r * (c + 1) + offset) % seeds.size()] * (c % 2 ? -1 : 1));
            rows.append({QString::number(r), QString::number(r), values});
        }
        rows.append({u"x"_s, u"x"_s, {inf, -inf, std::nan(""), 7}}); // a shorter row
        const QList<QStringList> shapes = breakdownCellShapes(rows, metrics);
        ASSERT_EQ(shapes.size(), 5);
        for (qsizetype c = 0; c < 5; ++c) {
            QSet<QString> expected, given;
            for (const BreakdownRow& row : rows) {
                if (c < row.values.size())
                    expected.insert(shape(breakdownCell(row.values, c, metrics)));
            }
            for (const QString& text : shapes[c])
                given.insert(shape(text));
            EXPECT_EQ(given, expected) << "column " << c << ", offset " << offset;
            EXPECT_EQ(given.size(), shapes[c].size()) << "one cell per shape";
        }
    }
}
