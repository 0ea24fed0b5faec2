#include "app/ColumnWidths.h"

using ColumnWidths::Column;

// A status, a title text, a number, a date and a fixed check box column. The ideals widen to what the
// content needs, at most twice the layout's; they stay while they fit. Narrower, the texts give up room
// first, each in proportion to what it can give; figures and dates only once the texts stand at their
// minimums, and never below what their values need (capped); then the table scrolls. A width
// the user dragged stays, never under the minimum; a fixed column cannot be dragged.
TEST(ColumnWidths, TextsShrinkFirstThenFiguresTowardTheirMinimums) {
    const QList<Column> columns{{90, 115}, {60, 170}, {50, 75, 1}, {70, 95, 1}, {40, 50, 1, true}};
    const QList<int> sum{0, 0, 97, 0, 0}; // "87 764,15 ₽" needs 97 px
    const struct {
        QList<int> needed;
        QMap<int, int> dragged;
        int available;
        QList<int> widths;
        QList<int> valuesNeed = {}; // the header left out
    } cases[] = {
        {sum, {}, 1000, {115, 170, 97, 95, 50}},
        {{0, 400, 60, 0, 62}, {}, 1000, {115, 340, 75, 95, 62}},
        {sum, {}, 527, {115, 170, 97, 95, 50}},
        {sum, {}, 500, {110, 148, 97, 95, 50}}, // 27 px taken 25 : 110
        {sum, {}, 392, {90, 60, 97, 95, 50}},
        {sum, {}, 360, {90, 60, 76, 84, 50}}, // 32 px taken 47 : 25
        {sum, {}, 300, {90, 60, 50, 70, 50}},
        // Figures and dates keep what their values need, the rest of their room given in proportion.
        {sum, {}, 360, {90, 60, 97, 70, 50}, sum},
        {{0, 0, 97, 95, 0}, {}, 360, {90, 60, 75, 85, 50}, {0, 0, 60, 78, 0}}, // 32 px taken 37 : 17
        {{0, 0, 97, 95, 0}, {}, 300, {90, 60, 60, 78, 50}, {0, 0, 60, 78, 0}},
        {{0, 0, 400, 0, 0}, {}, 300, {90, 60, 150, 70, 50}, {0, 0, 400, 0, 0}}, // within twice the ideal
        {{}, {{1, 300}, {4, 200}}, 480, {90, 300, 50, 70, 50}},
        {{}, {{1, 10}}, 1000, {115, 60, 75, 95, 50}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColumnWidths::fit(columns, c.needed, c.dragged, c.available, c.valuesNeed), c.widths)
            << c.available;
}
