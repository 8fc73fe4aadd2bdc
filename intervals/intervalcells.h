// SPDX-License-Identifier: MIT
#pragma once

#include "durationcell.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>

// The cells of an interval file: how a line splits into cells and how a
// time of day and a number of calls are read (a duration by Calc::ParseDuration).
namespace IntervalCells {

// Splits one line at `separator`, except inside double quotes, and takes
// the quotes off ("" inside quotes is one quote); cells are trimmed.
QStringList splitCells(const QString &line, QChar separator);

struct ClockTime
{
    std::optional<QDate> date;
    int second = 0; // of the day
    // The interval's end where the cell gives a range, second of the day.
    std::optional<int> endSecond;
};

// "08:30", "8:30:00", "2024-03-04 08:30", "2024-03-04T08:30:00",
// "08:30 - 09:00"; empty when not a time of day (nor its end).
std::optional<ClockTime> parseClock(const QString &text);

// Calls: a whole number from 0 up; "12.0" and "1e1" are whole.
Calc::CellRead parseCalls(QString text, bool decimalComma);

} // namespace IntervalCells
