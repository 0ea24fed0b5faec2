#include "views/dashboard/BreakdownTable.h"
#include "ShownText.h"
#include "views/kit/Style.h"

#include <cmath>

using namespace Qt::StringLiterals;

namespace {

// How far apart the table's columns stand.
constexpr int columnGap = 28;

// Rows given as their texts, the title first.
BreakdownTable::Rows rowsOf(const QList<QStringList>& rows) {
    BreakdownTable::Rows texts;
    for (const QStringList& row : rows) {
        texts.titles.append(row.value(0));
        for (qsizetype c = 1; c < row.size(); ++c) {
            if (c > texts.shapes.size())
                texts.shapes.append(QStringList());
            texts.shapes[c - 1].append(row[c]);
        }
    }
    texts.figures = [rows](qsizetype r) { return rows[r].mid(1); };
    return texts;
}

// The columns' widths as the table draws them at its size: each column starts where its figure in the
// first row starts (`first` is that row), and ends a gap before the next column or at the table's edge.
QList<int> drawnWidths(BreakdownTable& table, const QStringList& first) {
    table.resize(table.sizeHint());
    const QList<DrawnText> drawn = drawnTexts(&table);
    QList<int> starts{0};
    for (qsizetype c = 1; c < first.size(); ++c) {
        const auto figure = std::find_if(drawn.cbegin(), drawn.cend(), [&](const DrawnText& text) {
            return !text.text.isEmpty() && first[c].startsWith(text.text);
        });
        if (figure == drawn.cend()) {
            ADD_FAILURE() << "not drawn: " << first[c].toStdString();
            return QList<int>(first.size(), 0);
        }
        starts.append(qRound(figure->at.x()));
    }
    QList<int> widths;
    for (qsizetype c = 0; c < starts.size(); ++c)
        widths.append(c + 1 < starts.size() ? starts[c + 1] - starts[c] - columnGap
                                            : table.width() - starts[c]);
    return widths;
}

} // namespace

// Short of room the table cuts its row titles first, then wraps the figures' headers, the one with most
// to give first, as few as it can; only a room narrower than the figures leaves it wider, to scroll.
// Figures are never cut.
TEST(BreakdownTable, NarrowRoomCutsTitlesThenWrapsHeadersBeforeScrolling) {
    BreakdownTable table;
    const QStringList row{u"Маркетплейс с доставкой до пункта выдачи"_s, u"1 867 139,89 ₽"_s, u"43"_s,
                          u"7"_s};
    table.setRows({u"Канал продаж"_s, u"Выручка"_s, u"Оплачено заказов"_s, u"Заказов в работе"_s},
                  rowsOf({row}));
    const QSize natural = table.sizeHint();
    const QList<int> full = drawnWidths(table, row);
    const int figure =
        int(QFontMetricsF(Style::tabularFont(table.font())).horizontalAdvance(u"1 867 139,89 ₽"_s));
    const struct {
        int room;
        QList<bool> narrowed; // per column, under its natural width
    } cases[] = {
        {natural.width() + 100, {false, false, false, false}},
        {natural.width() - 40, {true, false, false, false}},
        {natural.width() - full[0] + 120 - 40, {true, false, false, true}},
        {200, {true, false, true, true}}, // "Выручка" is as wide as its figures already
    };
    for (const auto& c : cases) {
        table.setRoom(c.room);
        const QList<int> widths = drawnWidths(table, row);
        QList<bool> narrowed;
        for (int i = 0; i < full.size(); ++i)
            narrowed.append(widths[i] < full[i]);
        EXPECT_EQ(narrowed, c.narrowed) << c.room;
        EXPECT_EQ(table.sizeHint().height() > natural.height(), narrowed.mid(1).contains(true)) << "wrapped";
        EXPECT_EQ(table.sizeHint().width() <= c.room, c.room != 200);
        EXPECT_GE(widths[1], figure);
    }
}

// Each column is as wide as the widest of its texts as drawn, whichever digits a figure holds, and a title
// is measured again in a new font.
TEST(BreakdownTable, ColumnsAreAsWideAsTheirWidestTexts) {
    const QStringList figures[] = {
        {u"1 111,11 ₽"_s, u"8 888,88 ₽"_s, u"\u2212444 ₽"_s, u"7 070 707 ₽"_s},
        {u"0 %"_s, u"100 %"_s, u"12,3 %"_s, u"\u22129,9 %"_s},
        {u"1"_s, u"11"_s, u"7"_s, u"1\u00A0000\u00A0000"_s, u"\u22121"_s},
    };
    BreakdownTable table;
    table.setRoom(5000);
    for (const QFont& font : {QFont(table.font()), QFont(u"DejaVu Serif"_s, 19)}) {
        table.setFont(font);
        const QFontMetricsF title(font), value(Style::tabularFont(font));
        QList<QStringList> rows;
        for (qsizetype r = 0; r < 5; ++r) {
            QStringList row{u"Клиент № "_s + QString::number(r * 37)};
            for (const QStringList& column : figures)
                row.append(column.value(r, u"0"_s));
            rows.append(row);
        }
        table.setRows({u"·"_s, u"·"_s, u"·"_s, u"·"_s}, rowsOf(rows));
        const QList<int> widths = drawnWidths(table, rows[0]);
        for (qsizetype c = 0; c < 4; ++c) {
            int widest = 0;
            for (const QStringList& row : rows)
                widest = std::max(widest, int(std::ceil((c ? value : title).horizontalAdvance(row[c]))) + 1);
            EXPECT_EQ(widths[c], widest) << c << " in " << font.family().toStdString();
        }
    }
}

// The titles' column is as wide as the widest title laid out whole, up to its limit, among many titles of
// one length and another, of pairs that kern, of other scripts and marks, in fonts that space their
// letters or not; titles measured for an earlier period count too.
TEST(BreakdownTable, TitleColumnIsAsWideAsItsWidestTitle) {
    const QStringList words{u"AV"_s,   u"To"_s,    u"Ту"_s,        u"Ёлка"_s,
                            u"W.A."_s, u"ff fi"_s, u"x\u0301"_s,   u"مرحبا"_s,
                            u"🙂"_s, u"№ 17"_s,  u"«Ромашка»"_s, u"iiii"_s,
                            u"ШЩЖ"_s,  u"—"_s,     u"\u00A0"_s,    u"ООО «Вектор»"_s};
    QFont spaced;
    spaced.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    for (const QFont& font : {QFont(), QFont(u"DejaVu Serif"_s, 19), spaced}) {
        for (const int count : {1, 7, 40, 200}) {
            BreakdownTable table;
            table.setRoom(5000);
            table.setFont(font);
            QList<QStringList> rows;
            for (int r = 0; r < count; ++r) {
                QString title;
                for (int w = 0; w <= (r * 7) % 5; ++w)
                    title += words[(r * 3 + w * 5) % words.size()] + u' ';
                rows.append({title.trimmed(), u"1"_s});
            }
            // Titles whose characters' own advances add up to less than the widest's but which are wider
            // laid out: spaced letters, and letters outside the basic plane.
            rows.append({QString(10, u'Ш'), u"1"_s});
            rows.append({QString(30, u'i'), u"1"_s});
            rows.append({u"🙂🙂🙂🙂🙂🙂🙂🙂🙂🙂🙂🙂"_s, u"1"_s});
            const QFontMetricsF metrics(font);
            int widest = 0;
            for (const QStringList& row : rows)
                widest = std::max(widest, int(std::ceil(metrics.horizontalAdvance(row[0]))) + 1);
            table.setRows({u"·"_s, u"·"_s}, rowsOf(rows.mid(0, count / 2))); // an earlier period of the field
            table.setRows({u"·"_s, u"·"_s}, rowsOf(rows));
            EXPECT_EQ(drawnWidths(table, rows[0])[0], std::min(widest, 320))
                << count << " titles in " << font.family().toStdString() << ", spacing "
                << font.letterSpacing();
        }
    }
}

// Short of room, a title or the titles' header cut short names its whole text as help wherever the pointer
// rests on it; a title shown whole, a figure and a figure's header have none.
TEST(BreakdownTable, CutTitlesNameTheirWholeTextAsHelp) {
    BreakdownTable table;
    const QString longTitle = u"Маркетплейс с доставкой до пункта выдачи"_s;
    table.setRows({u"Канал продаж и способ доставки"_s, u"Оплачено заказов"_s},
                  rowsOf({{u"Сайт"_s, u"12"_s}, {longTitle, u"43"_s}, {u"Instagram"_s, u"7"_s}}));
    for (const int room : {5000, 260}) {
        table.setRoom(room);
        const int titles = drawnWidths(table, {u"Сайт"_s, u"12"_s})[0];
        QSet<QString> helps;
        for (int y = 0; y < table.height(); ++y) {
            for (const int x : {2, titles - 2, titles + 30})
                helps.insert(helpAt(&table, {x, y}));
        }
        EXPECT_EQ(helps, room == 5000
                             ? QSet<QString>{QString()}
                             : (QSet<QString>{QString(), longTitle, u"Канал продаж и способ доставки"_s}))
            << room;
    }
}
