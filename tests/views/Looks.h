#pragma once

#include "views/kit/Contrast.h"
#include "views/kit/Style.h"

#include <QApplication>
#include <QColor>
#include <QFontMetricsF>
#include <QHash>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include <cmath>
#include <optional>

// A widget at its own size, shown, as it paints.
inline QImage shown(QWidget* widget) {
    widget->adjustSize();
    widget->show();
    return widget->grab().toImage();
}

// A dark palette of the kind desktops offer, for the shades that must turn paler instead; its links a pale
// blue that reads on it, its tables striped a shade lighter than their boxes.
inline QPalette darkPalette() {
    QPalette p(Qt::white, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    p.setColor(QPalette::AlternateBase, QColor(0x32, 0x32, 0x32));
    p.setColor(QPalette::Link, QColor(0x3D, 0xAE, 0xE9));
    return p;
}

// Whether two colours are shades of one hue: both coloured, their hues within a few degrees.
inline bool sameHue(const QColor& a, const QColor& b) {
    if (a.hslSaturationF() < 0.2 || b.hslSaturationF() < 0.2)
        return false;
    const double apart = std::abs(a.hslHueF() - b.hslHueF());
    return std::min(apart, 1 - apart) < 0.012;
}

// Text as it was drawn in an area of a grabbed image. The background is the largest family of near
// colours there (a button's face shades through several), the text the colour that stands out most from
// it; the ratio is measured against the background's least favourable shade.
struct MeasuredText {
    QColor text;
    QColor background;
    double ratio() const { return Contrast::ratio(text, background); }
};

// How many pixels of each colour an area of a grabbed image holds; the whole image when the area is null.
inline QHash<QRgb, int> colourCounts(const QImage& grabbed, QRect area) {
    const QImage image = grabbed.convertToFormat(QImage::Format_RGB32);
    if (area.isNull())
        area = image.rect();
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y) & 0xFFFFFF];
    return counts;
}

inline MeasuredText measuredText(const QImage& grabbed, QRect area = {}) {
    QHash<QRgb, int> counts = colourCounts(grabbed, area);
    const QList<QRgb> colours = counts.keys();
    // Families: colours joined through neighbours a few steps apart.
    QList<int> family(colours.size());
    for (int i = 0; i < colours.size(); ++i)
        family[i] = i;
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                   std::abs(qBlue(a) - qBlue(b)) <=
               9;
    };
    for (bool joined = true; joined;) {
        joined = false;
        for (int i = 0; i < colours.size(); ++i)
            for (int k = 0; k < colours.size(); ++k)
                if (family[k] != family[i] && near(colours[i], colours[k])) {
                    const int from = std::max(family[i], family[k]);
                    const int to = std::min(family[i], family[k]);
                    for (int& f : family)
                        if (f == from)
                            f = to;
                    joined = true;
                }
    }
    QHash<int, int> sizes;
    for (int i = 0; i < colours.size(); ++i)
        sizes[family[i]] += counts[colours[i]];
    int background = 0;
    for (auto it = sizes.cbegin(); it != sizes.cend(); ++it)
        if (it.value() > sizes[background])
            background = it.key();
    QRgb common = 0;
    for (int i = 0; i < colours.size(); ++i)
        if (family[i] == background && counts[colours[i]] > counts.value(common, -1))
            common = colours[i];
    QRgb text = common;
    for (int i = 0; i < colours.size(); ++i)
        if (family[i] != background && Contrast::ratio(QColor(colours[i]), QColor(common)) >
                                           Contrast::ratio(QColor(text), QColor(common)))
            text = colours[i];
    QRgb worst = common;
    for (int i = 0; i < colours.size(); ++i)
        if (family[i] == background &&
            Contrast::ratio(QColor(text), QColor(colours[i])) < Contrast::ratio(QColor(text), QColor(worst)))
            worst = colours[i];
    return {QColor(text), QColor(worst)};
}

// Text as drawn smoothed, measured as one reads a screenshot: against the commonest colour of the area, its
// pixel that stands out most. Thin strokes show less than their colour, so this is the least the text
// reads as drawn.
inline MeasuredText smoothedText(const QImage& grabbed, QRect area = {}) {
    const QHash<QRgb, int> counts = colourCounts(grabbed, area);
    QRgb common = counts.cbegin().key();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(common))
            common = it.key();
    QRgb text = common;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (Contrast::ratio(QColor(it.key()), QColor(common)) > Contrast::ratio(QColor(text), QColor(common)))
            text = it.key();
    return {QColor(text), QColor(common)};
}

// The one colour of a picture's visible pixels, as its most opaque pixel shows it (a translucent tint
// keeps its alpha); antialiased edges only fade it. Nothing for a picture of several colours or none.
inline std::optional<QColor> soleColour(const QImage& picture) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    QRgb strongest = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > qAlpha(strongest))
                strongest = image.pixel(x, y);
    if (qAlpha(strongest) < 96)
        return std::nullopt;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qAlpha(pixel) >= 96 && std::abs(qRed(pixel) - qRed(strongest)) +
                                               std::abs(qGreen(pixel) - qGreen(strongest)) +
                                               std::abs(qBlue(pixel) - qBlue(strongest)) >
                                           12)
                return std::nullopt;
        }
    }
    return QColor::fromRgba(strongest);
}

// Whether two colours are the same but for a step of rounding in a channel or two (their alpha aside).
inline bool nearly(const std::optional<QColor>& a, const QColor& b) {
    return a &&
           std::abs(a->red() - b.red()) + std::abs(a->green() - b.green()) + std::abs(a->blue() - b.blue()) <=
               4;
}

// Draws text without antialiasing while it exists, so every pixel of a glyph has the text's own colour and
// a measure of the drawn text reads the colour itself.
struct CrispText {
    QFont before = QApplication::font();
    CrispText() {
        QFont crisp = before;
        crisp.setStyleStrategy(QFont::NoAntialias);
        QApplication::setFont(crisp);
    }
    ~CrispText() { QApplication::setFont(before); }
    CrispText(const CrispText&) = delete;
    CrispText& operator=(const CrispText&) = delete;
};

// The width a status badge takes in a table of the given font as drawn: the name in the callout font at
// medium weight, 8 px a side within its capsule, 4 px between the capsule and the cell's edges.
inline qreal badgeWidth(const QString& name, const QFont& tableFont) {
    QFont badgeFont = Style::font(Style::TextStyle::callout, tableFont);
    badgeFont.setWeight(QFont::Medium);
    return QFontMetricsF(badgeFont).horizontalAdvance(name) + 2 * 8 + 2 * 4;
}
