#include "TestSupport.h"
#include "core/journal/KeyIds.h"
#include "core/journal/NaturalOrder.h"
#include "core/journal/NaturalRanks.h"
#include "core/journal/PlainText.h"
#include "core/journal/TextNormalizer.h"

#include <random>

using namespace Qt::StringLiterals;

namespace {

// Texts drawn from pieces that tie, nearly tie or fall outside everyday text: case, "ё", blanks of several
// kinds, signs, numbers with leading zeros and long runs, composed and decomposed accents, other scripts.
struct Pool {
    const char* what;
    QStringList pieces;
};

const Pool pools[] = {
    {"everyday Russian and English",
     u"а|Б|ё|Е|я|Я|й|и|ъ|a|B|z|Z| |  |-|.|,|№|«|»|—|(|1|2|10|007|0|99|Заказ|заказ"_s.split(u'|')},
    {"signs and blanks only",
     u"!|\"|#|$|%|&|'|(|)|*|+|,|-|.|/|:|;|<|=|>|?|@|[|\\|]|^|_|`|{|}|~| |\u00A0"_s.split(u'|')},
    {"long beginnings in common",
     u"Футболка синяя |Футболка синяя|Футболка Синяя |№ |12|2|заказ|Заказ |ё|е| "_s.split(u'|')},
    {"digit runs", u"0|00|1|01|9|10|0010|123456789012345678901234567890|a|-|.| "_s.split(u'|')},
    {"beyond everyday text",
     u"е\u0308|e\u0301|é|\u0301|İ|ß|Σ|😀|中|\u200B|\u00AD|\t|\u2028|…|½|ǅ|a|A|я|1"_s.split(u'|')},
};

QString draw(const QStringList& pieces, std::mt19937& rng) {
    QString text;
    for (int n = int(rng() % 5); n > 0; --n)
        text += pieces[qsizetype(rng() % pieces.size())];
    return text;
}

int sign(int v) {
    return (v > 0) - (v < 0);
}

} // namespace

// Ranks order every pair of texts as naturalCompare does, ties included.
TEST(NaturalRanks, OrderEveryPairAsTheCollatorDoes) {
    std::mt19937 rng(3);
    for (const Pool& pool : pools) {
        SCOPED_TRACE(pool.what);
        std::vector<QString> texts;
        for (int i = 0; i < 260; ++i)
            texts.push_back(draw(pool.pieces, rng));
        texts.push_back(QString());
        const std::vector<int> ranks = naturalRanks(texts);
        ASSERT_EQ(ranks.size(), texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            for (size_t j = 0; j < texts.size(); ++j) {
                ASSERT_EQ(sign(ranks[i] - ranks[j]), sign(naturalCompare(texts[i], texts[j])))
                    << texts[i].toStdString() << " / " << texts[j].toStdString();
            }
        }
        // Ranks have no gaps.
        const int top = *std::max_element(ranks.begin(), ranks.end());
        std::vector<bool> used(size_t(top) + 1);
        for (int r : ranks)
            used[size_t(r)] = true;
        EXPECT_TRUE(std::all_of(used.begin(), used.end(), [](bool u) { return u; }));
    }
}

// Equal ids exactly for equal comparison keys; a word is found in a text exactly where it is in its key.
TEST(KeyIds, FollowTheComparisonKey) {
    std::mt19937 rng(5);
    for (const Pool& pool : pools) {
        SCOPED_TRACE(pool.what);
        KeyIds ids;
        std::vector<std::pair<QString, int>> seen;
        for (int i = 0; i < 400; ++i) {
            const QString text = draw(pool.pieces, rng);
            const int id = ids.ofText(text);
            const QString key = TextNormalizer::compare(text);
            ASSERT_EQ(ids.key(id), key) << text.toStdString();
            ASSERT_EQ(ids.findKey(key), id);
            EXPECT_EQ(ids.holdsBar(id), key.contains(u'|'));
            for (const auto& [other, otherID] : seen)
                ASSERT_EQ(id == otherID, key == TextNormalizer::compare(other)) << text.toStdString();
            seen.emplace_back(text, id);

            const QString word = TextNormalizer::compare(draw(pool.pieces, rng)).split(u' ').value(0);
            if (word.isEmpty())
                continue;
            std::vector<char16_t> plainKey(size_t(text.size()));
            const qsizetype length = PlainText::writeKey(text, plainKey.data());
            const bool plain = length >= 0;
            if (plain) {
                EXPECT_EQ(QStringView(plainKey.data(), length), key);
            }
            const std::optional<bool> found = PlainText::keyContains(text, word);
            ASSERT_EQ(found.has_value(), plain);
            if (found) {
                ASSERT_EQ(*found, key.contains(word)) << text.toStdString() << " / " << word.toStdString();
            }
        }
        EXPECT_EQ(ids.findKey(u"ключ, которого нет"_s), -1);
    }
}

// Keys of many texts at once get exactly the ids they get one by one, new keys and known ones alike.
TEST(KeyIds, GiveManyTextsTheIdsOfOneByOne) {
    std::mt19937 rng(9);
    for (const Pool& pool : pools) {
        SCOPED_TRACE(pool.what);
        KeyIds together, oneByOne;
        for (const size_t batch : {size_t(1), size_t(7), size_t(200)}) {
            std::vector<QString> texts;
            for (size_t i = 0; i < batch; ++i)
                texts.push_back(draw(pool.pieces, rng));
            std::vector<const QString*> given;
            for (const QString& text : texts)
                given.push_back(&text);
            const std::vector<int> ids = together.ofTexts(given);
            ASSERT_EQ(ids.size(), batch);
            for (size_t i = 0; i < batch; ++i)
                ASSERT_EQ(ids[i], oneByOne.ofText(texts[i])) << texts[i].toStdString();
        }
    }
}
