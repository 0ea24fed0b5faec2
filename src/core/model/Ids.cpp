#include "core/model/Ids.h"

#include <QTimeZone>

namespace {

// One code unit of either text form: UTF-16 (QStringView) or UTF-8 bytes. Only ASCII matters to the
// readers below, so any non-ASCII unit simply fails to match.
char16_t unitAt(QStringView text, qsizetype i) {
    return text[i].unicode();
}
char16_t unitAt(std::string_view text, qsizetype i) {
    return static_cast<unsigned char>(text[i]);
}

int hexValue(char16_t u) {
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isHyphenPosition(qsizetype i) {
    return i == 8 || i == 13 || i == 18 || i == 23;
}

// Reads exactly `count` ASCII digits at `pos`; -1 when any is not a digit.
template <typename Text> int digits(Text text, qsizetype pos, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t u = unitAt(text, pos + i);
        if (u < u'0' || u > u'9')
            return -1;
        value = value * 10 + (u - u'0');
    }
    return value;
}

template <typename Text> std::optional<QUuid> parseIdText(Text text) {
    if (qsizetype(text.size()) != 36)
        return std::nullopt;
    unsigned char raw[16] = {};
    int nibble = 0; // counts hex digits: two per byte, high half first
    for (qsizetype i = 0; i < 36; ++i) {
        const char16_t u = unitAt(text, i);
        if (isHyphenPosition(i)) {
            if (u != u'-')
                return std::nullopt;
            continue;
        }
        const int v = hexValue(u);
        if (v < 0)
            return std::nullopt;
        raw[nibble / 2] |= static_cast<unsigned char>(nibble % 2 == 0 ? v << 4 : v);
        ++nibble;
    }
    return QUuid(uint(raw[0]) << 24 | uint(raw[1]) << 16 | uint(raw[2]) << 8 | raw[3],
                 ushort(raw[4] << 8 | raw[5]), ushort(raw[6] << 8 | raw[7]), raw[8], raw[9], raw[10], raw[11],
                 raw[12], raw[13], raw[14], raw[15]);
}

// Days since 1970-01-01 of a proleptic Gregorian date (valid for every year the stored form holds).
qint64 daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const qint64 era = (y >= 0 ? y : y - 399) / 400;
    const qint64 yoe = y - era * 400;
    const qint64 doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const qint64 doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    qint64 year;
    int month, day;
};

Civil civilFromDays(qint64 z) {
    z += 719468;
    const qint64 era = (z >= 0 ? z : z - 146096) / 146097;
    const qint64 doe = z - era * 146097;
    const qint64 yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const qint64 doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const qint64 mp = (5 * doy + 2) / 153;
    const int day = int(doy - (153 * mp + 2) / 5 + 1);
    const int month = int(mp < 10 ? mp + 3 : mp - 9);
    return Civil{yoe + era * 400 + (month <= 2), month, day};
}

const qint64 firstStoredSecond = daysFromCivil(1, 1, 1) * 86400;
const qint64 lastStoredSecond = daysFromCivil(9999, 12, 31) * 86400 + 86399;

template <typename Text> std::optional<QDateTime> parseStoredDateText(Text text) {
    // YYYY-MM-DDTHH:MM:SS is 19 characters, then "Z" (20) or "+HH:MM" (25).
    const qsizetype size = qsizetype(text.size());
    if (size != 20 && size != 25)
        return std::nullopt;
    if (unitAt(text, 4) != u'-' || unitAt(text, 7) != u'-' || unitAt(text, 10) != u'T' ||
        unitAt(text, 13) != u':' || unitAt(text, 16) != u':')
        return std::nullopt;
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2), second = digits(text, 17, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    if (!QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    qint64 offsetSeconds = 0;
    if (size == 20) {
        if (unitAt(text, 19) != u'Z')
            return std::nullopt;
    } else {
        const char16_t sign = unitAt(text, 19);
        if ((sign != u'+' && sign != u'-') || unitAt(text, 22) != u':')
            return std::nullopt;
        const int oh = digits(text, 20, 2), om = digits(text, 23, 2);
        if (oh < 0 || om < 0 || om > 59 || oh * 60 + om > 18 * 60)
            return std::nullopt;
        offsetSeconds = (oh * 3600 + om * 60) * (sign == u'-' ? -1 : 1);
    }
    const qint64 seconds =
        daysFromCivil(year, month, day) * 86400 + hour * 3600 + minute * 60 + second - offsetSeconds;
    // An offset can push the instant out of the years 1-9999, which the stored form could not write back.
    if (seconds < firstStoredSecond || seconds > lastStoredSecond)
        return std::nullopt;
    return QDateTime::fromMSecsSinceEpoch(seconds * 1000, Qt::UTC);
}

void twoDigits(char* out, int value) {
    out[0] = char('0' + value / 10);
    out[1] = char('0' + value % 10);
}

} // namespace

QString idText(const QUuid& id) {
    char text[36];
    writeIdText(id, text);
    return QString::fromLatin1(text, 36);
}

void writeIdText(const QUuid& id, char* out) {
    static constexpr char hex[] = "0123456789ABCDEF";
    const unsigned char bytes[16] = {
        uchar(id.data1 >> 24), uchar(id.data1 >> 16), uchar(id.data1 >> 8), uchar(id.data1),
        uchar(id.data2 >> 8),  uchar(id.data2),       uchar(id.data3 >> 8), uchar(id.data3),
        id.data4[0],           id.data4[1],           id.data4[2],          id.data4[3],
        id.data4[4],           id.data4[5],           id.data4[6],          id.data4[7]};
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            *out++ = '-';
        *out++ = hex[bytes[i] >> 4];
        *out++ = hex[bytes[i] & 0xF];
    }
}

std::optional<QUuid> parseId(QStringView text) {
    return parseIdText(text);
}
std::optional<QUuid> parseIdUtf8(std::string_view text) {
    return parseIdText(text);
}

std::optional<QDateTime> parseStoredDate(QStringView text) {
    return parseStoredDateText(text);
}
std::optional<QDateTime> parseStoredDateUtf8(std::string_view text) {
    return parseStoredDateText(text);
}

bool writeStoredDate(const QDateTime& date, char* out) {
    if (!date.isValid())
        return false;
    // Truncated like wholeSeconds(), so a written date reads back as exactly that.
    const qint64 seconds = date.toSecsSinceEpoch();
    const qint64 days = seconds >= 0 ? seconds / 86400 : (seconds - 86399) / 86400;
    const qint64 inDay = seconds - days * 86400;
    const Civil c = civilFromDays(days);
    if (c.year < 1 || c.year > 9999)
        return false;
    const int year = int(c.year);
    twoDigits(out, year / 100);
    twoDigits(out + 2, year % 100);
    out[4] = '-';
    twoDigits(out + 5, c.month);
    out[7] = '-';
    twoDigits(out + 8, c.day);
    out[10] = 'T';
    twoDigits(out + 11, int(inDay / 3600));
    out[13] = ':';
    twoDigits(out + 14, int(inDay / 60 % 60));
    out[16] = ':';
    twoDigits(out + 17, int(inDay % 60));
    out[19] = 'Z';
    return true;
}

QString storedDateText(const QDateTime& date) {
    char text[20];
    return writeStoredDate(date, text) ? QString::fromLatin1(text, 20) : QString();
}

QDateTime wholeSeconds(const QDateTime& date) {
    return QDateTime::fromSecsSinceEpoch(date.toSecsSinceEpoch(), Qt::UTC);
}
