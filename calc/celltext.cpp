// SPDX-License-Identifier: MIT
#include "celltext.h"

#include "conversions.h"
#include "texts.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace Calc {

CellText::CellText(const char *chars, int length)
    : m_length(std::clamp(length, 0, MostChars))
{
    std::copy(chars, chars + m_length, m_chars);
}

CellText WholePercentCellText(double fraction)
{
    if (!(fraction >= 0))
        fraction = 0; // below 0, and not-a-number
    if (fraction > 1)
        fraction = 1;
    // The exact product is high + low: fma gives the rounding error of the
    // double product, so the percentage is the true value rounded once.
    const double high = fraction * 100;
    const double low = std::fma(fraction, 100, -high);
    const int percent = static_cast<int>(RoundHalfAwayExact(high, low));
    char text[4];
    int length = 0;
    if (percent >= 100)
        text[length++] = static_cast<char>('0' + percent / 100);
    if (percent >= 10)
        text[length++] = static_cast<char>('0' + percent / 10 % 10);
    text[length++] = static_cast<char>('0' + percent % 10);
    text[length++] = '%';
    return CellText(text, length);
}

CellText DurationCellText(double hours)
{
    if (!(hours >= 0))
        return CellText("00:00", 5);
    double total = hours * 3600;
    total = std::trunc(total + 0.5);
    if (total > LongestDurationSeconds)
        return CellText("23:59", 5);
    const int seconds = static_cast<int>(total);
    const int minutes = seconds / 60;
    const int rest = seconds % 60;
    const char text[5] = {static_cast<char>('0' + minutes / 10), static_cast<char>('0' + minutes % 10), ':',
                          static_cast<char>('0' + rest / 10), static_cast<char>('0' + rest % 10)};
    return CellText(text, 5);
}

CellText NumberCellText(long long value)
{
    char text[CellText::MostChars];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return CellText(text, static_cast<int>(end - text));
}

CellText ClockCellText(int hour, int minute)
{
    // Two digits each; a number of three digits or more is written whole.
    char text[CellText::MostChars];
    char *out = text;
    for (int value : {hour, minute}) {
        if (out != text)
            *out++ = ':';
        if (value >= 0 && value < 10)
            *out++ = '0';
        out = std::to_chars(out, text + sizeof text, value).ptr;
    }
    return CellText(text, static_cast<int>(out - text));
}

} // namespace Calc
