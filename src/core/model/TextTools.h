#pragma once

#include "model/Calendar.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QUrl>

#include <optional>

// Web links as users type them: completion of bare host names and the check for a usable address.
namespace LinkTools {

// The stored form of a link: trimmed; a text starting with "www.", or a bare host with a "." and no
// blank, gets "https://" in front. Letter case is kept.
QString normalized(QStringView text);
// The http or https address a link text stands for, or nothing when it is not one (no host with a ".").
std::optional<QUrl> url(QStringView text);
// True when the text is not blank and is not a usable web address; blank text is never invalid.
bool isInvalid(QStringView text);

} // namespace LinkTools

// The one short date form "dd.MM.yyyy" and the tolerant reader of typed and imported dates.
namespace DateFormat {

// The calendar of the user's time zone, taken once on first use.
const Calendar& defaultCalendar();

// "dd.MM.yyyy" of the day on which the instant falls in the calendar's time zone; empty for an invalid
// instant.
QString shortText(const QDateTime& instant, const Calendar& calendar);
QString shortText(const QDateTime& instant);
QString shortText(const QDate& day);

// The start of the day a date text names, or nothing. Accepted, after trimming: d.M.yyyy, d.M.yy, yyyy-M-d,
// d/M/yyyy, yyyy-M-dTHH:mm:ss with a zone offset, yyyy-M-d H:mm:ss, d.M.yyyy H:mm, where day, month
// and hour take one or two digits. A two-digit year is read in the hundred years from 80 years before
// to 20 years after today; the clock is read only then. Impossible dates (31.02) give nothing, and so do
// days after the year 9999 or whose first instant the data file cannot hold (outside the years 1-9999 in
// UTC).
std::optional<QDateTime> parse(QStringView text, const Calendar& calendar, const Clock& clock);
std::optional<QDateTime> parse(QStringView text);

} // namespace DateFormat

// Numbers as users type them (decimal comma, blanks between digit groups) and as the application writes
// them: at most a fixed number of fraction digits, rounded half to even on the shortest decimal form of
// the value, trailing zeros dropped.
namespace NumberFormat {

// The finite number a text names, or nothing. White space anywhere is ignored and "," reads as ".";
// the rest must be read whole in the POSIX number syntax. Infinity, not-a-number and overflow give nothing.
std::optional<double> parse(QStringView text);

// The plain form: at most 2 fraction digits, decimal comma, "-" for negatives, no grouping (1234,57).
// Empty for nothing.
QString string(std::optional<double> value);

// The display form: at most fractionDigits (0 to 15) fraction digits, decimal comma, groups of three
// digits split by a no-break space, the minus sign U+2212, then a blank and the unit when the unit is not
// empty (1 234,5 ₽). Empty for nothing.
QString display(std::optional<double> value, const QString& unit, int fractionDigits);

} // namespace NumberFormat
