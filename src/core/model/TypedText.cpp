#include "core/model/TypedText.h"

#include <algorithm>

namespace TypedText {

bool isDropped(QChar c) {
    const char16_t u = c.unicode();
    return u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r';
}

QString cleaned(const QString& text) {
    // Most texts hold none: they are handed back without a copy.
    if (std::none_of(text.cbegin(), text.cend(), isDropped))
        return text;
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (!isDropped(c))
            kept += c;
    }
    return kept;
}

} // namespace TypedText
