#include "views/kit/Contrast.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// An sRGB channel of 0…255 as linear light.
double linear(int channel) {
    const double v = channel / 255.0;
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
}

// `colour` laid over the background as a glyph's strongest pixel shows it.
QColor drawn(const QColor& colour, const QColor& background, double coverage) {
    QColor c = colour;
    c.setAlphaF(float(c.alphaF() * coverage));
    return Contrast::over(c, background);
}

bool reaches(const QColor& text, const QList<QColor>& backgrounds, double least, double coverage) {
    return std::all_of(backgrounds.cbegin(), backgrounds.cend(), [&](const QColor& background) {
        return Contrast::ratio(drawn(text, background, coverage), background) >= least;
    });
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

namespace {

// Where between `near`, which falls short, and `far`, which reads, the reading starts: the value nearest to
// `near` found to read, to a part in 2^steps of the way.
template <typename Reads> double bisect(double near, double far, int steps, Reads reads) {
    for (int step = 0; step < steps; ++step) {
        const double middle = (near + far) / 2;
        (reads(middle) ? far : near) = middle;
    }
    return far;
}

// The colour of the hue and saturation of `colour` nearest to it in lightness that `reads`, searched
// toward the lightness `end` (black or white); that end itself when even it does not read.
template <typename Reads> QColor nearestShade(const QColor& colour, double end, Reads reads) {
    float h = 0, s = 0, l = 0;
    colour.getHslF(&h, &s, &l);
    h = std::max(h, 0.0f); // an achromatic colour has no hue
    const auto at = [h, s](double lightness) {
        const QColor c = QColor::fromHslF(h, s, float(lightness)).toRgb();
        // Measured as drawn: in whole steps of 0…255.
        return QColor(c.red(), c.green(), c.blue());
    };
    if (!reads(at(end)))
        return at(end);
    return at(bisect(l, end, 24, [&](double lightness) { return reads(at(lightness)); }));
}

// Deeper on a light ground, paler on a dark one.
double awayFrom(const QColor& ground) {
    return Contrast::luminance(ground) > evenLuminance ? 0.0 : 1.0;
}

// The same shades are asked for again and again: every cell of a table asks for its text's shade each time
// it paints, with the few colours an application uses. Each answer is worked out once and kept (main thread
// only, as all drawing is).
struct Question {
    enum Kind { shade, shadeUnder, fade } kind;
    quint64 colour;         // QRgba64: a colour's every bit
    QList<quint64> grounds; // the backgrounds, or the text a fill goes under
    double opacity;         // fade's; none for the others
    double least;
    double coverage;

    bool operator==(const Question&) const = default;
};

size_t qHash(const Question& q, size_t seed = 0) {
    return qHashMulti(seed, int(q.kind), q.colour, q.grounds, q.opacity, q.least, q.coverage);
}

quint64 bitsOf(const QColor& colour) {
    return quint64(colour.rgba64());
}

QList<quint64> bitsOf(const QList<QColor>& colours) {
    QList<quint64> bits;
    bits.reserve(colours.size());
    for (const QColor& c : colours)
        bits.append(bitsOf(c));
    return bits;
}

template <typename Work> QColor remembered(const Question& question, Work work) {
    static QHash<Question, QColor> answers;
    if (const auto known = answers.constFind(question); known != answers.cend())
        return *known;
    // Palettes change rarely; a bound keeps a long run of changing ones from growing it without end.
    constexpr qsizetype kept = 4096;
    if (answers.size() >= kept)
        answers.clear();
    return *answers.insert(question, work());
}

} // namespace

QColor Contrast::shade(const QColor& hue, const QList<QColor>& backgrounds, double least, double coverage) {
    return remembered({Question::shade, bitsOf(hue), bitsOf(backgrounds), 0, least, coverage}, [&] {
        if (backgrounds.isEmpty() || reaches(hue, backgrounds, least, coverage))
            return hue;
        least += roundingMargin;
        // A translucent colour is shaded as it shows on the first background.
        const QColor from = over(hue, backgrounds.first());
        const auto reads = [&](const QColor& c) { return reaches(c, backgrounds, least, coverage); };
        const double end = awayFrom(backgrounds.first());
        const QColor shaded = nearestShade(from, end, reads);
        // On a ground of middle lightness (an accent) the other way may come nearer.
        const QColor other = nearestShade(from, 1 - end, reads);
        const auto apart = [&from](const QColor& c) { return std::abs(c.lightnessF() - from.lightnessF()); };
        return reads(other) && apart(other) < apart(shaded) ? other : shaded;
    });
}

QColor Contrast::shadeUnder(const QColor& fill, const QColor& text, double least, double coverage) {
    return remembered({Question::shadeUnder, bitsOf(fill), {bitsOf(text)}, 0, least, coverage}, [&] {
        const auto reads = [&](const QColor& under) {
            return ratio(drawn(text, under, coverage), under) >= least;
        };
        if (reads(fill))
            return fill;
        least += roundingMargin;
        return nearestShade(fill, awayFrom(text), reads);
    });
}

QColor Contrast::fade(const QColor& colour, double opacity, const QList<QColor>& backgrounds, double least,
                      double coverage) {
    return remembered({Question::fade, bitsOf(colour), bitsOf(backgrounds), opacity, least, coverage}, [&] {
        const auto at = [&colour](double alpha) {
            QColor c = colour;
            c.setAlphaF(float(alpha));
            return c;
        };
        if (reaches(at(opacity), backgrounds, least, coverage))
            return at(opacity);
        least += roundingMargin;
        if (!reaches(at(1.0), backgrounds, least, coverage))
            return at(1.0);
        return at(bisect(opacity, 1.0, 16,
                         [&](double alpha) { return reaches(at(alpha), backgrounds, least, coverage); }));
    });
}
