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

// The same week as a planner types it: each slot's calls such that, at
// three minutes' talk and half a minute's after-call work, the Schedule
// needs about the two-peak day's agents.
WeekScenario scenario(int slotMinutes);

} // namespace BenchmarkWeek
