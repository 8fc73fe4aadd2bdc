// SPDX-License-Identifier: MIT
#pragma once

#include "intervalfile.h"

#include <QString>

#include <optional>
#include <vector>

// The slot length of an interval file's rows: the length asked for; else
// the intervals' own where time cells give their ends ("08:00 - 08:15",
// every such interval as long); else the longest length the rows' closest
// spacing allows, the shorter ones fitting as well. Every row must start on
// a boundary of the length taken.
struct IntervalSlotLength
{
    // One row's time as the reader placed it.
    struct Row
    {
        int line = 0;
        QString timeText;
        long long at = 0; // seconds from midnight of the first row's day
        int second = 0;   // of the row's day
        std::optional<int> endSecond;
    };

    // `chosenMinutes` 0 lets the rows decide; rows in order, at least one.
    static IntervalSlotLength decide(const std::vector<Row> &rows, int chosenMinutes);

    int minutes = 60;
    // Why that length, in the preview's words ("the rows' closest spacing").
    QString reason;
    // The other lengths that fit, shortest first: none where the ends or
    // the planner decided.
    std::vector<int> otherMinutes;
    // Why the rows fit no slot length, or not the one asked for.
    std::optional<IntervalRefusal> refusal;
};
