#pragma once

#include <QKeySequence>
#include <QString>

// The text of a shortcut as the platform writes it ("⇧⌘I" on macOS, "Ctrl+Shift+I" here). A key that is
// the hyphen-minus is shown as the minus sign U+2212.
QString shortcutText(const QKeySequence& keys);

// A help text that names its shortcut: the text, a blank and the shortcut in parentheses.
QString withShortcut(const QString& text, const QKeySequence& keys);

// Data shown on a button, a menu item or a label with a buddy, as typed: Qt takes a lone "&" there for the
// mark of an Alt key and does not draw it, so each "&" is doubled.
QString literalLabel(const QString& text);
