#include "app/kit/ColumnWidths.h"

using ColumnWidths::Column;

// A status, a title text, a number, a date and a fixed check box column. The ideals widen to what the
// content needs, at most twice the layout's; they stay while they fit. Narrower, the texts give up room
// first, each in proportion to what it can give; figures and dates only once the texts stand at their
// minimums, and never below what their values need (capped); then the table scrolls. A width
// the user dragged stays, never under the minimum; a fixed column cannot be dragged.
TEST(ColumnWidths, TextsShrinkFirstThenFiguresTowardTheirMinimums) {
    using ColumnWidths::Floor;
    const QList<Column> columns{{90, 115},
                                {60, 170},
                                {50, 75, 1, false, Floor::values},
                                {70, 95, 1, false, Floor::values},
                                {40, 50, 1, true}};
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

// What a user reads first gives its room last. In the records table the status never narrows past its
// widest badge (its minimum), and the title keeps its width until the other texts stand at their
// minimums and the figures at what their values need, and only where that spares the sideways scroll:
// once the table scrolls anyway it stays whole. In the import preview the check and the remarks
// give only once the data stand at their floors, and never below the layout's ideals: the table scrolls.
TEST(ColumnWidths, WhatIsReadFirstGivesItsRoomLast) {
    using ColumnWidths::Floor;
    const QList<Column> records{{125, 115},                                // the status, its widest badge 125
                                {60, 115},                                 // a text
                                {60, 170, 2, false, Floor::minimum, true}, // the title
                                {50, 75, 1, false, Floor::values}};        // a sum
    const QList<Column> preview{{140, 230, 3, false, Floor::ideal},        // the check
                                {100, 220, 3, false, Floor::ideal},        // the remarks
                                {50, 110},                                 // a text
                                {50, 110, 1, false, Floor::values}};       // a date
    const struct {
        const QList<Column>& columns;
        QList<int> needed;
        QList<int> valuesNeed;
        int available;
        QList<int> widths;
    } cases[] = {
        {records, {0, 200, 300, 97}, {0, 200, 300, 60}, 722, {125, 200, 300, 97}},
        {records, {0, 200, 300, 97}, {0, 200, 300, 60}, 600, {125, 78, 300, 97}},
        {records, {0, 200, 300, 97}, {0, 200, 300, 60}, 500, {125, 60, 255, 60}},
        {records, {0, 200, 300, 97}, {0, 200, 300, 60}, 306, {125, 60, 61, 60}},
        {records, {0, 200, 300, 97}, {0, 200, 300, 60}, 300, {125, 60, 300, 60}},
        {preview, {400, 300, 200, 94}, {400, 300, 200, 78}, 1010, {400, 300, 200, 110}},
        {preview, {400, 300, 200, 94}, {400, 300, 200, 78}, 800, {381, 291, 50, 78}},
        {preview, {400, 300, 200, 94}, {400, 300, 200, 78}, 600, {245, 227, 50, 78}},
        {preview, {400, 300, 200, 94}, {400, 300, 200, 78}, 500, {230, 220, 50, 78}},
        {preview, {0, 0, 200, 94}, {0, 0, 200, 78}, 400, {230, 220, 50, 78}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColumnWidths::fit(c.columns, c.needed, {}, c.available, c.valuesNeed), c.widths)
            << c.columns.size() << " columns in " << c.available;
}

// Narrowing a column is worth it only where it spares the sideways scroll. While the columns can fit, they
// give as before, headers cut or not; once they cannot fit even at their floors, the table scrolls anyway
// and no column is narrower than its header's title needs, up to its ideal. The title still keeps its
// ideal, and a width the user dragged stays.
TEST(ColumnWidths, ColumnsThatScrollAnywayKeepTheirHeadersWhole) {
    using ColumnWidths::Floor;
    const QList<Column> columns{{90, 115}, // the status
                                {60, 115}, // a text
                                {60, 170, ColumnWidths::titleRound, false, Floor::minimum, true}, // the title
                                {50, 75, 1, false, Floor::values},                                // a sum
                                {70, 95, 1, false, Floor::values}};                               // a date
    const QList<int> needed{0, 100, 0, 97, 104}, valuesNeed{0, 0, 0, 60, 78};
    const QList<int> headers{70, 100, 90, 88, 104};
    const struct {
        int available;
        QList<int> widths;
        QList<int> needed;
        QList<int> headers;
        QMap<int, int> dragged = {};
    } cases[] = {
        {601, {115, 115, 170, 97, 104}, needed, headers},
        {500, {90, 60, 170, 85, 95}, needed, headers},   // the texts at their minimums spare the scroll
        {400, {90, 60, 112, 60, 78}, needed, headers},   // and so does the title
        {300, {90, 100, 170, 88, 104}, needed, headers}, // nothing spares it
        {300,
         {90, 230, 170, 88, 104},
         {0, 300, 0, 97, 104},
         {70, 300, 90, 88, 104}}, // twice the ideal at most
        {300, {90, 70, 170, 88, 104}, needed, headers, {{1, 70}}},
        {300, {90, 60, 170, 60, 78}, needed, {}}, // nothing known of the headers
    };
    for (const auto& c : cases)
        EXPECT_EQ(ColumnWidths::fit(columns, c.needed, c.dragged, c.available, valuesNeed, c.headers),
                  c.widths)
            << c.available;
}
