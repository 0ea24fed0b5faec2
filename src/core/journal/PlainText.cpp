#include "core/journal/PlainText.h"

#include <QVarLengthArray>

namespace PlainText {

std::optional<bool> keyContains(QStringView text, QStringView word) {
    // Folding unit by unit, without joining white space, gives the key with longer runs of blanks; a word
    // holds no blank, so it occurs in the one where it occurs in the other.
    QVarLengthArray<char16_t, 256> foldedText;
    foldedText.resize(text.size());
    char16_t* out = foldedText.data();
    for (const QChar c : text) {
        const char16_t k = keyUnit(c.unicode());
        if (k == notPlain)
            return std::nullopt;
        *out++ = k == blank ? u' ' : k;
    }
    return QStringView(foldedText.constData(), foldedText.size()).contains(word);
}

} // namespace PlainText
