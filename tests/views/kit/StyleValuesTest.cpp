#include "views/kit/Style.h"

#include "views/kit/Contrast.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QWidget>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Each journal colour keeps its own fixed colour, whatever the palette; the table is read by position,
// so a case out of step with its colour would show one status in another's colour.
TEST(StyleValues, EachJournalColourHasItsSystemColour) {
    const struct {
        AppColor appColor;
        QColor expected;
    } cases[] = {
        {AppColor::gray, QColor(0x8E, 0x8E, 0x93)},   {AppColor::orange, QColor(0xFF, 0x95, 0x00)},
        {AppColor::yellow, QColor(0xFF, 0xCC, 0x00)}, {AppColor::green, QColor(0x34, 0xC7, 0x59)},
        {AppColor::teal, QColor(0x30, 0xB0, 0xC7)},   {AppColor::blue, QColor(0x00, 0x7A, 0xFF)},
        {AppColor::indigo, QColor(0x58, 0x56, 0xD6)}, {AppColor::purple, QColor(0xAF, 0x52, 0xDE)},
        {AppColor::pink, QColor(0xFF, 0x2D, 0x55)},   {AppColor::red, QColor(0xFF, 0x3B, 0x30)},
    };
    static_assert(std::size(cases) == allAppColors.size());
    for (const auto& c : cases)
        EXPECT_EQ(Style::color(c.appColor), c.expected) << int(c.appColor);
    // A number no case has, as a damaged cast would give, draws gray rather than reading past the table.
    EXPECT_EQ(Style::color(AppColor(allAppColors.size())), QColor(0x8E, 0x8E, 0x93));
}

// The accent is the one of the palette a widget draws with: its own, its parent's, or the application's.
// The application's is the shade its highlighted text reads on, in a window with the focus and in one
// without (a delegate paints with the palette of the view's colour group).
TEST(StyleValues, AccentIsThePaletteTheWidgetDrawsWith) {
    const QColor green(0x20, 0x60, 0x30);
    QWidget plain;
    QWidget tinted;
    QPalette own = tinted.palette();
    own.setColor(QPalette::Highlight, green);
    tinted.setPalette(own);
    QWidget child(&tinted);
    const struct {
        const QWidget* widget;
        QColor expected;
    } widgets[] = {
        {&plain, QApplication::palette().color(QPalette::Highlight)}, {&tinted, green}, {&child, green}};
    for (const auto& c : widgets)
        EXPECT_EQ(Style::color(Style::Role::accent, c.widget), c.expected) << &c - widgets;

    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QPalette palette = QApplication::palette();
        palette.setCurrentColorGroup(group);
        EXPECT_GE(Contrast::ratio(palette.color(QPalette::HighlightedText),
                                  Style::color(Style::Role::accent, palette)),
                  Contrast::required(plain.font()))
            << group;
    }
}

// Whatever font a screen starts from, installed or the application's, its figures line up: every digit as
// wide as "0", at the size and weight asked for.
TEST(StyleValues, TabularFontLinesDigitsUpInEveryFamily) {
    QStringList families = QFontDatabase::families();
    families.prepend(QApplication::font().family());
    for (const QString& family : families) {
        QFont base(family);
        base.setPixelSize(19);
        base.setBold(true);
        const QFont tabular = Style::tabularFont(base);
        const QFontMetricsF metrics(tabular);
        for (const char digit : "123456789"_L1)
            EXPECT_DOUBLE_EQ(metrics.horizontalAdvance(QLatin1Char(digit)), metrics.horizontalAdvance(u'0'))
                << family.toStdString() << " " << digit;
        EXPECT_EQ(tabular.pixelSize(), 19) << family.toStdString();
        EXPECT_TRUE(tabular.bold()) << family.toStdString();
    }
}
