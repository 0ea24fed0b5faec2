#pragma once

#include <QString>

// Puts the text on the clipboard as its only content: what was there before, in any format, goes first,
// so a paste elsewhere never picks an older rich-text or image version of an earlier copy.
void copyToClipboard(const QString& text);
