#pragma once

#include <QDateTime>
#include <QString>
#include <QTimeZone>
#include <QUuid>
#include <gtest/gtest.h>

#include <ostream>

// Readable failure output for Qt values in gtest assertions.
void PrintTo(const QString& text, std::ostream* os);
void PrintTo(const QDateTime& date, std::ostream* os);
void PrintTo(const QUuid& id, std::ostream* os);

namespace TestSupport {

// An instant given in UTC.
QDateTime utc(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// An instant given as wall-clock time in a named zone ("Europe/Berlin").
QDateTime at(const char* zone, int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
QTimeZone zone(const char* name);
// The text in Windows-1251, as spreadsheets save CSV on Russian Windows (Cyrillic letters and ASCII only).
QByteArray windows1251(const QString& text);

} // namespace TestSupport
