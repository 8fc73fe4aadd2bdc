// SPDX-License-Identifier: MIT
#include "shiftplanner.h"

#include "shiftcheck.h"
#include "idleagents.h"
#include "shiftcovermodel.h"
#include "shiftday.h"
#include "shifttype.h"
#include "shiftvariant.h"
#include "twostagesolve.h"

#include <chrono>
#include <cmath>
#include <exception>

static ShiftPlanResult PlanShiftsUnguarded(const ShiftDay &day, const std::vector<ShiftType> &types,
                                           const MipSettings &settings)
{
    ShiftPlanResult result;
    result.problem = CheckShiftInput(day, types);
    if (result.problem)
        return result;
    const auto started = std::chrono::steady_clock::now();
    const std::vector<ShiftVariant> variants = ShiftVariant::of(day, types);

    std::optional<MipModel> first;
    if (ShiftType::anyMaximum(types))
        first = ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::Shortfall);
    const auto second = [&](const MipSolution *shortfall) {
        if (!shortfall)
            return ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::PaidHours);
        return ShiftCoverModel::build(day, types, variants, ShiftCoverModel::Goal::PaidHoursWithShortfall,
                                      static_cast<int>(std::llround(shortfall->objective)));
    };
    TwoStageSolve solve = TwoStageSolve::run(std::move(first), second, settings);
    result.model = std::move(solve.model);
    if (!solve.hasPlan()) {
        result.failure = solve.failure;
        return result;
    }
    MipSolution &solution = solve.solution;
    // A plan of the smallest shortfall whose hours were not weighed: its
    // shortfall is the best found, and nothing is known of cheaper plans.
    // Its agents who cover only slots already covered are not paid for.
    if (!solve.weighed) {
        DropIdleAgents(solution.values, variants, day.slotCount(), [&](int slot, int staffed) {
            return staffed > day.requirement[static_cast<std::size_t>(slot)];
        });
        result.plan = ShiftPlan::read(day, types, variants, solution.values);
        result.plan->solver = {MipStatus::Stopped, solution.cancelled, result.plan->paidHours, 0, solution.seconds};
        return result;
    }
    result.plan = ShiftPlan::read(day, types, variants, solution.values);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    result.plan->solver = {solution.status, solution.cancelled, solution.objective, solution.bound, seconds};
    return result;
}

ShiftPlanResult PlanShifts(const ShiftDay &day, const std::vector<ShiftType> &types, const MipSettings &settings)
{
    try {
        return PlanShiftsUnguarded(day, types, settings);
    } catch (const std::exception &e) {
        ShiftPlanResult result;
        result.failure = SolverFailureText(e.what());
        return result;
    }
}
