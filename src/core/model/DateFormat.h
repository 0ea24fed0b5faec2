#pragma once

#include "core/model/Calendar.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

// The one short date form "dd.MM.yyyy" and the tolerant reader of typed and imported dates.
namespace DateFormat {

// The calendar of the user's time zone, taken once on first use.
const Calendar& defaultCalendar();

// "dd.MM.yyyy" of the day on which the instant falls in the calendar's time zone; empty for an invalid
// instant.
QString shortText(const QDateTime& instant, const Calendar& calendar);
QString shortText(const QDateTime& instant);
QString shortText(const QDate& day);
// The day whose short text shortText gives for the instant: its calendar day in the calendar's time zone,
// found without building a zoned date; an invalid date for an invalid instant.
QDate day(const QDateTime& instant, const Calendar& calendar);

// The start of the day a date text names, or nothing. Accepted, after trimming: d.M.yyyy, d.M.yy, yyyy-M-d,
// d/M/yyyy, yyyy-M-dTHH:mm:ss with a zone offset, yyyy-M-d H:mm:ss, d.M.yyyy H:mm, where day, month
// and hour take one or two digits. A two-digit year is read in the hundred years from 80 years before
// to 20 years after today; the clock is read only then. Impossible dates (31.02) give nothing, and so do
// days after the year 9999 or whose first instant the data file cannot hold (outside the years 1-9999 in
// UTC).
std::optional<QDateTime> parse(QStringView text, const Calendar& calendar, const Clock& clock);
std::optional<QDateTime> parse(QStringView text);

} // namespace DateFormat
