// SPDX-License-Identifier: MIT
#include "scheduleshiftday.h"

#include "agentscenario.h"

#include <cmath>

int ScheduleSlotMinutes(const AgentScenario &scenario)
{
    return TimeSlots::lengthMinutes(scenario.HalfHourSlots);
}

ShiftDay ScheduleShiftDay(const AgentScenario &scenario)
{
    ShiftDay day;
    day.slotMinutes = ScheduleSlotMinutes(scenario);
    day.startMinuteOfDay = scenario.timeSlots().startMinuteOfDay();
    if (scenario.tab() != Tab::Schedule)
        return day;
    for (const RowValues &row : scenario.rowValues())
        day.requirement.push_back(static_cast<int>(std::lround(row.scheduled)));
    return day;
}
