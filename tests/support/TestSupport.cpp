#include "TestSupport.h"

void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

void PrintTo(const QDateTime& date, std::ostream* os) {
    *os << (date.isValid() ? date.toUTC().toString(Qt::ISODateWithMs).toStdString()
                           : std::string("<invalid>"));
}

void PrintTo(const QUuid& id, std::ostream* os) {
    *os << id.toString().toStdString();
}

namespace TestSupport {

QDateTime utc(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), Qt::UTC);
}

QTimeZone zone(const char* name) {
    return QTimeZone(QByteArray(name));
}

QDateTime at(const char* zoneName, int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), zone(zoneName)).toUTC();
}

QByteArray windows1251(const QString& text) {
    QByteArray bytes;
    for (const QChar c : text)
        bytes.append(c == u'ё'              ? char(0xB8)
                     : c.unicode() >= 0x410 ? char(0xC0 + c.unicode() - 0x410)
                                            : char(c.unicode()));
    return bytes;
}

} // namespace TestSupport
