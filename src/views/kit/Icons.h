#pragma once

#include <QHash>
#include <QIcon>
#include <QString>

// Journals and buttons name their icons by system symbol names ("cart", "square.and.arrow.up"); the names
// are stored and passed unchanged, and only drawing turns them into freedesktop theme icons.
namespace Icons {

// Makes the theme icons findable: Breeze as the fallback theme, and the system's icon folders on the search
// path even where the platform plugin adds none (the offscreen platform, minimal window managers).
void install();

// Every symbol name the application takes from the theme, mapped to a freedesktop icon name.
const QHash<QString, QString>& table();
// The theme icon name of a symbol; the empty text for a symbol the table does not know.
QString themeName(const QString& symbol);
// The icon of a symbol, at any size the picture Symbols::symbol() draws: one-colour symbols in the
// application's text colour (its highlighted text on a selected row, faded while disabled), so a journal's
// or a metric's symbol looks the same in a list, a picker and a heading. A null icon when unknown.
QIcon icon(const QString& symbol);
// The icon of a symbol in a tint of its own, faded while disabled.
QIcon icon(const QString& symbol, const QColor& tint);

} // namespace Icons
