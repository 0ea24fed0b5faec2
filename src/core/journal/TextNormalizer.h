#pragma once

#include <QString>

// Keys through which texts typed or imported by users are matched: never the raw texts.
namespace TextNormalizer {

// The comparison key: lower case (locale-free full mapping), canonically composed, "ё" read as "е", white
// space trimmed at both ends and every inner run of it read as one blank. Canonically equivalent texts give
// equal keys. A character (grapheme cluster) counts as white space when its first code point does.
QString compare(const QString& text);

// The comparison key reduced to its letters and digits: only the characters whose first code point is a
// letter or a number stay ("Да!" and "д а" both give "да").
QString reduced(const QString& text);

} // namespace TextNormalizer
