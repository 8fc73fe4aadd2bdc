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
CellRead ParseDuration(QString text, int secondsPerNumber, bool decimalComma, int longestSeconds);

} // namespace Calc
