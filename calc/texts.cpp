// SPDX-License-Identifier: MIT
#include "texts.h"

#include "celltext.h"
#include "conversions.h"

#include <charconv>
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

namespace {

// A fraction limited to 0..1 (below 0 and not-a-number count 0) times 100,
// exactly: high + low, fma giving the rounding error of the double product,
// so that a percentage text rounds the true value once.
struct ExactPercent
{
    double high;
    double low;
};

ExactPercent exactPercent(double fraction)
{
    if (!(fraction >= 0))
        fraction = 0;
    if (fraction > 1)
        fraction = 1;
    const double high = fraction * 100;
    return {high, std::fma(fraction, 100, -high)};
}

// The characters of a whole percentage of `fraction`, "0%" to "100%",
// written to `out`; returns how many.
int writeWholePercent(double fraction, char *out)
{
    const ExactPercent exact = exactPercent(fraction);
    const int percent = static_cast<int>(RoundHalfAwayExact(exact.high, exact.low));
    int length = 0;
    if (percent >= 100)
        out[length++] = static_cast<char>('0' + percent / 100);
    if (percent >= 10)
        out[length++] = static_cast<char>('0' + percent / 10 % 10);
    out[length++] = static_cast<char>('0' + percent % 10);
    out[length++] = '%';
    return length;
}

// The five characters "mm:ss" of a duration in hours: below 0 (or not a
// number) 00:00, beyond the longest 23:59.
void writeDuration(double hours, char *out)
{
    int seconds = 0;
    if (hours >= 0) {
        const double total = std::trunc(hours * 3600 + 0.5);
        seconds = total > LongestDurationSeconds ? LongestDurationSeconds : static_cast<int>(total);
    }
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    out[0] = static_cast<char>('0' + minutes / 10);
    out[1] = static_cast<char>('0' + minutes % 10);
    out[2] = ':';
    out[3] = static_cast<char>('0' + rest / 10);
    out[4] = static_cast<char>('0' + rest % 10);
}

} // namespace

CellText WholePercentCellText(double fraction)
{
    CellText text;
    text.length = writeWholePercent(fraction, text.chars);
    return text;
}

CellText DurationCellText(double hours)
{
    CellText text;
    writeDuration(hours, text.chars);
    text.length = 5;
    return text;
}

CellText NumberCellText(long long value)
{
    CellText text;
    text.length = static_cast<int>(std::to_chars(text.chars, text.chars + CellText::MostChars, value).ptr - text.chars);
    return text;
}

CellText ClockCellText(int hour, int minute)
{
    // Two digits each; a number of three digits or more is written whole.
    CellText text;
    char *out = text.chars;
    char *const end = text.chars + CellText::MostChars;
    for (int value : {hour, minute}) {
        if (out != text.chars)
            *out++ = ':';
        if (value >= 0 && value < 10)
            *out++ = '0';
        out = std::to_chars(out, end, value).ptr;
    }
    text.length = static_cast<int>(out - text.chars);
    return text;
}

QString ClockText(int minuteOfDay)
{
    return ClockCellText(minuteOfDay / 60, minuteOfDay % 60).toString();
}

QString DurationText(double hours)
{
    char text[5];
    writeDuration(hours, text);
    return QString::fromLatin1(text, 5);
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
    if (decimals == 0) {
        char text[4];
        return QString::fromLatin1(text, writeWholePercent(fraction, text));
    }
    const ExactPercent exact = exactPercent(fraction);
    return FormatNumber(exact.high, decimals, exact.low) + QLatin1Char('%');
}

} // namespace Calc
