#include "core/model/DateFormat.h"

#include "core/model/Ids.h"

#include <QTimeZone>

#include <array>
#include <cstdlib>
#include <limits>
#include <tuple>

using namespace Qt::StringLiterals;

namespace {

// A zone's offset from UTC changes only at its transitions. Asking the zone costs far more than the rest
// of showing a date (Qt reads the zone's rules afresh), so the stretches between two transitions met
// lately are kept, each with its one offset, and an instant inside one of them takes that offset.
class OffsetSpans {
public:
    int offsetAt(const QTimeZone& zone, const QDateTime& instant) {
        const qint64 ms = instant.toMSecsSinceEpoch();
        if (!(zone == m_zone)) {
            m_zone = zone;
            m_spans.clear();
        }
        for (const Span& span : m_spans) {
            if (span.from <= ms && ms < span.to)
                return span.offset;
        }
        const int offset = zone.offsetFromUtc(instant);
        if (const std::optional<Span> span = spanAround(zone, ms, offset)) {
            if (m_spans.size() == maxSpans)
                m_spans.removeFirst();
            m_spans.append(*span);
        }
        return offset;
    }

private:
    struct Span {
        qint64 from, to; // [from, to) in milliseconds since 1970
        int offset;
    };
    static constexpr qsizetype maxSpans = 32;

    // The stretch from the last transition at or before the instant up to the next one after it: no
    // transition lies inside, so the offset is the same throughout. Nothing when the zone names no
    // transition before the instant or disagrees with itself about the offset.
    static std::optional<Span> spanAround(const QTimeZone& zone, qint64 ms, int offset) {
        if (!zone.hasTransitions() || ms == std::numeric_limits<qint64>::max())
            return std::nullopt;
        // Transitions are searched strictly before and strictly after the instant given.
        const QTimeZone::OffsetData before =
            zone.previousTransition(QDateTime::fromMSecsSinceEpoch(ms + 1, Qt::UTC));
        if (!before.atUtc.isValid() || before.offsetFromUtc != offset)
            return std::nullopt;
        const QTimeZone::OffsetData after = zone.nextTransition(QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC));
        const qint64 from = before.atUtc.toMSecsSinceEpoch();
        const qint64 to =
            after.atUtc.isValid() ? after.atUtc.toMSecsSinceEpoch() : std::numeric_limits<qint64>::max();
        if (!(from <= ms && ms < to))
            return std::nullopt;
        return Span{from, to, offset};
    }

    QTimeZone m_zone;
    QList<Span> m_spans;
};

// The calendar day of an instant in a zone, computed from the zone's offset so that no zoned QDateTime
// has to be built (this runs for every date cell shown or searched).
QDate localDay(const QDateTime& instant, const QTimeZone& zone) {
    thread_local OffsetSpans spans;
    const qint64 localMs = instant.toMSecsSinceEpoch() + qint64(spans.offsetAt(zone, instant)) * 1000;
    constexpr qint64 msPerDay = 86'400'000;
    const qint64 days = localMs >= 0 ? localMs / msPerDay : -((-localMs + msPerDay - 1) / msPerDay);
    constexpr qint64 unixEpochJulianDay = 2'440'588;
    return QDate::fromJulianDay(unixEpochJulianDay + days);
}

void putDigits(QChar*& out, int value, int width) {
    for (int i = width - 1; i >= 0; --i) {
        out[i] = QLatin1Char(char('0' + value % 10));
        value /= 10;
    }
    out += width;
}

// Reads a date text against one pattern. Pattern letters: d day and M month (1 or 2 digits), Y a year of
// exactly 4 digits, y a year of exactly 2, H hour (1 or 2), m minute and s second (exactly 2), Z a zone
// ("Z", ±HHMM or ±HH:MM), a blank one or more white space characters; any other character stands for
// itself.
struct DateFields {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    bool twoDigitYear = false;
    std::optional<int> offsetSeconds;
};

class PatternReader {
public:
    explicit PatternReader(QStringView text) : m_text(text) {}

    std::optional<DateFields> read(std::u16string_view pattern) {
        m_pos = 0;
        DateFields f;
        for (const char16_t p : pattern) {
            bool ok = true;
            switch (p) {
            case u'd':
                ok = number(1, 2, f.day);
                break;
            case u'M':
                ok = number(1, 2, f.month);
                break;
            case u'Y':
                ok = number(4, 4, f.year);
                break;
            case u'y':
                ok = number(2, 2, f.year);
                f.twoDigitYear = true;
                break;
            case u'H':
                ok = number(1, 2, f.hour) && f.hour <= 23;
                break;
            case u'm':
                ok = number(2, 2, f.minute) && f.minute <= 59;
                break;
            case u's':
                ok = number(2, 2, f.second) && f.second <= 59;
                break;
            case u'Z':
                ok = zone(f.offsetSeconds);
                break;
            case u' ':
                ok = blanks();
                break;
            default:
                ok = literal(p);
                break;
            }
            if (!ok)
                return std::nullopt;
        }
        if (m_pos != m_text.size())
            return std::nullopt;
        return f;
    }

private:
    bool digitAt(qsizetype i) const {
        return i < m_text.size() && m_text[i].unicode() >= u'0' && m_text[i].unicode() <= u'9';
    }

    bool number(int minDigits, int maxDigits, int& value) {
        value = 0;
        int count = 0;
        while (count < maxDigits && digitAt(m_pos)) {
            value = value * 10 + (m_text[m_pos].unicode() - u'0');
            ++m_pos;
            ++count;
        }
        // A longer run of digits than the field takes is not this pattern.
        return count >= minDigits && !digitAt(m_pos);
    }

    bool literal(char16_t c) {
        if (m_pos >= m_text.size() || m_text[m_pos].unicode() != c)
            return false;
        ++m_pos;
        return true;
    }

    bool blanks() {
        const qsizetype start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos].isSpace())
            ++m_pos;
        return m_pos > start;
    }

    bool zone(std::optional<int>& offsetSeconds) {
        if (literal(u'Z')) {
            offsetSeconds = 0;
            return true;
        }
        int sign = 0;
        if (literal(u'+'))
            sign = 1;
        else if (literal(u'-'))
            sign = -1;
        else
            return false;
        int hours = 0, minutes = 0;
        if (!twoDigits(hours))
            return false;
        literal(u':');
        if (!twoDigits(minutes) || hours > 18 || minutes > 59)
            return false;
        offsetSeconds = sign * (hours * 3600 + minutes * 60);
        return true;
    }

    bool twoDigits(int& value) {
        if (!digitAt(m_pos) || !digitAt(m_pos + 1))
            return false;
        value = (m_text[m_pos].unicode() - u'0') * 10 + (m_text[m_pos + 1].unicode() - u'0');
        m_pos += 2;
        return true;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

// Tried in this order; the first that reads the whole text wins.
constexpr std::array<std::u16string_view, 7> datePatterns{
    u"d.M.Y", u"d.M.y", u"Y-M-d", u"d/M/Y", u"Y-M-dTH:m:sZ", u"Y-M-d H:m:s", u"d.M.Y H:m",
};

// The year of a two-digit year: the one that puts the date in the hundred years starting 80 years
// before today.
int fullYear(const DateFields& f, const QDate& today) {
    const QDate start = today.addYears(-80);
    int year = start.year() - start.year() % 100 + f.year;
    if (std::tuple(year, f.month, f.day) < std::tuple(start.year(), start.month(), start.day()))
        year += 100;
    return year;
}

} // namespace

namespace DateFormat {

const Calendar& defaultCalendar() {
    static const Calendar calendar = Calendar::current();
    return calendar;
}

QString shortText(const QDate& day) {
    if (!day.isValid())
        return QString();
    int year = 0, month = 0, dayOfMonth = 0;
    day.getDate(&year, &month, &dayOfMonth); // one calendar computation instead of three
    const int absYear = std::abs(year);
    int yearWidth = 4;
    for (int rest = absYear / 10'000; rest > 0; rest /= 10)
        ++yearWidth;
    QString out(6 + yearWidth + (year < 0 ? 1 : 0), Qt::Uninitialized);
    QChar* p = out.data();
    putDigits(p, dayOfMonth, 2);
    *p++ = u'.';
    putDigits(p, month, 2);
    *p++ = u'.';
    if (year < 0)
        *p++ = u'-';
    putDigits(p, absYear, yearWidth);
    return out;
}

QString shortText(const QDateTime& instant, const Calendar& calendar) {
    return shortText(day(instant, calendar));
}

QDate day(const QDateTime& instant, const Calendar& calendar) {
    return instant.isValid() ? localDay(instant, calendar.timeZone) : QDate();
}

QString shortText(const QDateTime& instant) {
    return shortText(instant, defaultCalendar());
}

std::optional<QDateTime> parse(QStringView text, const Calendar& calendar, const Clock& clock) {
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    PatternReader reader(trimmed);
    for (const std::u16string_view pattern : datePatterns) {
        std::optional<DateFields> f = reader.read(pattern);
        if (!f)
            continue;
        if (f->twoDigitYear)
            f->year = fullYear(*f, calendar.day(clock ? clock() : systemNow()));
        if (!QDate::isValid(f->year, f->month, f->day))
            continue;
        QDate day(f->year, f->month, f->day);
        if (f->offsetSeconds) {
            // A moment with its own offset: the day on which that moment falls here.
            const QDateTime moment(day, QTime(f->hour, f->minute, f->second), Qt::OffsetFromUTC,
                                   *f->offsetSeconds);
            day = localDay(moment, calendar.timeZone);
        }
        // A day without a first instant (skipped whole by its zone), or one whose first instant lies
        // outside the years the data file can hold, would make every later save fail; a day after the
        // year 9999 would show as a text that no longer reads back.
        const QDateTime start = calendar.startOfDay(day);
        char stored[20];
        if (day.year() > 9999 || calendar.day(start) != day || !writeStoredDate(start, stored))
            return std::nullopt;
        return start;
    }
    return std::nullopt;
}

std::optional<QDateTime> parse(QStringView text) {
    return parse(text, defaultCalendar(), systemNow);
}

} // namespace DateFormat
