#pragma once

#include "core/model/Model.h"

#include <QList>
#include <QMap>

// How the columns of a table share its width. The layout gives each column a least and an ideal width
// in its own units; the font in use may need more, so a column's ideal grows to what its header and its
// widest value need, up to twice the layout's figure. When the ideals are wider than the table, columns
// give up room before the table scrolls sideways, in rounds: a later round only once every column of the
// earlier ones has given all it may. How much a column may give is its own: a text still reads cut short
// and narrows to its minimum; a figure, a date or a button means nothing cut and keeps what its values
// need (a long header may still be cut); what the user reads to decide on keeps the layout's ideal.
// A width the user dragged stays as it is.
namespace ColumnWidths {

// How far fitting the table may narrow a column.
enum class Floor {
    minimum, // to its minimum
    values,  // to what its values need, the header left out, within its cap
    ideal,   // to the layout's ideal
};

struct Column {
    int minimum = 0;
    // The layout's ideal, before the font in use is asked.
    int ideal = 0;
    // The round in which the column gives up its room: a lower round first, a later round only once
    // every column of the earlier ones is at its floor.
    int round = 0;
    // Exactly its ideal: it neither shrinks nor is dragged (a check box column).
    bool fixed = false;
    Floor floor = Floor::minimum;
    // Gives up room only where that spares the table its sideways scroll: once the table scrolls
    // anyway, cutting it would hide what is read first and gain nothing.
    bool givesOnlyToFit = false;

    bool operator==(const Column&) const = default;
};

// The rounds in which the columns of the application's tables give up their room: plain texts first, then
// the room that figures, dates and buttons have beyond their values (their headers), then the text a row
// is known by, and last what the user reads to decide on.
enum Round { textsRound, figuresRound, titleRound, reasonsRound };

// How a field's column of the type gives up its room to fit a table: texts and choices still read when
// cut short and give theirs first, down to their minimums; numbers, dates, links and check boxes mean
// nothing cut, give theirs later and keep what their values need.
Column forField(FieldType type, int minimum, int ideal);

// The ideal a column is given: what its content needs when that is more than the layout's ideal, at most
// twice the layout's ideal; never less than the column's minimum.
int ideal(const Column& column, int needed);

// The width of each column within `available` pixels. `needed` holds what each column's content needs
// (missing entries need nothing beyond the layout); `valuesNeed` what its values alone need, the header
// left out; `headerNeed` what its header's title needs to read whole; `dragged` maps a column to the
// width the user gave it. Columns stay at their ideals when those fit; otherwise they shrink, round by
// round and within a round each in proportion to the room it can give above its floor, until they fit
// or stand at their floors. Shrinking is worth it only where it spares the table its sideways scroll:
// when the columns do not fit even at their floors, none is narrower than its header needs (up to its
// ideal), and the table scrolls.
QList<int> fit(const QList<Column>& columns, const QList<int>& needed, const QMap<int, int>& dragged,
               int available, const QList<int>& valuesNeed = {}, const QList<int>& headerNeed = {});

} // namespace ColumnWidths
