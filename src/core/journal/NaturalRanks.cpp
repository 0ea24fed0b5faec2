#include "core/journal/NaturalRanks.h"

#include "core/journal/NaturalOrder.h"

#include <QList>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// The collation compares texts by the primary weights of their characters first (letter case and "ё"
// against "е" count only where those are all equal), and a run of digits weighs as its number. So a text
// made only of characters that each weigh one primary weight of their own orders against another such
// text by the sequence of those weights, and only texts whose sequences are equal need the collator.
// Which characters qualify, and their weights, are learnt from the collator itself: single characters
// sorted by it, neighbours with an equal first weight told apart by a second character.

// Blanks, the ASCII signs and letters, Cyrillic letters, and the signs most often typed in Russian text.
QString candidates() {
    QString chars;
    for (char16_t u = 0x20; u < 0x7F; ++u) {
        if (u < u'0' || u > u'9')
            chars += QChar(u);
    }
    for (char16_t u = 0x410; u < 0x450; ++u)
        chars += QChar(u);
    for (const char16_t u :
         {u'\u00A0', u'\u00AB', u'\u00BB', u'\u0401', u'\u0451', u'\u2013', u'\u2014', u'\u2026', u'\u2116'})
        chars += QChar(u);
    return chars;
}

// A run of digits at the start of a text stands for all runs of digits.
const QString digitRun = u"0"_s;

// Signs that the collation reads as the letters or signs they stand for: "№" as "No", "…" as "...".
const std::pair<char16_t, QString> expansions[] = {{u'\u2116', u"No"_s}, {u'\u2026', u"..."_s}};

class PrimaryWeights {
public:
    PrimaryWeights() {
        QString chars = candidates();
        // A character that disagrees with the collator in any probe is left to the collator.
        for (int attempt = 0; attempt < 16; ++attempt) {
            learn(chars);
            const QString rejected = disagreements();
            if (rejected.isEmpty())
                return;
            chars.removeIf([&](QChar c) { return rejected.contains(c); });
        }
        learn(QString()); // the collator orders every text
        m_digits = 0;
    }

    // Appends the weights of the text to out and returns true; false when a character of the text has no
    // learnt weight. A run of digits weighs: the digit group, the count of its digits without leading
    // zeros, then each of those digits.
    bool append(QStringView text, std::vector<uint8_t>& out) const {
        const qsizetype n = text.size();
        for (qsizetype i = 0; i < n; ++i) {
            const char16_t u = text[i].unicode();
            if (u >= u'0' && u <= u'9') {
                if (!m_digits)
                    return false;
                qsizetype first = i;
                while (first < n && text[first].unicode() == u'0')
                    ++first;
                qsizetype end = first;
                while (end < n && text[end].unicode() >= u'0' && text[end].unicode() <= u'9')
                    ++end;
                if (first == end) // all zeros: the number 0
                    first = end - 1;
                // The collation splits longer runs; those texts are left to it.
                if (end - first > 254)
                    return false;
                out.push_back(m_digits);
                out.push_back(uint8_t(end - first));
                for (qsizetype d = first; d < end; ++d)
                    out.push_back(uint8_t(text[d].unicode() - u'0' + 1));
                i = end - 1;
                continue;
            }
            if (const QString* as = expansion(u)) {
                if (!append(*as, out))
                    return false;
                continue;
            }
            const uint8_t w = weight(u);
            if (!w)
                return false;
            out.push_back(w);
        }
        return true;
    }

private:
    const QString* expansion(char16_t u) const {
        for (const auto& [unit, as] : m_expansions) {
            if (unit == u)
                return &as;
        }
        return nullptr;
    }

    uint8_t weight(char16_t u) const {
        if (u < m_low.size())
            return m_low[u];
        for (const auto& [unit, w] : m_high) {
            if (unit == u)
                return w;
        }
        return 0;
    }

    // Weights for the characters, in the collator's order: equal where the first weights are equal.
    void learn(const QString& chars) {
        m_low.fill(0);
        m_high.clear();
        m_digits = 0;
        m_order.clear();
        m_expansions.clear();
        for (const QChar c : chars) {
            if (std::none_of(std::begin(expansions), std::end(expansions),
                             [&](const auto& e) { return e.first == c.unicode(); }))
                m_order.append(QString(c));
        }
        m_order.append(digitRun);
        std::stable_sort(m_order.begin(), m_order.end(),
                         [](const QString& a, const QString& b) { return naturalCompare(a, b) < 0; });
        uint8_t w = 0; // one weight at most per candidate: they fit a byte
        for (qsizetype i = 0; i < m_order.size(); ++i) {
            const QString& c = m_order[i];
            // Equal first weights: the second character decides, against the order of the first ones.
            if (i == 0 || naturalCompare(m_order[i - 1] + u'b', c + u'a') < 0)
                ++w;
            if (c == digitRun)
                m_digits = w;
            else if (c[0].unicode() < m_low.size())
                m_low[c[0].unicode()] = w;
            else
                m_high.append({c[0].unicode(), w});
        }
        for (const auto& [unit, as] : expansions) {
            const QString sign(QChar{unit});
            if (chars.contains(sign) && naturalCompare(sign, as) == 0 &&
                naturalCompare(u"a"_s + sign + u"b"_s, u"a"_s + as + u"b"_s) == 0)
                m_expansions.append({unit, as});
        }
    }

    // The sign of comparing a with b by weights; nothing when they weigh the same or either has a
    // character without a weight.
    std::optional<int> byWeights(const QString& a, const QString& b) const {
        std::vector<uint8_t> wa, wb;
        if (!append(a, wa) || !append(b, wb) || wa == wb)
            return std::nullopt;
        return std::lexicographical_compare(wa.begin(), wa.end(), wb.begin(), wb.end()) ? -1 : 1;
    }

    // The characters of the probes on which the weights and the collator disagree: each neighbour pair
    // of the learnt order followed by letters from both ends of the alphabets, digit runs against their
    // neighbours, and blanks and signs inside words.
    QString disagreements() const {
        const auto sign = [](int v) { return (v > 0) - (v < 0); };
        QString rejected;
        const auto probe = [&](const QString& a, const QString& b, const QString& blame) {
            const std::optional<int> model = byWeights(a, b);
            if (model && *model != sign(naturalCompare(a, b)))
                rejected += blame;
        };
        const QStringList ends{u"a"_s, u"z"_s, u"а"_s, u"я"_s, u"0"_s, u" "_s};
        for (qsizetype i = 1; i < m_order.size(); ++i) {
            const QString& x = m_order[i - 1];
            const QString& y = m_order[i];
            // A letter next to a sign that disagrees is not to blame.
            const auto suspect = [](const QString& c) { return c != digitRun && !c[0].isLetter(); };
            QString blame;
            for (const QString& c : {x, y}) {
                if (c != digitRun && (suspect(c) == (suspect(x) || suspect(y))))
                    blame += c;
            }
            for (const QString& s : ends) {
                for (const QString& t : ends) {
                    probe(x + s, y + t, blame);
                    probe(y + s, x + t, blame);
                    if (x == digitRun)
                        probe(u"9999"_s + s, y + t, blame);
                    if (y == digitRun)
                        probe(x + s, u"9999"_s + t, blame);
                }
            }
        }
        const std::pair<QString, QString> fixed[] = {
            {u"a"_s, u"a a"_s},   {u"a b"_s, u"ab"_s}, {u"a-b"_s, u"ab"_s},
            {u"a1"_s, u"a 1"_s},  {u"2"_s, u"10"_s},   {u"a2b"_s, u"a10a"_s},
            {u"x9"_s, u"x10"_s},  {u"01"_s, u"2"_s},   {u"заказ 2"_s, u"Заказ 10"_s},
            {u"ёж"_s, u"елка"_s}, {u"é"_s, u"e"_s}};
        for (const auto& [unit, as] : m_expansions) {
            const QString sign(QChar{unit});
            for (const auto& [a, b] : {std::pair{sign + u" 1"_s, as + u" 2"_s},
                                       {sign + u"a"_s, u"nz"_s},
                                       {u"Заказ "_s + sign + u" 5"_s, u"Заказ "_s + sign + u"10"_s},
                                       {sign, as.left(1)},
                                       {sign + u"я"_s, as + u"а"_s}}) {
                probe(a, b, sign);
                probe(b, a, sign);
            }
        }
        for (const auto& [a, b] : fixed) {
            probe(a, b, a + b);
            probe(b, a, a + b);
        }
        return rejected;
    }

    std::array<uint8_t, 0x460> m_low{};
    QList<std::pair<char16_t, QString>> m_expansions;
    QList<std::pair<char16_t, uint8_t>> m_high;
    uint8_t m_digits = 0;
    QStringList m_order;
};

// Learnt once per thread, as the collator it asks is made once per thread.
const PrimaryWeights& primaryWeights() {
    thread_local const PrimaryWeights weights;
    return weights;
}

struct Weighed {
    uint64_t prefix; // the first eight weights, 0 past the end
    uint32_t offset; // where the weights start in the arena
    uint32_t length;
    int index; // the text's position
};

int compareWeights(const Weighed& a, const Weighed& b, const std::vector<uint8_t>& arena) {
    if (a.prefix != b.prefix)
        return a.prefix < b.prefix ? -1 : 1;
    const uint32_t common = std::min(a.length, b.length);
    if (common > 8) {
        if (const int c = std::memcmp(arena.data() + a.offset + 8, arena.data() + b.offset + 8, common - 8))
            return c;
    }
    return a.length == b.length ? 0 : a.length < b.length ? -1 : 1;
}

// Eight weights from the depth-th eight on, as one number in their order; 0 past the end.
uint64_t eightAt(const Weighed& w, uint32_t depth, const std::vector<uint8_t>& arena) {
    uint64_t eight = 0;
    const uint32_t start = depth * 8;
    for (uint32_t k = start; k < start + 8; ++k)
        eight = (eight << 8) | (k < w.length ? arena[w.offset + k] : 0);
    return eight;
}

// Sorts [first, last), whose weights agree before the depth-th eight, eight weights at a time: runs that
// agree on these eight are sorted by the next ones, so most comparisons are of whole numbers at hand.
// Texts whose weights all agree are ordered by `tie`.
template <typename Tie>
void sortByWeights(std::vector<Weighed>::iterator first, std::vector<Weighed>::iterator last, uint32_t depth,
                   const std::vector<uint8_t>& arena, const Tie& tie) {
    if (last - first < 2)
        return;
    std::vector<std::pair<uint64_t, Weighed>> keyed;
    keyed.reserve(size_t(last - first));
    for (auto it = first; it != last; ++it)
        keyed.emplace_back(eightAt(*it, depth, arena), *it);
    std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        first[qsizetype(i)] = keyed[i].second;
    for (size_t begin = 0; begin < keyed.size();) {
        size_t end = begin + 1;
        while (end < keyed.size() && keyed[end].first == keyed[begin].first)
            ++end;
        if (end - begin > 1) {
            // Weights never are 0: a 0 in the last place means every text of the run ended here.
            if ((keyed[begin].first & 0xFF) == 0)
                std::sort(first + qsizetype(begin), first + qsizetype(end), tie);
            else
                sortByWeights(first + qsizetype(begin), first + qsizetype(end), depth + 1, arena, tie);
        }
        begin = end;
    }
}

} // namespace

std::vector<int> naturalRanks(const std::vector<QString>& texts) {
    const PrimaryWeights& weights = primaryWeights();
    std::vector<uint8_t> arena;
    arena.reserve(texts.size() * 24);
    std::vector<Weighed> weighed;
    weighed.reserve(texts.size());
    std::vector<int> others;
    for (size_t i = 0; i < texts.size(); ++i) {
        // The texts lie apart in memory: asking for those a little ahead keeps the reading from waiting.
        if (i + 16 < texts.size())
            __builtin_prefetch(texts[i + 16].constData());
        const size_t offset = arena.size();
        if (!weights.append(texts[i], arena)) {
            arena.resize(offset);
            others.push_back(int(i));
            continue;
        }
        const uint32_t length = uint32_t(arena.size() - offset);
        uint64_t prefix = 0;
        for (uint32_t k = 0; k < 8; ++k)
            prefix = (prefix << 8) | (k < length ? arena[offset + k] : 0);
        weighed.push_back(Weighed{prefix, uint32_t(offset), length, int(i)});
    }

    // Texts of equal weights differ at most in case and accents: the collator decides between them.
    const auto compare = [&](const Weighed& a, const Weighed& b) {
        const int byWeights = compareWeights(a, b, arena);
        return byWeights ? byWeights : naturalCompare(texts[size_t(a.index)], texts[size_t(b.index)]);
    };
    sortByWeights(weighed.begin(), weighed.end(), 0, arena, [&](const Weighed& a, const Weighed& b) {
        return naturalCompare(texts[size_t(a.index)], texts[size_t(b.index)]) < 0;
    });

    // The other texts by their collation keys, then each put in its place among the weighed ones.
    std::vector<NaturalSortKey> keys;
    keys.reserve(others.size());
    for (int i : others)
        keys.emplace_back(texts[size_t(i)]);
    std::vector<int> byKey(others.size());
    std::iota(byKey.begin(), byKey.end(), 0);
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });

    // The merged order: positions in `weighed`, or for the other texts -1 - the text's position.
    std::vector<int> order;
    order.reserve(texts.size());
    size_t next = 0;
    for (int k : byKey) {
        const QString& text = texts[size_t(others[size_t(k)])];
        const auto place = std::upper_bound(weighed.begin() + qsizetype(next), weighed.end(), text,
                                            [&](const QString& t, const Weighed& w) {
                                                return naturalCompare(t, texts[size_t(w.index)]) < 0;
                                            });
        for (const size_t end = size_t(place - weighed.begin()); next < end; ++next)
            order.push_back(int(next));
        order.push_back(-1 - int(others[size_t(k)]));
    }
    for (; next < weighed.size(); ++next)
        order.push_back(int(next));

    const auto textAt = [&](int entry) -> const QString& {
        return texts[size_t(entry >= 0 ? weighed[size_t(entry)].index : -1 - entry)];
    };
    std::vector<int> ranks(texts.size());
    int rank = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        const int entry = order[i];
        bool same = false;
        if (i > 0) {
            const int previous = order[i - 1];
            same = previous >= 0 && entry >= 0
                       ? compare(weighed[size_t(previous)], weighed[size_t(entry)]) == 0
                       : naturalCompare(textAt(previous), textAt(entry)) == 0;
        }
        if (!same)
            ++rank;
        ranks[size_t(entry >= 0 ? weighed[size_t(entry)].index : -1 - entry)] = rank;
    }
    return ranks;
}
