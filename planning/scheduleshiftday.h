// SPDX-License-Identifier: MIT
#pragma once

#include "shiftday.h"

class AgentScenario;

// The length in minutes of the scenario's time slots: the one place the
// shift planner reads it from the Schedule.
int ScheduleSlotMinutes(const AgentScenario &scenario);

// The day the shift planner staffs, from the Schedule's last
// recalculation: its slots, and per slot the agents the planner puts on
// the roster ("Sched" when a shrinkage is set, else "Agents"). A scenario
// whose Schedule is not filled gives its slots with no requirement.
ShiftDay ScheduleShiftDay(const AgentScenario &scenario);
