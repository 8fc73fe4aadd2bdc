// SPDX-License-Identifier: MIT
#pragma once

#include <QLatin1String>

// A short table text held by value, in Latin-1: the tables write one per
// cell at every recalculation, and a cell string that is not shared takes
// such a text over in its own buffer instead of allocating another.
namespace Calc {

class CellText
{
public:
    static constexpr int MostChars = 23;

    // The characters, at most MostChars of them (more are cut off).
    CellText(const char *chars, int length);

    QLatin1String view() const { return QLatin1String(m_chars, m_length); }

private:
    char m_chars[MostChars];
    int m_length;
};

// The texts PercentText(fraction, 0), DurationText(hours), QString::number(value)
// and an "hh:mm" clock time give, as cell texts.
CellText WholePercentCellText(double fraction);
CellText DurationCellText(double hours);
CellText NumberCellText(long long value);
CellText ClockCellText(int hour, int minute);

} // namespace Calc
