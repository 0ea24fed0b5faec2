#include "core/journal/TextNormalizer.h"

#include "core/journal/PlainText.h"

#include <QTextBoundaryFinder>

#include <algorithm>
#include <optional>

// Keys are built for every cell on every search keystroke, so the common case (no combining marks next to
// white space) runs as one pass over UTF-16 units, in place, without allocating when nothing changes.
// Texts where grapheme clusters could join white space to its neighbours take the exact walk over clusters.

namespace {

using PlainText::ye;
using PlainText::yo;

// White space that is a control for grapheme clustering: nothing ever joins it.
bool isControlSpace(char16_t u) {
    return (u >= 0x09 && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

// Units that can extend the cluster before them: marks, joiners, the half-width sound marks, the Thai and
// Lao vowels that cluster as spacing marks, and any supplementary code point (emoji modifiers, tags, marks
// outside the basic plane).
bool mayExtend(char16_t u) {
    if (QChar::isHighSurrogate(u) || u == 0x200C || u == 0x200D || u == 0xFF9E || u == 0xFF9F ||
        u == 0x0E33 || u == 0x0EB3)
        return true;
    const QChar::Category c = QChar::category(char32_t(u));
    return c == QChar::Mark_NonSpacing || c == QChar::Mark_SpacingCombining || c == QChar::Mark_Enclosing;
}

// Units that can begin a cluster which takes the next character in (prepended concatenation marks), and
// low surrogates, which end a supplementary code point that may be one.
bool mayPrepend(char16_t u) {
    return (u >= 0x0600 && u <= 0x0605) || u == 0x06DD || u == 0x070F || u == 0x0890 || u == 0x0891 ||
           u == 0x08E2 || u == 0x0D4E || QChar::isLowSurrogate(u);
}

// True when some white space could share a cluster with a neighbour, so units alone cannot tell the
// separators.
bool spaceMayJoin(const QString& s) {
    const QChar* d = s.constData();
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = d[i].unicode();
        if (!d[i].isSpace() || isControlSpace(u))
            continue;
        if ((i + 1 < n && mayExtend(d[i + 1].unicode())) || (i > 0 && mayPrepend(d[i - 1].unicode())))
            return true;
    }
    return false;
}

bool mayJoinAnywhere(const QString& s) {
    for (const QChar c : s) {
        if (mayExtend(c.unicode()) || mayPrepend(c.unicode()))
            return true;
    }
    return false;
}

char32_t firstCodePoint(QStringView cluster) {
    if (cluster.size() >= 2 && cluster[0].isHighSurrogate() && cluster[1].isLowSurrogate())
        return QChar::surrogateToUcs4(cluster[0], cluster[1]);
    return cluster[0].unicode();
}

// Calls f(cluster, first code point) for each grapheme cluster of the text, in order.
template <typename F> void forEachCluster(const QString& s, F&& f) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, s);
    qsizetype start = 0;
    while (start < s.size()) {
        qsizetype end = finder.toNextBoundary();
        if (end <= start)
            end = s.size();
        const QStringView cluster = QStringView(s).sliced(start, end - start);
        f(cluster, firstCodePoint(cluster));
        start = end;
    }
}

QString collapseByClusters(const QString& s) {
    QString out;
    out.reserve(s.size());
    bool pendingBlank = false;
    forEachCluster(s, [&](QStringView cluster, char32_t first) {
        if (QChar::isSpace(first)) {
            pendingBlank = !out.isEmpty();
            return;
        }
        if (pendingBlank)
            out += u' ';
        pendingBlank = false;
        for (const QChar c : cluster)
            out += c.unicode() == yo ? QChar(ye) : c;
    });
    return out;
}

// ё → е and white space runs → one blank, trimmed, in place; s is detached only when something changes.
void collapseUnits(QString& s) {
    const qsizetype n = s.size();
    const QChar* r = s.constData();
    qsizetype firstChange = -1;
    for (qsizetype i = 0; i < n && firstChange < 0; ++i) {
        const char16_t u = r[i].unicode();
        if (u == yo)
            firstChange = i;
        else if (r[i].isSpace() && (u != u' ' || i == 0 || i + 1 == n || r[i + 1].isSpace()))
            firstChange = i;
    }
    if (firstChange < 0)
        return;
    QChar* w = s.data() + firstChange;
    const QChar* const begin = s.constData();
    const QChar* p = begin + firstChange;
    const QChar* const end = begin + n;
    bool pendingBlank = false;
    for (; p != end; ++p) {
        if (p->isSpace()) {
            pendingBlank = w != begin;
            continue;
        }
        if (pendingBlank)
            *w++ = u' ';
        pendingBlank = false;
        *w++ = p->unicode() == yo ? QChar(ye) : *p;
    }
    s.truncate(w - begin);
}

// The key of a text of plain units, or nothing when the text holds any other unit. A text that is its own
// key is returned shared, without a copy.
std::optional<QString> plainKey(const QString& text) {
    const QChar* const in = text.constData();
    const qsizetype n = text.size();
    // The leading units that the key keeps as they are: no capitals, no ё, no white space apart from
    // single blanks between other units.
    qsizetype same = 0;
    for (; same < n; ++same) {
        const char16_t u = in[same].unicode();
        const char16_t lower = PlainText::lower(u);
        if (lower == PlainText::notPlain)
            return std::nullopt;
        if (lower != u || u == yo)
            break;
        if (PlainText::isSpace(u) &&
            (u != u' ' || same == 0 || same + 1 == n || PlainText::isSpace(in[same + 1].unicode())))
            break;
    }
    if (same == n)
        return text;
    QString key(n, Qt::Uninitialized); // a key is never longer than its text
    QChar* const out = key.data();
    std::copy(in, in + same, out);
    qsizetype written = same;
    bool pendingBlank = false;
    for (qsizetype i = same; i < n; ++i) {
        const char16_t u = in[i].unicode();
        const char16_t lower = PlainText::lower(u);
        if (lower == PlainText::notPlain)
            return std::nullopt;
        if (PlainText::isSpace(u)) {
            pendingBlank = written > 0;
            continue;
        }
        if (pendingBlank)
            out[written++] = u' ';
        pendingBlank = false;
        out[written++] = lower == yo ? ye : lower;
    }
    key.truncate(written);
    return key;
}

} // namespace

namespace TextNormalizer {

QString compare(const QString& text) {
    if (std::optional<QString> key = plainKey(text))
        return *std::move(key);
    QString key = text.toLower().normalized(QString::NormalizationForm_C);
    const bool hasYo = key.contains(QChar(yo));
    if (spaceMayJoin(key))
        key = collapseByClusters(key);
    else
        collapseUnits(key);
    // е may compose with a mark that followed ё (е + grave is ѐ), so the key is composed again.
    if (hasYo)
        key = key.normalized(QString::NormalizationForm_C);
    return key;
}

QString reduced(const QString& text) {
    const QString key = compare(text);
    QString out;
    out.reserve(key.size());
    if (mayJoinAnywhere(key)) {
        forEachCluster(key, [&](QStringView cluster, char32_t first) {
            if (QChar::isLetterOrNumber(first))
                out += cluster;
        });
    } else {
        for (const QChar c : key) {
            if (c.isLetterOrNumber())
                out += c;
        }
    }
    return out;
}

} // namespace TextNormalizer
