#include "views/kit/Contrast.h"

#include <algorithm>
#include <cmath>

namespace {

// An sRGB channel of 0…255 as linear light.
double linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

bool reaches(const QColor& text, const QList<QColor>& backgrounds, double least) {
    return std::all_of(backgrounds.cbegin(), backgrounds.cend(),
                       [&](const QColor& background) { return Contrast::ratio(text, background) >= least; });
}

// The luminance at which black and white text reach the same ratio: above it dark text has more room.
constexpr double evenLuminance = 0.179;
// How far past the least ratio a shade is taken: a painter blending a translucent fill may lay its colour a
// step of 0…255 off the exact mix.
constexpr double roundingMargin = 0.03;

} // namespace

double Contrast::luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.red()) + 0.7152 * linear(rgb.green()) + 0.0722 * linear(rgb.blue());
}

QColor Contrast::over(const QColor& top, const QColor& bottom) {
    const QColor a = top.toRgb();
    const QColor b = bottom.toRgb();
    // In steps of 0…255, as a painter lays it.
    const double alpha = a.alpha() / 255.0;
    const auto mix = [alpha](int upper, int lower) {
        return int(std::lround(upper * alpha + lower * (1 - alpha)));
    };
    return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()));
}

double Contrast::ratio(const QColor& text, const QColor& background) {
    const double a = luminance(over(text, background));
    const double b = luminance(background);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

double Contrast::required(const QFont& font) {
    // A font sized in pixels counts 0.75 pt a pixel, at the desktop's 96 dots per inch.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    const bool bold = font.weight() >= QFont::Bold;
    return points >= 18 || (bold && points >= 14) ? largeText : normalText;
}

QColor Contrast::shade(const QColor& hue, const QList<QColor>& backgrounds, double least) {
    if (backgrounds.isEmpty() || reaches(hue, backgrounds, least))
        return hue;
    least += roundingMargin;
    // A translucent colour is shaded as it shows on the first background.
    const QColor opaque = over(hue, backgrounds.first());
    float h = 0, s = 0, l = 0;
    opaque.getHslF(&h, &s, &l);
    h = std::max(h, 0.0f); // an achromatic colour has no hue
    const auto at = [h, s](double lightness) {
        const QColor c = QColor::fromHslF(h, s, float(lightness)).toRgb();
        // Measured as drawn: in whole steps of 0…255.
        return QColor(c.red(), c.green(), c.blue());
    };
    // Deeper on a light background, paler on a dark one; black or white when even they fall short.
    const double end = luminance(backgrounds.first()) > evenLuminance ? 0.0 : 1.0;
    if (!reaches(at(end), backgrounds, least))
        return at(end);
    double near = l;  // falls short
    double far = end; // reaches
    for (int step = 0; step < 24; ++step) {
        const double middle = (near + far) / 2;
        (reaches(at(middle), backgrounds, least) ? far : near) = middle;
    }
    return at(far);
}
