// SPDX-License-Identifier: MIT
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The cells of an interval file: how a line splits into cells and how a
// time of day, a duration and a number of calls are read.
namespace IntervalCells {

// Splits one line at `separator`, except inside double quotes, and takes
// the quotes off ("" inside quotes is one quote); cells are trimmed.
QStringList splitCells(const QString &line, QChar separator);

struct ClockTime
{
    std::optional<QDate> date;
    int second = 0; // of the day
};

// "08:30", "8:30:00", "2024-03-04 08:30", "2024-03-04T08:30:00",
// "08:30 - 09:00" (the end is not read); empty when not a time of day.
std::optional<ClockTime> parseClock(const QString &text);

struct CellRead
{
    std::optional<int> value; // empty for an empty cell
    QString problem;          // why the cell was refused; empty when read
};

// A duration: seconds (with decimals, times `secondsPerNumber`), mm:ss or
// hh:mm:ss; rounded to whole seconds, halves up; at most `longestSeconds`.
CellRead parseDuration(QString text, int secondsPerNumber, bool decimalComma, int longestSeconds);

// Calls: a whole number from 0 up; "12.0" and "1e1" are whole.
CellRead parseCalls(QString text, bool decimalComma);

} // namespace IntervalCells
