// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// The text conversions that the input fields, the result cells and the
// scenario files rely on. They never throw: a text that does not convert
// gives an empty optional.
namespace Calc {

struct TimeOfDay
{
    int hour = 0;   // 0..23
    int minute = 0; // 0..59
};

// Whole number: leading blanks, an optional + or - sign, then decimal digits,
// or hexadecimal digits after "$", "x" or "0x"; nothing after the digits. The
// signed value must fit a 32-bit integer. An empty text is invalid.
std::optional<int> ParseInteger(const QString &text);

// Time of day "h:m" or "h:m:s": hour 0..23, minute 0..59, seconds 0..59 and
// ignored. Blanks may stand before and after the text.
std::optional<TimeOfDay> ParseTime(const QString &text);

// Floating-point number: leading blanks, an optional sign, digits with "." as
// the decimal point whatever the locale, an optional exponent; the whole text
// must be used. An empty text is invalid.
std::optional<double> ParseFloat(const QString &text);

// The number format of the result tables: `decimals` digits after the point,
// at most 8 significant digits, thousands separators, halves rounded away
// from zero. The rounding works on the exact value of `value + extra` (`extra`
// carries the low part of a product that does not fit a double), so it is
// rounded once. Values needing more than 8 digits before the point are
// written in scientific notation.
QString FormatNumber(double value, int decimals, double extra = 0);

// hi + lo (lo below half a unit in the last place of hi, as the rounding
// error of a product) rounded to a whole number, halves away from zero,
// exactly: the sum is never rounded to a double first.
double RoundHalfAwayExact(double hi, double lo);

// The thousands separator used by FormatNumber: the system locale's.
QChar ThousandSeparator();

} // namespace Calc
