// SPDX-License-Identifier: MIT
#include "shiftplanner.h"

#include "shiftcheck.h"
#include "shiftcovermodel.h"
#include "shiftday.h"
#include "shifttype.h"
#include "shiftvariant.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace {

ShiftPlan ReadPlan(const ShiftDay &day, const std::vector<ShiftType> &types, const std::vector<ShiftVariant> &variants,
                   const std::vector<double> &values)
{
    ShiftPlan plan;
    plan.slotMinutes = day.slotMinutes;
    const std::vector<bool> reachable = ShiftCoverModel::reachableSlots(day, variants);
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
    double metHours = 0;
    for (const ShiftPlan::Slot &slot : plan.coverage)
        metHours += std::min(slot.staffed, slot.required) * day.slotMinutes / 60.0;
    plan.efficiency = plan.paidHours > 0 ? metHours / plan.paidHours : 0;
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

QString FailureText(const MipSolution &solution)
{
    if (solution.cancelled)
        return QStringLiteral("The planning was cancelled before a plan was found.");
    return QStringLiteral("The solver found no plan within the time limit; allow it more time.");
}

} // namespace

ShiftPlanResult PlanShifts(const ShiftDay &day, const std::vector<ShiftType> &types, const MipSettings &settings)
{
    ShiftPlanResult result;
    result.problem = CheckShiftInput(day, types);
    if (result.problem)
        return result;
    const auto started = std::chrono::steady_clock::now();
    const std::vector<ShiftVariant> variants = ShiftVariant::of(day, types);
    const bool capped = std::any_of(types.begin(), types.end(), [](const ShiftType &t) { return t.maxAgents.has_value(); });

    // A plan of the smallest shortfall whose hours were not weighed: its
    // shortfall is the best found, and nothing is known of cheaper plans.
    auto unweighed = [&](const MipSolution &first) {
        result.plan = ReadPlan(day, types, variants, first.values);
        result.plan->solver = {MipStatus::Stopped, first.cancelled, result.plan->paidHours, 0, first.seconds};
        return result;
    };
    MipSettings remaining = settings;
    int shortfallCap = 0;
    MipSolution first;
    if (capped) {
        result.model = ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::Shortfall);
        first = SolveMip(result.model, remaining);
        if (first.status == MipStatus::NoSolution) {
            result.failure = FailureText(first);
            return result;
        }
        if (first.status == MipStatus::Stopped)
            return unweighed(first);
        shortfallCap = static_cast<int>(std::llround(first.objective));
        remaining.timeLimitSeconds = std::max(0.1, settings.timeLimitSeconds - first.seconds);
    }
    result.model = ShiftCoverModel::build(day, types, variants,
                                          capped ? ShiftCoverModel::Goal::PaidHoursWithShortfall
                                                 : ShiftCoverModel::Goal::PaidHours,
                                          shortfallCap);
    const MipSolution solution = SolveMip(result.model, remaining);
    if (solution.status == MipStatus::NoSolution) {
        if (capped && !solution.cancelled)
            return unweighed(first);
        result.failure = FailureText(solution);
        return result;
    }
    result.plan = ReadPlan(day, types, variants, solution.values);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    result.plan->solver = {solution.status, solution.cancelled, solution.objective, solution.bound, seconds};
    return result;
}
