// SPDX-License-Identifier: MIT
#include "shiftplan.h"

#include "shiftday.h"
#include "shifttype.h"
#include "shiftvariant.h"

#include <algorithm>
#include <cmath>

std::vector<int> ShiftPlan::staffedPerSlot() const
{
    std::vector<int> staffed;
    for (const Slot &slot : coverage)
        staffed.push_back(slot.staffed);
    return staffed;
}

ShiftPlan ShiftPlan::read(const ShiftDay &day, const std::vector<ShiftType> &types,
                          const std::vector<ShiftVariant> &variants, const std::vector<double> &values)
{
    ShiftPlan plan;
    plan.slotMinutes = day.slotMinutes;
    const std::vector<bool> reachable = ShiftVariant::reachableSlots(day, variants);
    for (int s = 0; s < day.slotCount(); ++s) {
        ShiftPlan::Slot slot;
        slot.start = day.minuteOfDayAt(s * day.slotMinutes);
        slot.required = day.requirement[static_cast<std::size_t>(s)];
        slot.reachable = reachable[static_cast<std::size_t>(s)];
        plan.coverage.push_back(slot);
        plan.requiredHours += slot.required * day.slotMinutes / 60.0;
    }
    long long paidMinutes = 0;
    for (std::size_t i = 0; i < variants.size(); ++i) {
        const auto agents = static_cast<int>(std::llround(std::max(0.0, values[i])));
        if (agents == 0)
            continue;
        const ShiftVariant &v = variants[i];
        ShiftPlan::Shift shift;
        shift.type = v.type;
        shift.typeName = types[static_cast<std::size_t>(v.type)].name;
        shift.startSlot = v.startSlot;
        shift.start = day.minuteOfDayAt(v.startSlot * day.slotMinutes);
        if (v.breakSlot >= 0) {
            shift.breakStart = day.minuteOfDayAt(v.breakSlot * day.slotMinutes);
            shift.breakMinutes = v.breakSlots * day.slotMinutes;
        }
        shift.end = day.minuteOfDayAt((v.startSlot + v.lengthSlots) * day.slotMinutes);
        shift.agents = agents;
        shift.paidHours = agents * v.paidMinutes / 60.0;
        paidMinutes += static_cast<long long>(agents) * v.paidMinutes;
        plan.agents += agents;
        for (int s = v.startSlot; s < v.startSlot + v.lengthSlots; ++s)
            if (v.works(s))
                plan.coverage[static_cast<std::size_t>(s)].staffed += agents;
        plan.shifts.push_back(shift);
    }
    std::stable_sort(plan.shifts.begin(), plan.shifts.end(), [](const auto &a, const auto &b) {
        return a.startSlot != b.startSlot ? a.startSlot < b.startSlot : a.type < b.type;
    });
    plan.paidHours = paidMinutes / 60.0;
    // Only the requirement the plan meets counts: a plan short of agents
    // would otherwise look more than fully efficient.
    for (const ShiftPlan::Slot &slot : plan.coverage)
        plan.metHours += std::min(slot.staffed, slot.required) * day.slotMinutes / 60.0;
    plan.efficiency = plan.paidHours > 0 ? plan.metHours / plan.paidHours : 0;
    for (int s = 0; s < day.slotCount(); ++s) {
        const ShiftPlan::Slot &slot = plan.coverage[static_cast<std::size_t>(s)];
        if (slot.required > 0 && !slot.reachable)
            plan.unreachableSlots.push_back(s);
        else if (slot.difference() < 0) {
            plan.shortSlots.push_back(s);
            plan.shortfall -= slot.difference();
        }
    }
    return plan;
}
