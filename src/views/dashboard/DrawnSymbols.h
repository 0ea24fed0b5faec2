#pragma once

#include "dashboard/TileTexts.h"

#include <QColor>
#include <QPixmap>

// Symbols the icon theme lacks or draws in colours of its own, drawn here in one tint: the trend beside a
// tile's comparison (an arrow up or down to the right, or an equals sign) and the copy button's check mark.
namespace DrawnSymbols {

QPixmap trend(Comparison::Trend trend, const QColor& tint, int size, qreal devicePixelRatio);
QPixmap checkmark(const QColor& tint, int size, qreal devicePixelRatio);

} // namespace DrawnSymbols
