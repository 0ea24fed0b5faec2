#pragma once

#include <QString>
#include <QStringView>

#include <cstdint>
#include <optional>

// Numbers as users type them (decimal comma, blanks between digit groups) and as the application writes
// them: at most a fixed number of fraction digits, rounded half to even on the shortest decimal form of
// the value, trailing zeros dropped. A value past the largest number (infinite, or not a number), which
// only a computation can give, is written "—" in both forms, without a unit.
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

// A count of records, rows or items inside a text: plain decimal digits ("12000"); amounts and figures
// take the grouped display form instead.
QString count(std::int64_t n);

// How the display form of a finite value is laid out: its sign and how many digits stand before and
// after the comma. Values alike in it are written alike but for their digits. Every value past the
// largest number is one layout, "—".
struct Layout {
    bool finite;
    bool negative;
    int integerDigits;
    int fractionDigits;

    bool operator==(const Layout&) const = default;
};
Layout layout(double value, int fractionDigits);

} // namespace NumberFormat
