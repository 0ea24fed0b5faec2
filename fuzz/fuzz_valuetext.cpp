// Feeds arbitrary text to the link, date and number readers and checks what every caller relies on. The
// quick roads (the comparison key of everyday text, read whole or searched for a word without building it,
// the prefilter that rules texts out before building their key, the day of an instant from a cached zone
// offset, the natural order learnt from the collator's weights) are held to the plain definitions, for each
// input and once, on start, over every unit, every zone transition and texts made to collide.
#include "core/journal/KeyPrefilter.h"
#include "core/journal/NaturalOrder.h"
#include "core/journal/NaturalRanks.h"
#include "core/journal/PlainText.h"
#include "core/journal/TextNormalizer.h"
#include "core/model/DateFormat.h"
#include "core/model/Ids.h"
#include "core/model/LinkTools.h"
#include "core/model/NumberFormat.h"

#include <QRandomGenerator>
#include <QString>
#include <QTextBoundaryFinder>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

// Last: Qt's headers use the name of the macro.
#include "FuzzCheck.h"

using namespace Qt::StringLiterals;

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

bool everyday(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x3100; });
}

// A text whose key equals another's is never ruled out by the other key's prefilter.
void checkPrefilter(const QString& text, const QString& other) {
    const QString key = TextNormalizer::compare(other);
    check(TextNormalizer::compare(text) != key || KeyPrefilter(key).mayMatch(text));
}

void checkDayOf(const Calendar& calendar, const QDateTime& instant) {
    check(DateFormat::shortText(instant, calendar) ==
          DateFormat::shortText(instant.toTimeZone(calendar.timeZone).date()));
}

// Once per run: every unit up to the CJK blocks alone and between letters, blanks, ё and a decomposed
// letter; texts of letters that fold, compose or grow on lower-casing, so that equal keys of unequal texts
// turn up often; every transition of zones with daylight saving, half-hour shifts, changed standard offsets
// and a skipped day, probed in a random order next to each other, then instants spread over the years.
void checkOnce() {
    for (char16_t u = 1; u < 0x3100; ++u) {
        const QString c(QChar{u});
        for (const QString& text : {c, u"Ab"_s + c + u"Ё"_s, u" "_s + c + u" "_s, c + c, u"е\u0308"_s + c})
            check(TextNormalizer::compare(text) == keyByDefinition(text));
    }
    const QStringList alphabet =
        u"a A я Я ё Ё е _ \t 1 и \u0306 \u0308 I \u0130 \u212A k й \u00A0"_s.split(u' ');
    QRandomGenerator random(7);
    const auto draw = [&] {
        QString s;
        for (int n = random.bounded(5); n > 0; --n)
            s += alphabet[random.bounded(alphabet.size())];
        return s.replace(u'_', u' ');
    };
    for (int i = 0; i < 20000; ++i)
        checkPrefilter(draw(), draw());

    std::mt19937_64 rng(7);
    const qint64 first = QDateTime(QDate(1, 1, 2), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    const qint64 last = QDateTime(QDate(9999, 12, 30), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
    QList<std::pair<Calendar, QDateTime>> all;
    for (const char* name : {"Europe/Berlin", "America/Santiago", "Europe/Moscow", "Australia/Lord_Howe",
                             "Pacific/Apia", "America/St_Johns"}) {
        const Calendar calendar{QTimeZone(QByteArray(name))};
        auto transitions = calendar.timeZone.transitions(QDateTime(QDate(1850, 1, 1), QTime(0, 0), Qt::UTC),
                                                         QDateTime(QDate(2100, 1, 1), QTime(0, 0), Qt::UTC));
        std::shuffle(transitions.begin(), transitions.end(), rng);
        for (const auto& t : transitions) {
            QList<QDateTime> near;
            for (const qint64 ms : {-3'600'000, -1, 0, 1, 3'600'000})
                near.append(t.atUtc.addMSecs(ms));
            std::shuffle(near.begin(), near.end(), rng);
            for (const QDateTime& instant : near)
                all.append({calendar, instant});
        }
        for (int i = 0; i < 300; ++i)
            all.append({calendar, QDateTime::fromMSecsSinceEpoch(
                                      first + qint64(rng() % quint64(last - first)), Qt::UTC)});
    }
    for (const auto& [calendar, instant] : all)
        checkDayOf(calendar, instant);
    std::shuffle(all.begin(), all.end(), rng);
    for (const auto& [calendar, instant] : all)
        checkDayOf(calendar, instant);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool checked = (checkOnce(), true);
    (void)checked;
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));

    const QString key = TextNormalizer::compare(text);
    const QString reduced = TextNormalizer::reduced(text);
    if (everyday(text))
        check(key == keyByDefinition(text));
    checkPrefilter(text.left(text.size() / 2), text.mid(text.size() / 2));
    std::vector<char16_t> plainKey(size_t(text.size()));
    if (const qsizetype length = PlainText::writeKey(text, plainKey.data()); length >= 0)
        check(QStringView(plainKey.data(), length) == key);
    if (const QString word = TextNormalizer::compare(text.right(3)).section(u' ', 0, 0); !word.isEmpty()) {
        if (const std::optional<bool> found = PlainText::keyContains(text, word))
            check(*found == key.contains(word));
    }
    {
        const QString left = text.left(text.size() / 2), right = text.mid(text.size() / 2);
        const std::vector<int> ranks = naturalRanks({left, right, text});
        const auto sign = [](int v) { return (v > 0) - (v < 0); };
        check(sign(ranks[0] - ranks[1]) == sign(naturalCompare(left, right)));
        check(sign(ranks[0] - ranks[2]) == sign(naturalCompare(left, text)));
    }
    // Marks and prepended signs may share a character with a blank, which then is no separator; without
    // them a key is trimmed, single-spaced and its own key.
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x300; })) {
        check(TextNormalizer::compare(key) == key);
        check(!key.startsWith(u' ') && !key.endsWith(u' ') && !key.contains(u"  "));
        check(TextNormalizer::reduced(key) == reduced);
        check(!reduced.contains(u' '));
    }

    const QString link = LinkTools::normalized(text);
    check(LinkTools::normalized(link) == link);
    if (const auto url = LinkTools::url(text)) {
        check(url->scheme() == u"http" || url->scheme() == u"https");
        check(url->host().contains(u'.'));
        check(!LinkTools::isInvalid(text));
    }
    if (text.trimmed().isEmpty())
        check(!LinkTools::isInvalid(text));

    static const Calendar calendar{QTimeZone(QByteArrayLiteral("Europe/Berlin"))};
    static const QDateTime now = QDateTime(QDate(2026, 6, 15), QTime(12, 0), Qt::UTC);
    if (size >= 8) {
        // An instant between the years 1 and 9999.
        static const qint64 first = QDateTime(QDate(1, 1, 2), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch();
        static const qint64 span =
            QDateTime(QDate(9999, 12, 30), QTime(0, 0), Qt::UTC).toMSecsSinceEpoch() - first;
        quint64 bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        checkDayOf(calendar, QDateTime::fromMSecsSinceEpoch(first + qint64(bits % quint64(span)), Qt::UTC));
    }
    if (const auto day = DateFormat::parse(text, calendar, [] { return now; })) {
        check(day->isValid());
        check(*day == calendar.startOfDay(*day));
        check(!storedDateText(*day).isEmpty()); // the data file can hold it
        // The short form of a parsed day reads back as the same day.
        check(DateFormat::parse(DateFormat::shortText(*day, calendar), calendar, [] { return now; }) == day);
    }

    if (const auto number = NumberFormat::parse(text)) {
        check(std::isfinite(*number));
        const QString plain = NumberFormat::string(*number);
        const auto again = NumberFormat::parse(plain);
        check(again.has_value());
        // Below 2^46 two-decimal texts name distinct doubles, so the plain form is a fixed point; above it,
        // rounding a value to hundredths may land on a neighbour, but only once.
        if (std::fabs(*number) < 7.0e13)
            check(NumberFormat::string(*again) == plain);
        else
            check(NumberFormat::string(NumberFormat::parse(NumberFormat::string(*again)).value()) ==
                  NumberFormat::string(*again));
        check(!NumberFormat::display(*number, QString(), int(size % 20) - 2).isEmpty());
    }
    return 0;
}
