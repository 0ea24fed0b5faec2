#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>
#include <QUuid>

#include <optional>
#include <string_view>

// Text forms of ids and stored dates shared by the data file, the earlier card file, record value keys,
// settings keys and CSV cells.

// The canonical id text: 36 characters, upper-case hexadecimal, 8-4-4-4-12 with hyphens.
QString idText(const QUuid& id);

// Strict id reading: exactly the 36-character form, either letter case. Braces, missing hyphens,
// surrounding blanks or trailing text give nothing. The nil UUID is a valid id.
std::optional<QUuid> parseId(QStringView text);

// Strict stored-date reading: YYYY-MM-DDTHH:MM:SS followed by Z or ±HH:MM, no fraction, a real calendar
// day, hour 0-23, minute and second 0-59, offset at most 18:00, and an instant in the years 1-9999 in UTC
// (so that it can be written back). The result is in UTC.
std::optional<QDateTime> parseStoredDate(QStringView text);

// The same two readers over UTF-8 bytes, for the data file reader (no QString is built on the way).
std::optional<QUuid> parseIdUtf8(std::string_view text);
std::optional<QDateTime> parseStoredDateUtf8(std::string_view text);

// Writes the canonical id text into exactly 36 bytes at `out` (no terminator).
void writeIdText(const QUuid& id, char* out);
// Writes the stored-date text (20 bytes, no terminator) of a date; false for an invalid date or one
// outside the years 1-9999, which the stored form cannot hold.
bool writeStoredDate(const QDateTime& date, char* out);

// Stored-date writing: UTC, whole seconds, zone letter Z (2026-12-05T20:00:43Z).
QString storedDateText(const QDateTime& date);

// The date truncated to whole seconds, in UTC: what a write and a read of it give back.
QDateTime wholeSeconds(const QDateTime& date);
