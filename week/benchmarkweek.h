// SPDX-License-Identifier: MIT
#pragma once

#include "shiftweek.h"
#include "weekscenario.h"

#include <vector>

// The week the README's week figures are measured on and the screenshots
// show: weekdays 06:00-22:00 peaking at 120 agents (Monday the busiest),
// Saturday 08:00-18:00 and Sunday 09:00-17:00 quieter.
namespace BenchmarkWeek {

// A two-peak day of 5 to `peak` between `open` and `close` (hours): a
// morning peak a third of the way in, an afternoon one of four fifths of
// its height two thirds of the way; one value per slot.
std::vector<int> twoPeakDay(int slotMinutes, int open, int close, int peak);

// The week as the planner staffs it, each slot's requirement the two-peak
// day's agents; with `allDay` every day open round the clock.
ShiftWeek shiftWeek(int slotMinutes, bool allDay = false);

// The week's shape as a planner types it: twelve calls an hour for each of
// the two-peak day's agents, 03:00 talk, 01:00 after-call work, 00:45
// before abandoning, 80 % in 20 s (slots of 15, 30 or 60 minutes; any
// other length is taken as 60).
WeekScenario scenario(int slotMinutes);

} // namespace BenchmarkWeek
