#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

// Symbols the icon theme lacks, draws in colours of its own or draws as something else, drawn here in one
// tint: the trend beside a tile's comparison (an arrow up or down to the right, or an equals sign), the copy
// button's check mark, and the named symbols of draws() (checkbox squares, the number sign, a shipping box,
// the forward arrow), which Icons::icon() serves like theme icons.
namespace DrawnSymbols {

// Which way a trend symbol points: a rise, a fall, or an equals sign for no change.
enum class Heading { up, down, level };

QPixmap trend(Heading heading, const QColor& tint, int size, qreal devicePixelRatio);
QPixmap checkmark(const QColor& tint, int size, qreal devicePixelRatio);

// Whether the symbol of this system name is drawn here rather than taken from the theme.
bool draws(const QString& symbol);
// A symbol of draws(), `size` logical pixels square, in the tint; null for any other name.
QPixmap symbol(const QString& name, const QColor& tint, int size, qreal devicePixelRatio);

} // namespace DrawnSymbols
