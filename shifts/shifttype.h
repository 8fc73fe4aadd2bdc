// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <optional>
#include <vector>

struct ShiftDay;

// One kind of shift a planner may staff: its length, the window its start
// may fall in (a start every slot from the earliest to the latest), an
// optional break and an optional cap on the agents working it.
struct ShiftType
{
    // A break inside the shift, placed by the planner's window: it begins
    // `earliestMinutes` to `latestMinutes` after the shift's start.
    struct Break
    {
        int lengthMinutes = 30;
        int earliestMinutes = 0;
        int latestMinutes = 0;
        bool paid = false; // an unpaid break is not in the shift's paid time

        bool operator==(const Break &other) const;
    };

    QString name;
    int lengthMinutes = 0;
    int earliestStart = 0; // time of day in minutes, 0..1439
    int latestStart = 0;   // time of day in minutes, 0..1439
    std::optional<Break> breakRule;
    std::optional<int> maxAgents;

    // The shift's paid time: its length, less an unpaid break.
    int paidMinutes() const;
    bool operator==(const ShiftType &other) const;
    bool operator!=(const ShiftType &other) const { return !(*this == other); }

    // The set a planner is offered to start from: 8 hours with an unpaid
    // break of half an hour (a whole slot when slots are longer) 3 to 5
    // hours in, 6 hours and 4 hours, each starting at
    // any slot that lets it end within `day`. A type longer than the day is
    // left out.
    static std::vector<ShiftType> defaultSet(const ShiftDay &day);
    // Whether some type has a maximum of agents, so that full cover may be
    // out of reach.
    static bool anyMaximum(const std::vector<ShiftType> &types);
};
