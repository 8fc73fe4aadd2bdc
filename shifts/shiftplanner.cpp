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

QString PlanFailureText(const MipSolution &solution)
{
    if (solution.cancelled)
        return QStringLiteral("The planning was cancelled before a plan was found.");
    return QStringLiteral("The solver found no plan within the time limit; allow it more time.");
}

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
        result.plan = ShiftPlan::read(day, types, variants, first.values);
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
            result.failure = PlanFailureText(first);
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
        result.failure = PlanFailureText(solution);
        return result;
    }
    result.plan = ShiftPlan::read(day, types, variants, solution.values);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    result.plan->solver = {solution.status, solution.cancelled, solution.objective, solution.bound, seconds};
    return result;
}
