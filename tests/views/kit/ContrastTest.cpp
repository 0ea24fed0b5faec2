#include "views/kit/Contrast.h"
#include "Looks.h"
#include "core/model/Model.h"
#include "views/kit/Style.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Ratios the accessibility guidelines' own examples and common checkers give; the kit's colours as they
// stood before their shades were taken.
TEST(Contrast, RatiosAreTheGuidelinesOwn) {
    const struct {
        QColor text;
        QColor background;
        double ratio;
    } cases[] = {
        {Qt::black, Qt::white, 21.0},
        {Qt::white, Qt::white, 1.0},
        {QColor(0x76, 0x76, 0x76), Qt::white, 4.54}, // the lightest grey that reads on white
        {QColor(0x77, 0x77, 0x77), Qt::white, 4.48}, // one step lighter falls short
        {QColor(0xFF, 0x95, 0x00), QColor(0xEF, 0xEF, 0xEF), 1.91},
        {QColor(0xFF, 0x3B, 0x30), QColor(0xEF, 0xEF, 0xEF), 3.08},
        {Qt::white, QColor(0x34, 0xC7, 0x59), 2.22},
        {Qt::white, QColor(0x30, 0x8C, 0xC6), 3.68},
        {QColor(0, 0, 0, 128), Qt::white, 4.00}, // half-transparent black shows as #7f7f7f there
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(Contrast::ratio(c.text, c.background), c.ratio, 0.01)
            << c.text.name(QColor::HexArgb).toStdString() << " on " << c.background.name().toStdString();
        if (c.text.alpha() == 255) {
            EXPECT_DOUBLE_EQ(Contrast::ratio(c.text, c.background), Contrast::ratio(c.background, c.text));
        }
    }
}

TEST(Contrast, LargeTextIsBoldFrom14PointsOrAnyFrom18) {
    const struct {
        double points;
        bool bold;
        double required;
    } cases[] = {{9, false, 4.5},    {9, true, 4.5},      {13.5, true, 4.5},
                 {14.25, true, 3.0}, {17.25, false, 4.5}, {18, false, 3.0}}; // whole pixels each
    for (const auto& c : cases) {
        QFont font;
        font.setPointSizeF(c.points);
        font.setBold(c.bold);
        EXPECT_EQ(Contrast::required(font), c.required) << c.points << " pt, bold " << c.bold;
        font.setPixelSize(qRound(c.points / 0.75)); // the same size in pixels
        EXPECT_EQ(Contrast::required(font), c.required) << font.pixelSize() << " px, bold " << c.bold;
    }
}

// Every colour of the palette, on light and dark backgrounds, for text and for large text: the shade
// reaches the ratio, keeps the hue, and is the nearest that does — a step back toward the colour falls
// short. A colour that already reads is kept as it is.
TEST(Contrast, TheShadeOfAHueIsTheNearestThatReads) {
    const QList<QList<QColor>> backgrounds{
        {Qt::white},
        {QColor(0xEF, 0xEF, 0xEF), Qt::white},                // a window and the boxes on it
        {QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A)}, // a dark window and its boxes
        {Qt::black},
    };
    for (const AppColor appColor : allAppColors) {
        const QColor hue = Style::color(appColor);
        for (const QList<QColor>& on : backgrounds) {
            for (const double least : {Contrast::normalText, Contrast::largeText}) {
                const QColor shade = Contrast::shade(hue, on, least);
                const std::string where = hue.name().toStdString() + " on " +
                                          on.first().name().toStdString() + " for " + std::to_string(least);
                for (const QColor& background : on)
                    EXPECT_GE(Contrast::ratio(shade, background), least) << where;
                if (std::all_of(on.cbegin(), on.cend(),
                                [&](const QColor& b) { return Contrast::ratio(hue, b) >= least; })) {
                    EXPECT_EQ(shade, hue) << where;
                    continue;
                }
                // Hue and saturation as they were, a grey's faint blue too.
                const double apart = std::abs(shade.hslHueF() - hue.hslHueF());
                EXPECT_LT(std::min(apart, 1 - apart), 0.012)
                    << where << " gave " << shade.name().toStdString();
                EXPECT_NEAR(shade.hslSaturationF(), hue.hslSaturationF(), 0.06) << where;
                const bool dark = Contrast::luminance(on.first()) < 0.18;
                EXPECT_EQ(shade.lightnessF() > hue.lightnessF(), dark) << where << ": moves away";
                // Three steps of 0…255 back toward the colour read worse than needed.
                const QColor nearer = QColor::fromHslF(hue.hslHueF(), hue.hslSaturationF(),
                                                       shade.lightnessF() + (dark ? -3 : 3) / 255.0);
                EXPECT_TRUE(std::any_of(on.cbegin(), on.cend(),
                                        [&](const QColor& b) { return Contrast::ratio(nearer, b) < least; }))
                    << where << " gave " << shade.name().toStdString() << ", not the nearest";
            }
        }
    }
}

TEST(Contrast, ATranslucentColourIsShadedAsItShows) {
    QColor faint(Qt::black);
    faint.setAlphaF(0.3);
    EXPECT_EQ(Contrast::shade(faint, {Qt::black}, 1.0), faint) << "kept while it reads";
    const QColor shade = Contrast::shade(faint, {Qt::white}, Contrast::normalText);
    EXPECT_EQ(shade.alpha(), 255);
    EXPECT_GE(Contrast::ratio(shade, Qt::white), Contrast::normalText);
    EXPECT_LT(Contrast::ratio(shade, Qt::white), Contrast::normalText + 0.1) << "a grey, not black";
}
