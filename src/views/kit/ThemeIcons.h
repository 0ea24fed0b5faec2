#pragma once

#include <QIcon>
#include <QString>

// Theme icons as the theme draws them for small sizes. Themes such as Breeze draw an icon's 16 and 22 pixel
// sizes as a one-colour outline and its larger sizes as a full-colour picture, so one name would look one
// way in a list and another in a heading. Scaled from the small drawing, an icon keeps one look at every
// size.
namespace ThemeIcons {

// The theme icon of this freedesktop name, drawn at any size from one of its small drawings in the current
// theme or the fallback theme: the 22 pixel one, or for a picture of at most 16 device pixels the 16 pixel
// one (each the other where only that exists). The theme's own icon where neither theme has a small
// drawing; null when the themes have no icon of the name.
QIcon smallDrawing(const QString& name, int pixels);

} // namespace ThemeIcons
