// SPDX-License-Identifier: MIT
#pragma once

#include "intervalfile.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

// The day column of an interval file of several days, read over the whole
// file: every cell a date ("2026-12-14", "14/12/2026" or "12/14/2026") or
// every cell a weekday ("Mon" ... "Sun" or the full name, in any case).
//
// Which number of a slashed date is the day is decided once for the file:
// the reading under which every cell is a date and the dates never go back
// (the rows of a day stand together, the days in order). Where both readings
// pass, the one whose dates span fewer days is taken (a week from 01/12/2026
// to 07/12/2026 is 1 to 7 December, not seven months from 12 January); where
// they span as many, the file is refused at the first cell that reads two
// ways: a date alone such as 03/04/2026 is never guessed.
struct IntervalDayColumn
{
    struct Cell
    {
        int line = 0;
        QString text;
    };
    // One cell's day: a date (its weekday with it) or a weekday alone.
    struct Day
    {
        std::optional<QDate> date;
        int weekday = 1; // 1 = Monday ... 7 = Sunday
        bool operator==(const Day &other) const { return date == other.date && weekday == other.weekday; }
        bool operator!=(const Day &other) const { return !(*this == other); }
    };

    // `header` names the column in refusals.
    static IntervalDayColumn read(const std::vector<Cell> &cells, const QString &header);

    // The day of each cell, in the cells' order; none once refused. Dates
    // that go back are left to the caller, which names the order's fault.
    std::vector<Day> days;
    bool dated = false; // dates, else weekdays
    std::optional<IntervalRefusal> refusal;
};
