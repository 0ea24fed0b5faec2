#pragma once

#include <QDate>
#include <QDateTime>
#include <QTimeZone>

#include <functional>

// The Gregorian calendar of the application: weeks start on Monday whatever the system says,
// and every "day" is a calendar day in one time zone. Days are computed on QDate and turned into
// instants with startOfDay(), never by adding 86,400 seconds, so daylight-saving days come out right.
struct Calendar {
    QTimeZone timeZone = QTimeZone::systemTimeZone();

    static Calendar current() { return Calendar{QTimeZone::systemTimeZone()}; }

    // The calendar day on which an instant falls.
    QDate day(const QDateTime& instant) const { return instant.toTimeZone(timeZone).date(); }
    // The first instant of a day (01:00 where midnight does not exist), in UTC. A day the zone skipped
    // entirely (Pacific/Apia, 2011-12-30) has no instant of its own: it begins where the next day begins,
    // so a stamp or a range bound is never an invalid date.
    QDateTime startOfDay(const QDate& date) const {
        QDateTime start = date.startOfDay(timeZone);
        if (!start.isValid() && date.isValid())
            start = date.addDays(1).startOfDay(timeZone);
        return start.toUTC();
    }
    QDateTime startOfDay(const QDateTime& instant) const { return startOfDay(day(instant)); }
    // The first day of the week (Monday) that holds the date.
    static QDate weekStart(const QDate& date) { return date.addDays(1 - date.dayOfWeek()); }

    bool operator==(const Calendar&) const = default;
};

// "Now", injected wherever a rule reads the current time, so tests never depend on the wall clock.
using Clock = std::function<QDateTime()>;

inline QDateTime systemNow() {
    return QDateTime::currentDateTimeUtc();
}
