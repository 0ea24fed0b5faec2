#pragma once

#include <QStringView>

#include <array>
#include <optional>

// Everyday text: Russian or English with everyday signs. Each of its units is a character of its own (no
// marks, joiners or prepended signs), none changes under canonical composition apart from two spaces that
// stay spaces, and its lower case is a fixed shift. The comparison key of such a text (see TextNormalizer)
// needs no tables, so it can be read unit by unit while searching, hashing or comparing many texts, without
// being built. Any other unit makes a text take the general road.
namespace PlainText {

inline constexpr char16_t yo = u'\u0451';
inline constexpr char16_t ye = u'\u0435';
inline constexpr char16_t notPlain = 0xFFFF;

// The lower case of a plain unit, or notPlain.
constexpr char16_t lower(char16_t u) {
    if (u < 0x80)
        return u >= u'A' && u <= u'Z' ? char16_t(u + 0x20) : u;
    if (u >= 0xA0 && u <= 0xFF) // Latin-1 signs and letters
        return u >= 0xC0 && u <= 0xDE && u != 0xD7 ? char16_t(u + 0x20) : u;
    if (u >= 0x400 && u <= 0x45F) // Cyrillic: Ѐ-Џ, А-Я, а-я, ѐ-џ
        return u < 0x410 ? char16_t(u + 0x50) : u < 0x430 ? char16_t(u + 0x20) : u;
    const bool sign = u == 0x85 || u == 0x1680 || u == 0x2116 || u == 0x3000 ||
                      (u >= 0x2000 && u <= 0x200A) || (u >= 0x2010 && u <= 0x2029) ||
                      (u >= 0x202F && u <= 0x205F) || (u >= 0x20A0 && u <= 0x20BF);
    return sign ? u : notPlain;
}

// White space among the plain units.
constexpr bool isSpace(char16_t u) {
    return (u >= 0x09 && u <= 0x0D) || u == 0x20 || u == 0x85 || u == 0xA0 || u == 0x1680 ||
           (u >= 0x2000 && u <= 0x200A) || u == 0x2028 || u == 0x2029 || u == 0x202F || u == 0x205F ||
           u == 0x3000;
}

// The unit as the comparison key has it: lower case, "ё" read as "е".
constexpr char16_t folded(char16_t lowered) {
    return lowered == yo ? ye : lowered;
}

inline constexpr char16_t blank = 0xFFFE;

// The unit as the comparison key has it, blank for white space, or notPlain.
constexpr char16_t keyUnitOf(char16_t u) {
    if (isSpace(u))
        return blank;
    const char16_t low = lower(u);
    return low == notPlain ? notPlain : folded(low);
}

// The same, looked up for the units of Latin and Cyrillic text, which make up nearly every text here.
inline constexpr std::array<char16_t, 0x460> keyUnits = [] {
    std::array<char16_t, 0x460> units{};
    for (size_t u = 0; u < units.size(); ++u)
        units[u] = keyUnitOf(char16_t(u));
    return units;
}();

inline char16_t keyUnit(char16_t u) {
    return u < keyUnits.size() ? keyUnits[u] : keyUnitOf(u);
}

// Writes the comparison key of a plain text to out, which has room for as many units as the text, and
// returns its length; returns -1, out holding part of the key, when the text holds a unit that is not plain.
inline qsizetype writeKey(QStringView text, char16_t* out) {
    char16_t* const start = out;
    bool pendingBlank = false;
    for (const QChar c : text) {
        const char16_t k = keyUnit(c.unicode());
        if (k >= blank) {
            if (k == notPlain)
                return -1;
            pendingBlank = out != start;
            continue;
        }
        if (pendingBlank)
            *out++ = u' ';
        pendingBlank = false;
        *out++ = k;
    }
    return out - start;
}

// Whether the comparison key of the text contains the word (a comparison key without blanks: one word of
// a search); nothing when the text is not plain.
std::optional<bool> keyContains(QStringView text, QStringView word);

} // namespace PlainText
