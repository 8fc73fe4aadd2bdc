// SPDX-License-Identifier: MIT
#include "weekplan.h"

#include <algorithm>

int WeekPlan::AgentWeek::daysWorked() const
{
    int count = 0;
    for (const auto &day : days)
        count += day.has_value() ? 1 : 0;
    return count;
}

std::vector<int> WeekPlan::Day::staffedPerSlot() const
{
    std::vector<int> staffed;
    staffed.reserve(coverage.size());
    for (const ShiftPlan::Slot &slot : coverage)
        staffed.push_back(slot.staffed);
    return staffed;
}

WeekPlan WeekPlan::of(const ShiftWeek &week, const std::vector<QString> &tourNames, std::vector<AgentWeek> agents,
                      const std::array<std::vector<bool>, ShiftWeek::DayCount> &reachable)
{
    WeekPlan plan;
    plan.slotMinutes = week.slotMinutes;
    const double slotHours = week.slotMinutes / 60.0;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
        Day &out = plan.days[static_cast<std::size_t>(d)];
        out.open = day.open();
        if (!out.open)
            continue;
        for (int s = 0; s < day.shifts->slotCount(); ++s) {
            ShiftPlan::Slot slot;
            slot.start = day.shifts->minuteOfDayAt(s * week.slotMinutes);
            slot.required = day.shifts->requirement[static_cast<std::size_t>(s)];
            slot.reachable = reachable[static_cast<std::size_t>(d)][static_cast<std::size_t>(s)];
            out.coverage.push_back(slot);
            out.requiredHours += slot.required * slotHours;
        }
    }
    plan.tours.resize(tourNames.size());
    for (std::size_t t = 0; t < tourNames.size(); ++t)
        plan.tours[t].name = tourNames[t];
    for (const AgentWeek &agent : agents) {
        TourTotal &total = plan.tours[static_cast<std::size_t>(agent.tour)];
        ++total.headcount;
        total.paidHours += agent.paidMinutes / 60.0;
        for (int d = 0; d < ShiftWeek::DayCount; ++d) {
            const auto &shift = agent.days[static_cast<std::size_t>(d)];
            if (!shift)
                continue;
            Day &out = plan.days[static_cast<std::size_t>(d)];
            out.paidHours += shift->paidMinutes / 60.0;
            for (int s = shift->startSlot; s < shift->endSlot; ++s)
                if (shift->works(s))
                    ++out.coverage[static_cast<std::size_t>(s)].staffed;
        }
    }
    for (Day &out : plan.days) {
        for (std::size_t s = 0; s < out.coverage.size(); ++s) {
            const ShiftPlan::Slot &slot = out.coverage[s];
            out.metHours += std::min(slot.staffed, slot.required) * slotHours;
            if (slot.required > 0 && !slot.reachable)
                out.unreachableSlots.push_back(static_cast<int>(s));
            else if (slot.difference() < 0) {
                out.shortSlots.push_back(static_cast<int>(s));
                out.shortfall -= slot.difference();
            }
        }
        plan.paidHours += out.paidHours;
        plan.requiredHours += out.requiredHours;
        plan.metHours += out.metHours;
        plan.shortfall += out.shortfall;
    }
    plan.agents = std::move(agents);
    return plan;
}

void WeekPlan::setServiceGoal(double goal, const std::array<std::optional<double>, ShiftWeek::DayCount> &shortOfGoal)
{
    serviceGoal = goal;
    serviceReachable.reset();
    for (std::size_t d = 0; d < days.size(); ++d) {
        days[d].serviceReachable = shortOfGoal[d];
        if (shortOfGoal[d] && (!serviceReachable || *shortOfGoal[d] < *serviceReachable))
            serviceReachable = shortOfGoal[d];
    }
}
