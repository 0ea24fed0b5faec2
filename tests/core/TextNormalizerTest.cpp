#include "journal/TextNormalizer.h"
#include "TestSupport.h"

#include <QTextBoundaryFinder>

using namespace Qt::StringLiterals;

TEST(TextNormalizer, CompareAndReducedKeys) {
    const struct {
        QString in, key, reduced;
    } cases[] = {{u"  Ёлки\t\tЗЕЛЁНЫЕ \n"_s, u"елки зеленые"_s, u"елкизеленые"_s},
                 {u"Заказ  №5"_s, u"заказ №5"_s, u"заказ5"_s},
                 {u"a\u00A0b\u202F\u3000c"_s, u"a b c"_s, u"abc"_s},
                 {u"a\r\nb\u2028c\u0085d"_s, u"a b c d"_s, u"abcd"_s},
                 {u"a\u200Bb\uFEFF"_s, u"a\u200Bb\uFEFF"_s, u"ab"_s}, // not white space
                 // Decomposed letters compose: е + diaeresis is ё, hence е.
                 {u"Е\u0308ж cre\u0300me"_s, u"еж crème"_s, u"ежcrème"_s},
                 // A mark after a blank belongs to the blank's character and goes with it; after a tab
                 // (a control, which nothing joins) it stands alone and stays.
                 {u"a \u0301b"_s, u"a b"_s, u"ab"_s},
                 {u"a\t\u0301b"_s, u"a \u0301b"_s, u"ab"_s},
                 {u"😀  𝟏"_s, u"😀 𝟏"_s, u"𝟏"_s}};
    for (const auto& c : cases) {
        EXPECT_EQ(TextNormalizer::compare(c.in), c.key) << c.in.toStdString();
        EXPECT_EQ(TextNormalizer::reduced(c.in), c.reduced) << c.in.toStdString();
    }
}

namespace {

// The comparison key straight from its definition: lower case, composed, split into characters, ё read
// as е inside the characters that are not white space, joined by single blanks, composed again.
QString keyByDefinition(const QString& text) {
    const QString s = text.toLower().normalized(QString::NormalizationForm_C);
    QStringList words{QString()};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s);
    for (qsizetype start = 0, end = 0; start < s.size(); start = end) {
        end = finder.toNextBoundary();
        const QString character = s.sliced(start, end - start);
        if (QChar::isSpace(character.toUcs4().first())) {
            if (!words.last().isEmpty())
                words.append(QString());
        } else {
            words.last() += QString(character).replace(u'ё', u'е');
        }
    }
    if (words.last().isEmpty())
        words.removeLast();
    return words.join(u' ').normalized(QString::NormalizationForm_C);
}

} // namespace

TEST(TextNormalizer, KeysMatchTheirDefinitionForEveryUnit) {
    // Every unit up to the CJK blocks, alone and between letters, blanks, ё and a decomposed letter; the
    // everyday blocks take a quicker road than the rest, and both must agree with the definition.
    for (char16_t u = 1; u < 0x3100; ++u) {
        const QString c(QChar{u});
        for (const QString& text : {c, u"Ab"_s + c + u"Ё"_s, u" "_s + c + u" "_s, c + c, u"е\u0308"_s + c}) {
            ASSERT_EQ(TextNormalizer::compare(text), keyByDefinition(text)) << std::hex << int(u);
        }
    }
}
