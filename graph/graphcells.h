// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

// Reading the result table's cell texts as graph values. Every value is a
// 32-bit whole number; the chart gets it as a double.
namespace GraphCells {

struct Value
{
    enum class Status {
        Read,    // value holds the cell's value
        Empty,   // the cell has no text: a table without results
        Invalid, // the text does not convert; error says which text
    };
    Status status = Status::Empty;
    int value = 0;
    QString error; // "'x' is not a valid integer value" or "'x' is not a valid time"

    bool read() const { return status == Status::Read; }
};

// A whole percentage as the table writes it, "85%": the text without its
// last character, read as a whole number.
Value ReadPercentage(const QString &text);

// A duration "mm:ss" in whole seconds: first number times 60 plus second.
Value ReadTime(const QString &text);

// A count as the table writes it: plain ("14"), with thousands separators
// ("1,234", the separator the table's number format uses) or, for a very
// large average queue, in the format's scientific form ("1.2345679E+8").
// Fractions are rounded half away from zero and values beyond the 32-bit
// range are held at its ends.
Value ReadNumber(const QString &text);

} // namespace GraphCells
