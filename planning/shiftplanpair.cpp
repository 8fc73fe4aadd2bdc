// SPDX-License-Identifier: MIT
#include "shiftplanpair.h"

#include "serviceplanner.h"
#include "twostagesolve.h"

#include <chrono>
#include <exception>

namespace {

// The plans of both goals, each solved within its share of the time.
void SolveBoth(ShiftPlanPair &pair, const ShiftDay &day, const std::vector<ShiftType> &types,
               const MipSettings &settings, const PlanServiceCheck &check)
{
    // A floor that cannot be planned for is the pair's problem: neither
    // plan is solved for a goal asked for in vain.
    if (std::optional<ShiftInputProblem> problem = check.floorProblem()) {
        pair.cover.problem = std::move(problem);
        return;
    }
    const auto started = std::chrono::steady_clock::now();
    // The cover plan takes at most half the limit; the service-level plan,
    // whose model is the larger, all that is left.
    MipSettings cover = settings;
    cover.timeLimitSeconds = settings.timeLimitSeconds / 2;
    pair.cover = PlanShifts(day, types, cover);
    if (pair.cover.problem)
        return;
    // Asked for, the service-level plan is always answered, if only with why
    // there is none, so that a window shows which plan it has.
    pair.service = ShiftPlanResult();
    if (settings.cancel && settings.cancel->load()) {
        MipSolution cancelled;
        cancelled.cancelled = true;
        pair.service->failure = PlanFailureText(cancelled);
        return;
    }
    const ServiceDay service = check.serviceDay();
    MipSettings rest = settings;
    rest.timeLimitSeconds =
        settings.timeLimitSeconds - std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (rest.timeLimitSeconds > 0)
        pair.service = PlanShiftsForService(day, types, service, rest);
    else
        pair.service->failure = PlanFailureText(MipSolution());
    for (ShiftPlanResult *result : {&pair.cover, &*pair.service}) {
        if (result->plan)
            check.checkPlan(*result->plan);
    }
}

} // namespace

ShiftPlanPair ShiftPlanPair::solve(const ShiftDay &day, const std::vector<ShiftType> &types,
                                   const MipSettings &settings, const PlanServiceCheck *check)
{
    ShiftPlanPair pair;
    if (!check) {
        pair.cover = PlanShifts(day, types, settings);
        return pair;
    }
    try {
        SolveBoth(pair, day, types, settings, *check);
    } catch (const std::exception &e) {
        // The plans' curves or their roster check failed: no plan of the
        // pair is worth showing.
        pair.cover = ShiftPlanResult();
        pair.cover.failure = SolverFailureText(e.what());
        pair.service.reset();
    }
    return pair;
}

bool ShiftPlanPair::complete() const
{
    for (const ShiftPlanResult *result : {&cover, service ? &*service : nullptr}) {
        if (result && (!result->plan || result->plan->solver.cancelled))
            return false;
    }
    return true;
}
