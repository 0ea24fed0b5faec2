#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// Symbols named by their system names, drawn at one size in one tint wherever a screen shows one.
namespace Symbols {

// A system symbol, `size` logical pixels square, in the tint when the theme draws it in one colour;
// null when the theme has no icon for it.
QPixmap symbol(const QString& name, const QColor& tint, int size, qreal devicePixelRatio);

} // namespace Symbols
