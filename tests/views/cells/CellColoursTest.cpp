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
    // The text drawn in a row's cell, against the middle band of the cell, where a badge's capsule lies,
    // `width` wide when given; measured as drawn smoothed, or crisp.
    MeasuredText drawn(int row, int inset = 0, bool smoothed = false, int width = 0) {
        const QRect cell = view.visualRect(model.index(row, 0));
        const int band = cell.height() / 5;
        QRect area = cell.adjusted(inset, band * 2, -inset, -band * 2);
        if (width > 0)
            area.setWidth(width);
        const QImage image = view.viewport()->grab().toImage();
        return smoothed ? smoothedText(image, area) : measuredText(image, area);
    }
};

} // namespace

// A status badge in every status colour, the dash of an empty cell and a link, on plain and alternate rows,
// selected or not, in a light and a dark palette: the badge's text reads on its capsule, in a shade of the
// status's colour, or in the highlighted text on a capsule of that shade; the dash and the link read as
// text, the link in the accent's hue.
TEST(CellColours, EveryStatusBadgeReads) {
    // Names of several shapes: smoothing lays each glyph's strokes down a little differently.
    const QStringList names{u"Новый"_s,    u"В работе"_s, u"Предложение"_s, u"Оплачено"_s, u"Отгружен"_s,
                            u"Передана"_s, u"Отказ"_s,    u"Завершён"_s,    u"Возврат"_s,  u"Черновик"_s};
    QList<CellContent> cells;
    for (const AppColor appColor : allAppColors)
        cells.append(StatusBadge::content(
            StatusDef{QUuid::createUuid(), names[int(appColor) % names.size()], appColor, {}}));
    const qsizetype dash = cells.size();
    // On both kinds of row each.
    cells.append({StatusBadge::content(std::nullopt), StatusBadge::content(std::nullopt),
                  LinkCell::content(u"example.com"_s), LinkCell::content(u"example.com"_s)});
    for (const auto& [paletteName, palette] :
         {std::pair{"light", QApplication::palette()}, std::pair{"dark", darkPalette()}}) {
        CellTable table(cells);
        table.view.setPalette(palette);
        for (const bool selected : {false, true}) {
            for (int row = 0; row < cells.size(); ++row) {
                const bool badge = row < dash;
                const QColor hue =
                    badge ? Style::color(allAppColors[row]) : table.view.palette().color(QPalette::Highlight);
                SCOPED_TRACE(std::string(paletteName) + " row " + std::to_string(row) +
                             (selected ? " selected" : ""));
                if (selected)
                    table.view.selectRow(row);
                // Inside the capsule, its round ends aside; the link's symbol stays out of the measure.
                const MeasuredText drawn =
                    badge
                        ? table.drawn(row, 16, true, int(badgeWidth(cells[row].text, table.view.font())) - 32)
                        : table.drawn(row, row >= dash + 2 ? 24 : 0, true);
                EXPECT_GE(drawn.ratio(), Contrast::normalText)
                    << drawn.text.name().toStdString() << " on " << drawn.background.name().toStdString();
                if (hue.hslSaturationF() > 0.2 && (badge || (row >= dash + 2 && !selected))) {
                    EXPECT_TRUE(sameHue(badge && selected ? drawn.background : drawn.text, hue))
                        << drawn.text.name().toStdString();
                }
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
