// SPDX-License-Identifier: MIT
#include "serviceplanner.h"

#include "idleagents.h"
#include "serviceday.h"
#include "servicelevels.h"
#include "shiftcheck.h"
#include "shiftday.h"
#include "shiftservicemodel.h"
#include "shifttype.h"
#include "shiftvariant.h"
#include "twostagesolve.h"

#include <algorithm>
#include <chrono>
#include <exception>

namespace {

using Goal = ShiftServiceModel::Goal;

std::optional<ShiftInputProblem> CheckService(const ShiftDay &day, const ServiceDay &service)
{
    if (static_cast<int>(service.curves.size()) != day.slotCount() || service.calls() <= 0)
        return ShiftInputProblem{-1, ShiftField::Day, QStringLiteral("The day has no calls to plan a service level for.")};
    return std::nullopt;
}

} // namespace

static ShiftPlanResult PlanShiftsForServiceUnguarded(const ShiftDay &day, const std::vector<ShiftType> &types,
                                                     const ServiceDay &service, const MipSettings &settings)
{
    ShiftPlanResult result;
    result.problem = CheckShiftInput(day, types);
    if (!result.problem)
        result.problem = CheckService(day, service);
    if (result.problem)
        return result;
    const auto started = std::chrono::steady_clock::now();
    const std::vector<ShiftVariant> variants = ShiftVariant::of(day, types);
    const std::vector<bool> reachable = ShiftVariant::reachableSlots(day, variants);

    // With maximums a slot holds its lowest level and its floor only where
    // the plan of the highest level, which puts the floors first, reaches
    // them.
    ShiftServiceModel::Held held = ServiceLevels::heldSlots(service, reachable);
    double reached = ServiceLevels::highestLevel(service, held.lowest);
    std::optional<MipModel> first;
    if (ShiftType::anyMaximum(types))
        first = ShiftServiceModel::build(day, types, variants, service, Goal::ServiceLevel, 0, held);
    const auto second = [&](const MipSolution *highest) {
        if (highest) {
            const std::vector<int> staffed = ShiftPlan::read(day, types, variants, highest->values).staffedPerSlot();
            reached = ServiceLevels::curveLevel(service, staffed);
            ServiceLevels::holdWhatPlanReaches(held, service, staffed);
        }
        const double target = ServiceLevels::target(reached, service.goal);
        return ShiftServiceModel::build(day, types, variants, service, Goal::PaidHours, target, held);
    };
    MipSettings proximity = settings;
    proximity.proximitySearch = true;
    TwoStageSolve solve = TwoStageSolve::run(std::move(first), second, proximity);
    result.model = std::move(solve.model);
    if (!solve.hasPlan()) {
        result.failure = solve.failure;
        return result;
    }
    MipSolution &solution = solve.solution;
    // The highest level found, unweighed: agents whose slots keep their
    // level and floor without them are not paid for.
    if (!solve.weighed)
        DropIdleAgents(solution.values, variants, day.slotCount(), [&](int slot, int staffed) {
            return ServiceLevels::keptWithOneLess(service.curves[static_cast<std::size_t>(slot)], service, staffed);
        });
    ShiftPlan plan = ShiftPlan::read(day, types, variants, solution.values);
    if (!solve.weighed)
        reached = ServiceLevels::curveLevel(service, plan.staffedPerSlot());
    plan.serviceGoal = service.goal;
    if (service.floor.isSet())
        plan.floorCheck = ShiftPlan::FloorCheck{service.floor, ServiceLevels::floorOutOfReach(service), {}};
    if (ServiceLevels::shortOfGoal(reached, service.goal))
        plan.serviceReachable = reached;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    // Unweighed: the highest level found, and nothing is known of cheaper plans.
    plan.solver = solve.weighed
                      ? ShiftPlan::Solver{solution.status, solution.cancelled, solution.objective, solution.bound, seconds}
                      : ShiftPlan::Solver{MipStatus::Stopped, solution.cancelled, plan.paidHours, 0, seconds};
    result.plan = std::move(plan);
    return result;
}

ShiftPlanResult PlanShiftsForService(const ShiftDay &day, const std::vector<ShiftType> &types,
                                     const ServiceDay &service, const MipSettings &settings)
{
    try {
        return PlanShiftsForServiceUnguarded(day, types, service, settings);
    } catch (const std::exception &e) {
        ShiftPlanResult result;
        result.failure = SolverFailureText(e.what());
        return result;
    }
}
