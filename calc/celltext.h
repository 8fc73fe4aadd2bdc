// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>
#include <QString>

// A short table text held by value, in Latin-1: the tables write one per
// cell at every recalculation, and a cell string that is not shared takes
// such a text over in its own buffer instead of allocating another.
namespace Calc {

struct CellText
{
    static constexpr int MostChars = 23;

    char chars[MostChars];
    int length = 0;

    QLatin1String view() const { return QLatin1String(chars, length); }
    QString toString() const { return QString::fromLatin1(chars, length); }
};

// The texts PercentText(fraction, 0), DurationText(hours), QString::number(value)
// and an "hh:mm" clock time give, as cell texts (written beside those
// functions, in texts.cpp).
CellText WholePercentCellText(double fraction);
CellText DurationCellText(double hours);
CellText NumberCellText(long long value);
CellText ClockCellText(int hour, int minute);

} // namespace Calc
