// SPDX-License-Identifier: MIT
#include "texts.h"

#include "celltext.h"

#include "conversions.h"

#include <cmath>
#include <limits>

namespace Calc {

int HoursToSeconds(double hours)
{
    double seconds = hours * 3600;
    seconds = seconds + 0.5;
    if (std::isnan(seconds))
        return 0;
    if (seconds >= 2147483648.0)
        return std::numeric_limits<int>::max();
    if (seconds <= -2147483649.0)
        return std::numeric_limits<int>::min();
    return static_cast<int>(std::trunc(seconds));
}

QString PadNumber(int value, int width)
{
    QString text = QString::number(value);
    if (text.size() < width)
        text.prepend(QString(width - text.size(), QLatin1Char('0')));
    return text;
}

QString DurationText(double hours)
{
    return DurationCellText(hours).toString();
}

namespace {

// The first number times 60 plus the second of a valid time-of-day text.
std::optional<int> firstTimesSixtyPlusSecond(const QString &text)
{
    const auto time = ParseTime(text);
    if (!time)
        return std::nullopt;
    return time->hour * 60 + time->minute;
}

} // namespace

std::optional<int> ClockTextToMinutes(const QString &text)
{
    return firstTimesSixtyPlusSecond(text);
}

std::optional<int> DurationTextToSeconds(const QString &text)
{
    return firstTimesSixtyPlusSecond(text);
}

QString PercentText(double fraction, int decimals)
{
    // The common case, 0% to 100%, written without the general formatter.
    if (decimals == 0)
        return WholePercentCellText(fraction).toString();
    if (!(fraction >= 0))
        fraction = 0; // below 0, and not-a-number
    if (fraction > 1)
        fraction = 1;
    // The exact product is high + low: fma gives the rounding error of the
    // double product, so the formatter rounds the true value once.
    const double high = fraction * 100;
    const double low = std::fma(fraction, 100, -high);
    return FormatNumber(high, decimals, low) + QLatin1Char('%');
}

} // namespace Calc
