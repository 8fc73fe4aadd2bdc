// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// A day as the shift planner sees it: consecutive slots of one length, the
// first starting at a time of day, each with the agents it needs.
struct ShiftDay
{
    int slotMinutes = 60;        // a slot length's minutes (slotlength.h)
    int startMinuteOfDay = 0;    // start of slot 1, 0..1439
    std::vector<int> requirement; // agents each slot needs, slot 1 first

    int slotCount() const { return static_cast<int>(requirement.size()); }
    int dayMinutes() const { return slotMinutes * slotCount(); }
    // Minutes from the day's start to a time of day (0..1439); a day that
    // runs past midnight continues on the next calendar day.
    int offsetOf(int minuteOfDay) const;
    // The time of day (0..1439) `offset` minutes after the day's start.
    int minuteOfDayAt(int offset) const;
};
