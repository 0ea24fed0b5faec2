#pragma once

#include <QColor>
#include <QFont>
#include <QList>

// How well text reads on its background, measured as the web's accessibility guidelines measure it: the
// ratio of the two colours' relative luminances, from 1 : 1 (the same colour) to 21 : 1 (black on white).
// Text needs 4.5 : 1, large text 3 : 1. The screens keep their colours' hues and take, where a colour
// reads too faintly, a deeper (or on a dark background a paler) shade of the same hue.
namespace Contrast {

// The least ratios: for text, and for large text.
inline constexpr double normalText = 4.5;
inline constexpr double largeText = 3.0;

// The relative luminance of an opaque colour, 0 for black to 1 for white.
double luminance(const QColor& colour);
// The colour seen where `top`, perhaps translucent, lies over an opaque `bottom`.
QColor over(const QColor& top, const QColor& bottom);
// The contrast ratio of text over an opaque background; translucent text is first laid over it.
double ratio(const QColor& text, const QColor& background);
// The least ratio text in this font needs: largeText from 14 pt in bold or 18 pt in any weight, else
// normalText.
double required(const QFont& font);
// The shade of `hue` nearest to it that reaches `least` against every one of the backgrounds: the hue
// itself when it already does, else an opaque colour of the same hue and saturation with the lightness
// moved away from the backgrounds' (a translucent hue as it shows on the first background).
QColor shade(const QColor& hue, const QList<QColor>& backgrounds, double least);

} // namespace Contrast
