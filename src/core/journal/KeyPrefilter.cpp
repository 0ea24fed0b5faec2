#include "core/journal/KeyPrefilter.h"

namespace {

// The basic Latin and Cyrillic character as its comparison key has it: lower case, "ё" as "е". Nothing for
// any other character.
char16_t foldedBasic(char16_t u) {
    if (u >= u'A' && u <= u'Z')
        return u + 0x20;
    if (u > 0x20 && u < 0x7F)
        return u;
    if (u >= 0x0410 && u <= 0x042F)
        return u + 0x20;
    if (u >= 0x0430 && u <= 0x044F)
        return u;
    if (u == 0x0401 || u == 0x0451)
        return 0x0435;
    return 0;
}

} // namespace

KeyPrefilter::KeyPrefilter(const QString& key) {
    m_chars.reserve(key.size());
    for (const QChar c : key) {
        if (!c.isSpace())
            m_chars.append(c);
    }
}

bool KeyPrefilter::mayMatch(QStringView text) const {
    // A character outside the basic set anywhere may change the key around it (a combining mark composes
    // with the letter before it), so a difference found earlier proves nothing until the whole text is seen.
    qsizetype k = 0;
    bool differs = false;
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        const char16_t folded = foldedBasic(c.unicode());
        if (!folded)
            return true;
        if (!differs && (k == m_chars.size() || m_chars[k].unicode() != folded))
            differs = true;
        ++k;
    }
    return !differs && k == m_chars.size();
}
