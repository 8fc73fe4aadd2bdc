// SPDX-License-Identifier: MIT
#include "scheduleshiftday.h"

#include "agentscenario.h"

#include <cmath>

int ScheduleSlotMinutes(const AgentScenario &scenario)
{
    return minutesOf(scenario.inputs().slotLength());
}

ShiftDay ScheduleShiftDay(const AgentScenario &scenario)
{
    ShiftDay day;
    day.slotMinutes = ScheduleSlotMinutes(scenario);
    day.startMinuteOfDay = scenario.inputs().timeSlots().startMinuteOfDay();
    const int count = scenario.inputs().timeSlots().count;
    const std::vector<RowValues> &rows = scenario.results().rowValues;
    const bool filled = scenario.tab() == Tab::Schedule && static_cast<int>(rows.size()) == count;
    for (int slot = 0; slot < count; ++slot)
        day.requirement.push_back(filled ? static_cast<int>(std::lround(rows[static_cast<std::size_t>(slot)].scheduled)) : 0);
    return day;
}
