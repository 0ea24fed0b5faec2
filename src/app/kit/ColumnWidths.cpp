#include "app/kit/ColumnWidths.h"

#include <QList>

#include <algorithm>
#include <numeric>

namespace ColumnWidths {

Column forField(FieldType type, int minimum, int ideal) {
    switch (type) {
    case FieldType::text:
    case FieldType::longText:
    case FieldType::choice:
        return {.minimum = minimum, .ideal = ideal, .round = textsRound};
    case FieldType::number:
    case FieldType::date:
    case FieldType::link:
    case FieldType::checkbox:
        break;
    }
    // A figure cut short reads as another figure.
    return {.minimum = minimum, .ideal = ideal, .round = figuresRound, .floor = Floor::values};
}

int ideal(const Column& column, int needed) {
    const int layout = std::max(column.ideal, 0);
    return std::max(column.minimum, std::clamp(needed, layout, 2 * layout));
}

namespace {

// The narrowest a column may be made to fit the table.
int floorOf(const Column& column, int valuesNeed) {
    switch (column.floor) {
    case Floor::minimum:
        return column.minimum;
    case Floor::values:
        // A figure cut short reads as another figure.
        if (valuesNeed <= column.minimum)
            return column.minimum;
        return std::min(valuesNeed, 2 * std::max(column.ideal, column.minimum));
    case Floor::ideal:
        return std::max(column.minimum, column.ideal);
    }
    return column.minimum;
}

// Takes `take` pixels from the given columns, each giving in proportion to its room above its floor;
// the pixels that proportion leaves over go to the largest remainders, so exactly `take` is taken.
void shrink(QList<int>& widths, const QList<int>& floors, const QList<int>& candidates, int take) {
    qint64 room = 0;
    for (int i : candidates)
        room += std::max(widths[i] - floors[i], 0);
    if (room <= 0 || take <= 0)
        return;
    take = int(std::min<qint64>(take, room));
    QList<std::pair<qint64, int>> remainders;
    int taken = 0;
    for (int i : candidates) {
        const qint64 share = qint64(take) * std::max(widths[i] - floors[i], 0);
        const int cut = int(share / room);
        widths[i] -= cut;
        taken += cut;
        remainders.append({share % room, i});
    }
    std::stable_sort(remainders.begin(), remainders.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    for (const auto& [remainder, i] : remainders) {
        if (taken == take)
            break;
        if (remainder > 0 && widths[i] > floors[i]) {
            --widths[i];
            ++taken;
        }
    }
}

// Shrinks the columns the fit may narrow toward their floors, round by round, until the widths fit
// `available` or every column that may give stands at its floor.
void shrinkInRounds(const QList<Column>& columns, QList<int>& widths, const QList<int>& floors,
                    const QMap<int, int>& dragged, int available) {
    QList<int> rounds;
    for (const Column& column : columns)
        rounds.append(column.round);
    std::sort(rounds.begin(), rounds.end());
    rounds.erase(std::unique(rounds.begin(), rounds.end()), rounds.end());
    for (const int round : rounds) {
        const int excess = std::accumulate(widths.cbegin(), widths.cend(), 0) - available;
        if (excess <= 0)
            break;
        QList<int> candidates;
        qint64 room = 0;
        for (qsizetype i = 0; i < columns.size(); ++i) {
            if (columns[i].round == round && !columns[i].fixed && !dragged.contains(int(i))) {
                candidates.append(int(i));
                room += std::max(widths[i] - floors[i], 0);
            }
        }
        if (room < excess)
            candidates.removeIf([&](int i) { return columns[i].givesOnlyToFit; });
        shrink(widths, floors, candidates, excess);
    }
}

} // namespace

QList<int> fit(const QList<Column>& columns, const QList<int>& needed, const QMap<int, int>& dragged,
               int available, const QList<int>& valuesNeed, const QList<int>& headerNeed) {
    QList<int> widths, floors;
    widths.reserve(columns.size());
    floors.reserve(columns.size());
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const Column& column = columns[i];
        const auto user = dragged.constFind(int(i));
        widths.append(user != dragged.cend() && !column.fixed ? std::max(*user, column.minimum)
                                                              : ideal(column, needed.value(i)));
        floors.append(floorOf(column, valuesNeed.value(i)));
    }
    QList<int> fitted = widths;
    shrinkInRounds(columns, fitted, floors, dragged, available);
    if (std::accumulate(fitted.cbegin(), fitted.cend(), 0) <= available)
        return fitted;
    // The table scrolls sideways whatever the columns give: a header cut short would only be harder to
    // read, for no room gained where it counts.
    for (qsizetype i = 0; i < columns.size(); ++i)
        floors[i] = std::max(floors[i], std::min(headerNeed.value(i), widths[i]));
    shrinkInRounds(columns, widths, floors, dragged, available);
    return widths;
}

} // namespace ColumnWidths
