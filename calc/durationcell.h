// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>

// A duration typed into a cell (of the Schedule, of a pasted column, of an
// interval file) and read into whole seconds.
namespace Calc {

struct CellRead
{
    std::optional<int> value; // empty for an empty cell
    QString problem;          // why the cell was refused; empty when read
};

// A duration: seconds (with decimals, times `secondsPerNumber`), mm:ss or
// hh:mm:ss; rounded to whole seconds, halves up; at most `longestSeconds`.
// A number shaped as one with thousands separators ("1,234", "2.500") is
// refused whatever the decimal sign: it could be read either way.
CellRead ParseDuration(QString text, int secondsPerNumber, bool decimalComma, int longestSeconds);

} // namespace Calc
