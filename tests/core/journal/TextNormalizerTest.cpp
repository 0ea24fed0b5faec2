#include "core/journal/TextNormalizer.h"
#include "TestSupport.h"

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
