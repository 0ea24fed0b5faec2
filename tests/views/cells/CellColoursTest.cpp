#include "Looks.h"
#include "app/cells/CellContent.h"
#include "views/cells/CellDelegate.h"
#include "views/cells/CellStyle.h"
#include "views/cells/WarningLabel.h"
#include "views/kit/Style.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// A table of one column drawn by the cell delegate, a row per content.
struct CellTable {
    QStandardItemModel model;
    QTableView view;
    CellDelegate delegate;

    explicit CellTable(const QList<CellContent>& contents) : model(int(contents.size()), 1) {
        for (int row = 0; row < contents.size(); ++row)
            model.setData(model.index(row, 0), QVariant::fromValue(contents[row]), CellContentRole);
        view.setModel(&model);
        view.setItemDelegate(&delegate);
        view.setAlternatingRowColors(true);
        view.resizeColumnToContents(0);
        view.resize(400, 40 + 30 * int(contents.size()));
        view.show();
    }
    // The text drawn in a row's cell, against the middle band of the cell, where a badge's capsule lies.
    MeasuredText drawn(int row, int inset = 0) {
        const QRect cell = view.visualRect(model.index(row, 0));
        const int band = cell.height() / 5;
        const QRect area = cell.adjusted(inset, band * 2, -inset, -band * 2);
        return measuredText(view.viewport()->grab().toImage(), area);
    }
};

} // namespace

// A status badge in every status colour, on plain and alternate rows, selected or not: its text reads on
// its capsule, in a shade of the status's colour, or in the highlighted text on a capsule of that shade.
TEST(CellColours, EveryStatusBadgeReads) {
    const CrispText crisp;
    QList<CellContent> badges;
    for (const AppColor appColor : allAppColors)
        badges.append(StatusBadge::content(StatusDef{QUuid::createUuid(), u"Отгружен"_s, appColor, {}}));
    CellTable table(badges);
    for (const bool selected : {false, true}) {
        for (int row = 0; row < badges.size(); ++row) {
            const QColor hue = Style::color(allAppColors[row]);
            SCOPED_TRACE(hue.name().toStdString() + (selected ? " selected" : ""));
            if (selected)
                table.view.selectRow(row);
            // The capsule's round ends stay out of the measure.
            const MeasuredText badge = table.drawn(row, 16);
            EXPECT_GE(badge.ratio(), Contrast::normalText)
                << badge.text.name().toStdString() << " on " << badge.background.name().toStdString();
            if (hue.hslSaturationF() > 0.2) {
                EXPECT_TRUE(sameHue(selected ? badge.background : badge.text, hue));
            }
        }
    }
}

// The import preview's checks and the orange "Ошибка" of a link: their colours as text on the rows, and
// the highlighted text on a selected row.
TEST(CellColours, SignalTonesReadOnTheRows) {
    const CrispText crisp;
    const struct {
        CellTone tone;
        Style::Role role;
    } tones[] = {{CellTone::warning, Style::Role::warning},
                 {CellTone::red, Style::Role::destructive},
                 {CellTone::green, Style::Role::success}};
    QList<CellContent> cells;
    for (const auto& t : tones)
        cells.append(CellContent{.text = u"Дубль записи"_s, .tone = t.tone});
    cells.append(LinkCell::content(u"не ссылка"_s));
    CellTable table(cells);
    for (int row = 0; row < cells.size(); ++row) {
        // The warning's symbol keeps colours of its own; the text follows it.
        const MeasuredText drawn = table.drawn(row, row == 3 ? 24 : 0);
        EXPECT_GE(drawn.ratio(), Contrast::normalText) << row;
        const QColor hue =
            Style::color(row < 3 ? tones[row].role : Style::Role::warning, QApplication::palette());
        EXPECT_TRUE(sameHue(drawn.text, hue)) << row << ": " << drawn.text.name().toStdString();
        table.view.selectRow(row);
        EXPECT_GE(table.drawn(row, row == 3 ? 24 : 0).ratio(), Contrast::normalText) << row << " selected";
    }
}

// A warning line («не число», a possible duplicate) reads on the sheet and on a form section's box.
TEST(CellColours, AWarningReadsInOrange) {
    const CrispText crisp;
    WarningLabel warning(u"«12abc» — не число"_s);
    warning.show();
    auto* text = warning.findChild<QLabel*>();
    for (QLabel* label : warning.findChildren<QLabel*>())
        if (!label->text().isEmpty())
            text = label;
    const MeasuredText drawn = measuredText(text->grab().toImage());
    EXPECT_GE(drawn.ratio(), Contrast::normalText);
    EXPECT_TRUE(sameHue(drawn.text, Style::color(Style::Role::warning, &warning)))
        << drawn.text.name().toStdString();
    EXPECT_GE(Contrast::ratio(drawn.text, warning.palette().color(QPalette::Base)), Contrast::normalText);
}
