#include "core/model/NumberFormat.h"

#include <QByteArray>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <locale.h>

using namespace Qt::StringLiterals;

namespace {

// The process locale follows the user's (QCoreApplication sets it), so number text is read in the "C"
// locale explicitly.
locale_t cLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return locale;
}

constexpr char16_t noBreakSpace = u'\u00A0';
constexpr char16_t minusSign = u'\u2212';
// Stored and typed numbers are finite; infinity and not-a-number come only from a computation that went
// past the largest number (a sum of huge amounts, a difference of two such sums), and no digits can say
// what it would have been.
constexpr char16_t noValue = u'\u2014';

// The decimal digits of a finite value's magnitude rounded half to even to at most maxFraction digits
// of its shortest decimal form, without trailing zeros: the integer digits, then "." and the fraction
// digits when there are any.
struct Digits {
    std::array<char, 512> buffer;
    const char* intBegin;
    const char* intEnd;
    const char* end;
    bool negative; // of a value that does not round to zero

    qsizetype integerCount() const { return intEnd - intBegin; }
    qsizetype fractionCount() const { return intEnd == end ? 0 : end - intEnd - 1; }
};

void digitsOf(double value, int maxFraction, Digits& digits) {
    // Room for the longest fixed form (the smallest subnormal has over 320 digits), plus a leading digit
    // that takes a carry out of the integer part.
    std::array<char, 512>& buffer = digits.buffer;
    buffer[0] = '0';
    const auto written = std::to_chars(buffer.data() + 1, buffer.data() + buffer.size(), std::fabs(value),
                                       std::chars_format::fixed);
    char* end = written.ptr;
    char* const dot = std::find(buffer.data() + 1, end, '.');

    if (dot != end && end - (dot + 1) > maxFraction) {
        char* const cut = dot + 1 + maxFraction;
        bool up = *cut > '5';
        if (*cut == '5') {
            const bool moreAfter = std::any_of(cut + 1, end, [](char c) { return c != '0'; });
            const char last = maxFraction > 0 ? cut[-1] : dot[-1];
            up = moreAfter || (last - '0') % 2 == 1;
        }
        end = cut;
        if (up) {
            char* p = end - 1;
            for (;; --p) {
                if (*p == '.')
                    continue;
                if (*p != '9') {
                    ++*p;
                    break;
                }
                *p = '0';
            }
        }
    }
    if (dot < end) {
        while (end > dot + 1 && end[-1] == '0')
            --end;
        if (end == dot + 1)
            end = dot;
    }
    const char* intBegin = buffer[0] == '0' ? buffer.data() + 1 : buffer.data();
    const char* intEnd = std::min<const char*>(dot, end);
    const bool isZero = end == intEnd && std::all_of(intBegin, intEnd, [](char c) { return c == '0'; });
    digits.intBegin = intBegin;
    digits.intEnd = intEnd;
    digits.end = end;
    digits.negative = std::signbit(value) && !isZero;
}

// The digits of the value; "-" or the minus sign in front of a value that does not round to zero;
// grouped by three with no-break spaces when asked.
QString formatNumber(double value, int maxFraction, bool display) {
    const QChar minus = display ? QChar(minusSign) : QChar(u'-');
    if (!std::isfinite(value))
        return QString(noValue);
    Digits digits;
    digitsOf(value, maxFraction, digits);
    const char* const intBegin = digits.intBegin;
    const char* const intEnd = digits.intEnd;
    const char* const end = digits.end;
    const bool negative = digits.negative;

    const qsizetype intDigits = digits.integerCount();
    const bool grouped = display && intDigits > 3;
    QString out;
    out.reserve((end - intBegin) + 1 + (grouped ? intDigits / 3 : 0));
    if (negative)
        out += minus;
    for (const char* p = intBegin; p != intEnd; ++p) {
        const qsizetype remaining = intEnd - p;
        if (grouped && p != intBegin && remaining % 3 == 0)
            out += QChar(noBreakSpace);
        out += QLatin1Char(*p);
    }
    if (intEnd != end) {
        out += u',';
        for (const char* p = intEnd + 1; p != end; ++p)
            out += QLatin1Char(*p);
    }
    return out;
}

} // namespace

namespace NumberFormat {

std::optional<double> parse(QStringView text) {
    QByteArray ascii;
    ascii.reserve(text.size());
    for (const QChar c : text) {
        if (c.isSpace())
            continue;
        const char16_t u = c.unicode();
        // Nothing outside ASCII can belong to a number, and a NUL would end the text early.
        if (u == 0 || u > 0x7F)
            return std::nullopt;
        ascii += u == u',' ? '.' : char(u);
    }
    if (ascii.isEmpty())
        return std::nullopt;
    char* end = nullptr;
    const double value = strtod_l(ascii.constData(), &end, cLocale());
    if (end != ascii.constData() + ascii.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString string(std::optional<double> value) {
    if (!value)
        return QString();
    return formatNumber(*value, 2, false);
}

QString display(std::optional<double> value, const QString& unit, int fractionDigits) {
    if (!value)
        return QString();
    QString text = formatNumber(*value, std::clamp(fractionDigits, 0, 15), true);
    if (!unit.isEmpty() && std::isfinite(*value)) {
        text += u' ';
        text += unit;
    }
    return text;
}

QString count(std::int64_t n) {
    return QString::number(n);
}

Layout layout(double value, int fractionDigits) {
    if (!std::isfinite(value))
        return Layout{false, false, 0, 0};
    // Counts are whole and written as they are; converting their digits is what costs.
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        int integers = 1;
        for (double power = 10; std::fabs(value) >= power; power *= 10) // powers of 10 here are exact
            ++integers;
        return Layout{true, value != 0 && std::signbit(value), integers, 0};
    }
    Digits digits;
    digitsOf(value, std::clamp(fractionDigits, 0, 15), digits);
    return Layout{true, digits.negative, int(digits.integerCount()), int(digits.fractionCount())};
}

} // namespace NumberFormat
