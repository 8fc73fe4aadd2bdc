// SPDX-License-Identifier: MIT
#pragma once

#include "weekplan.h"

#include <vector>

// Staffed weeks built slot by slot for the tests, without a solver.
namespace WeekPlanFixtures {

// Opens `day` from `start` (minutes) with a slot per required/staffed pair.
inline void openDay(WeekPlan &plan, int day, int start, const std::vector<int> &required,
                    const std::vector<int> &staffed)
{
    WeekPlan::Day &d = plan.days[std::size_t(day)];
    d.open = true;
    d.coverage.clear();
    for (std::size_t s = 0; s < required.size(); ++s) {
        ShiftPlan::Slot slot;
        slot.start = start + int(s) * plan.slotMinutes;
        slot.required = required[s];
        slot.staffed = s < staffed.size() ? staffed[s] : 0;
        d.coverage.push_back(slot);
    }
}

// Monday to Friday open `hours` hours from 08:00 in `slotMinutes` slots,
// the weekend closed; each slot needs 3 agents and has 3 + ((s + day) % 5 - 2).
inline WeekPlan workingWeek(int slotMinutes, int hours)
{
    WeekPlan plan;
    plan.slotMinutes = slotMinutes;
    const int count = hours * 60 / slotMinutes;
    for (int day = 0; day < 5; ++day) {
        std::vector<int> required(std::size_t(count), 3), staffed;
        for (int s = 0; s < count; ++s)
            staffed.push_back(3 + (s + day) % 5 - 2);
        openDay(plan, day, 8 * 60, required, staffed);
    }
    return plan;
}

} // namespace WeekPlanFixtures
