#include "Ids.h"

#include <QTimeZone>

namespace {

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

bool isHyphenPosition(qsizetype i) { return i == 8 || i == 13 || i == 18 || i == 23; }

// Reads exactly `count` ASCII digits at `pos`; -1 when any is not a digit.
int digits(QStringView text, qsizetype pos, int count) {
    int value = 0;
    for (int i = 0; i < count; ++i) {
        const char16_t u = text[pos + i].unicode();
        if (u < u'0' || u > u'9')
            return -1;
        value = value * 10 + (u - u'0');
    }
    return value;
}

} // namespace

QString idText(const QUuid& id) {
    static constexpr char hex[] = "0123456789ABCDEF";
    const QByteArray raw = id.toRfc4122();
    QString out(36, Qt::Uninitialized);
    QChar* p = out.data();
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10)
            *p++ = u'-';
        const auto b = static_cast<unsigned char>(raw[i]);
        *p++ = QLatin1Char(hex[b >> 4]);
        *p++ = QLatin1Char(hex[b & 0xF]);
    }
    return out;
}

std::optional<QUuid> parseId(QStringView text) {
    if (text.size() != 36)
        return std::nullopt;
    QByteArray raw(16, '\0');
    int byte = 0;
    bool high = true;
    for (qsizetype i = 0; i < 36; ++i) {
        if (isHyphenPosition(i)) {
            if (text[i] != u'-')
                return std::nullopt;
            continue;
        }
        const int v = hexValue(text[i]);
        if (v < 0)
            return std::nullopt;
        if (high) {
            raw[byte] = static_cast<char>(v << 4);
        } else {
            raw[byte] = static_cast<char>(raw[byte] | v);
            ++byte;
        }
        high = !high;
    }
    return QUuid::fromRfc4122(raw);
}

std::optional<QDateTime> parseStoredDate(QStringView text) {
    // YYYY-MM-DDTHH:MM:SS is 19 characters, then "Z" (20) or "+HH:MM" (25).
    if (text.size() != 20 && text.size() != 25)
        return std::nullopt;
    if (text[4] != u'-' || text[7] != u'-' || text[10] != u'T' || text[13] != u':' || text[16] != u':')
        return std::nullopt;
    const int year = digits(text, 0, 4), month = digits(text, 5, 2), day = digits(text, 8, 2);
    const int hour = digits(text, 11, 2), minute = digits(text, 14, 2), second = digits(text, 17, 2);
    if (year < 0 || month < 0 || day < 0 || hour < 0 || minute < 0 || second < 0)
        return std::nullopt;
    if (!QDate::isValid(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    int offsetSeconds = 0;
    if (text.size() == 20) {
        if (text[19] != u'Z')
            return std::nullopt;
    } else {
        const QChar sign = text[19];
        if ((sign != u'+' && sign != u'-') || text[22] != u':')
            return std::nullopt;
        const int oh = digits(text, 20, 2), om = digits(text, 23, 2);
        if (oh < 0 || om < 0 || om > 59 || oh * 60 + om > 18 * 60)
            return std::nullopt;
        offsetSeconds = (oh * 3600 + om * 60) * (sign == u'-' ? -1 : 1);
    }
    const QDateTime local(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
    return local.addSecs(-offsetSeconds);
}

QString storedDateText(const QDateTime& date) {
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

QDateTime wholeSeconds(const QDateTime& date) {
    return QDateTime::fromSecsSinceEpoch(date.toSecsSinceEpoch(), Qt::UTC);
}
