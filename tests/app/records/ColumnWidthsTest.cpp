#include "records/ColumnWidths.h"

using ColumnWidths::Column;

// A status, a title text, a number, a date and a fixed check box column. The ideals widen to what the
// content needs, at most twice the layout's; they stay while they fit. Narrower, the texts give up room
// first, each in proportion to what it can give; figures and dates only once the texts stand at their
// minimums; under the sum of the minimums every column is at its minimum and the table scrolls. A width
// the user dragged stays, never under the minimum; a fixed column cannot be dragged.
TEST(ColumnWidths, TextsShrinkFirstThenFiguresTowardTheirMinimums) {
    const QList<Column> columns{{90, 115}, {60, 170}, {50, 75, 1}, {70, 95, 1}, {40, 50, 1, true}};
    const QList<int> sum{0, 0, 97, 0, 0}; // "87 764,15 ₽" needs 97 px
    const struct {
        QList<int> needed;
        QMap<int, int> dragged;
        int available;
        QList<int> widths;
    } cases[] = {
        {sum, {}, 1000, {115, 170, 97, 95, 50}},
        {{0, 400, 60, 0, 62}, {}, 1000, {115, 340, 75, 95, 62}},
        {sum, {}, 527, {115, 170, 97, 95, 50}},
        {sum, {}, 500, {110, 148, 97, 95, 50}}, // 27 px taken 25 : 110
        {sum, {}, 392, {90, 60, 97, 95, 50}},
        {sum, {}, 360, {90, 60, 76, 84, 50}}, // 32 px taken 47 : 25
        {sum, {}, 300, {90, 60, 50, 70, 50}},
        {{}, {{1, 300}, {4, 200}}, 480, {90, 300, 50, 70, 50}},
        {{}, {{1, 10}}, 1000, {115, 60, 75, 95, 50}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColumnWidths::fit(columns, c.needed, c.dragged, c.available), c.widths) << c.available;
}
