#include "TextNormalizer.h"
#include "TestSupport.h"

using namespace Qt::StringLiterals;

TEST(TextNormalizer, CompareKeys) {
    const struct {
        QString in, key;
    } cases[] = {
        {u"  Ёлки\t\tЗЕЛЁНЫЕ \n"_s, u"елки зеленые"_s},
        {u"Заказ  №5"_s, u"заказ №5"_s},
        {u"Зелёный"_s, u"зеленый"_s},
        {u" зеленый "_s, u"зеленый"_s},
        {u"Зеленый!"_s, u"зеленый!"_s},
        {u"Ёж  ЕЖ"_s, u"еж еж"_s},
        {u"a\u00A0b"_s, u"a b"_s},
        {u"a\u202F\u3000b"_s, u"a b"_s},
        {u"a\u200Bb"_s, u"a\u200Bb"_s},
        {u"a\uFEFF"_s, u"a\uFEFF"_s},
        {u"й Й"_s, u"й й"_s},
        {u"Crème"_s, u"crème"_s},
        {u"a\r\nb\u2028c\u0085d"_s, u"a b c d"_s},
        {u""_s, u""_s},
        {u" \n\t"_s, u""_s},
        {u"abc"_s, u"abc"_s},
        // Decomposed letters compose: е + diaeresis is ё, then е.
        {u"Е\u0308ж"_s, u"еж"_s},
        {u"cre\u0300me"_s, u"crème"_s},
        // A mark after a blank belongs to the blank's character and goes with it; after a tab it stands
        // alone.
        {u"a \u0301b"_s, u"a b"_s},
        {u"a\t\u0301b"_s, u"a \u0301b"_s},
        {u"ж\u0301 ё"_s, u"ж\u0301 е"_s},
        {u"ё\u0300"_s, u"\u0450"_s},
        // Supplementary characters stay whole.
        {u"😀  😀"_s, u"😀 😀"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextNormalizer::compare(c.in), c.key) << c.in.toStdString();
}

TEST(TextNormalizer, ReducedKeys) {
    const struct {
        QString in, key;
    } cases[] = {
        {u"Да!"_s, u"да"_s},
        {u"TRUE"_s, u"true"_s},
        {u"да да"_s, u"дада"_s},
        {u"1.0"_s, u"10"_s},
        {u"✓"_s, u""_s},
        {u"Ё-моё"_s, u"емое"_s},
        {u"Сумма, ₽"_s, u"сумма"_s},
        {u"ж\u0301 "_s, u"ж\u0301"_s},
        {u"№ 5"_s, u"5"_s},
    };
    for (const auto& c : cases)
        EXPECT_EQ(TextNormalizer::reduced(c.in), c.key) << c.in.toStdString();
}
