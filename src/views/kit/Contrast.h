#pragma once

#include <QColor>
#include <QFont>
#include <QList>

// How well text reads on its background, measured as the web's accessibility guidelines measure it: the
// ratio of the two colours' relative luminances, from 1 : 1 (the same colour) to 21 : 1 (black on white).
// Text needs 4.5 : 1, large text 3 : 1. The screens keep their colours' hues and take, where a colour
// reads too faintly, a deeper (or on a dark background a paler) shade of the same hue.
namespace Contrast {

// The least ratios: for text, for large text, and for a mark that carries meaning without words (a symbol,
// a dot, the border that shows where a box is).
inline constexpr double normalText = 4.5;
inline constexpr double largeText = 3.0;
inline constexpr double marks = 3.0;

// The relative luminance of an opaque colour, 0 for black to 1 for white.
double luminance(const QColor& colour);
// The colour seen where `top`, perhaps translucent, lies over an opaque `bottom`.
QColor over(const QColor& top, const QColor& bottom);
// The contrast ratio of text over an opaque background; translucent text is first laid over it.
double ratio(const QColor& text, const QColor& background);
// The least ratio text in this font needs: largeText from 14 pt in bold or 18 pt in any weight, else
// normalText.
double required(const QFont& font);
// How much of its colour the strongest pixel of a smoothed glyph shows at the least. The strokes of small
// or medium-weight text are thinner than a pixel, so smoothing lays no pixel of them down in the colour
// whole; text in a shade that just reaches its ratio would read fainter than that as drawn.
inline constexpr double glyphCoverage = 0.9;

// The shade of `hue` nearest to it that reaches `least` against every one of the backgrounds, where the
// strongest pixel drawn in it shows `coverage` of it: the hue itself when it already does, else an opaque
// colour of the same hue and saturation with the lightness moved away from the backgrounds' (a translucent
// hue as it shows on the first background): deeper on a light ground, paler on a dark one, and on a ground
// of middle lightness whichever comes nearer.
QColor shade(const QColor& hue, const QList<QColor>& backgrounds, double least, double coverage = 1);
// The shade of a fill nearest to it on which `text`, drawn with its strongest pixels showing `coverage` of
// it, reaches `least`: the fill itself when the text already does.
QColor shadeUnder(const QColor& fill, const QColor& text, double least, double coverage = 1);
// `colour` at the given opacity when it reaches `least` against every one of the backgrounds there, else at
// the least opacity above it that does; opaque when only that does, or when even that falls short. A glyph's
// strongest pixels show `coverage` of it. Translucent text keeps showing its background's shade, so it stays
// fainter on a lighter background.
QColor fade(const QColor& colour, double opacity, const QList<QColor>& backgrounds, double least,
            double coverage = 1);

} // namespace Contrast
