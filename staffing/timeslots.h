// SPDX-License-Identifier: MIT
#pragma once

// The slot list rebuilt from the two arrival times and the slot length.
struct TimeSlots
{
    int count = 1;     // 1..48
    int hour = 0;      // start of slot 1, 0..23
    int minute = 0;    // 0 or 30
    int endHour = 0;   // rounded end, 0..24
    int endMinute = 0; // 0 or 30
};
