// SPDX-License-Identifier: MIT
#include "serviceplanner.h"

#include "idleagents.h"
#include "serviceday.h"
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

// The day's service level by the curves for the agents staffed per slot:
// what the model counts (the roster check's own figure is the caller's).
double CurveLevel(const ServiceDay &service, const std::vector<int> &staffed)
{
    const double calls = service.calls();
    double answered = 0;
    for (std::size_t s = 0; s < staffed.size() && s < service.curves.size(); ++s)
        answered += service.curves[s].calls * service.curves[s].at(service.answering(staffed[s]));
    return calls > 0 ? answered / calls : 0;
}

// Whether a slot staffed by `staffed` agents keeps its level, and its floor
// where it meets it, with one agent less.
bool LevelKeptWithOneLess(const ServiceCurve &curve, const ServiceDay &service, int staffed)
{
    const int now = service.answering(staffed);
    const int after = service.answering(staffed - 1);
    if (curve.floor > 0 && now >= curve.floor && after < curve.floor)
        return false;
    return curve.calls <= 0 || curve.at(after) >= curve.at(now);
}

std::optional<ShiftInputProblem> CheckService(const ShiftDay &day, const ServiceDay &service)
{
    if (static_cast<int>(service.curves.size()) != day.slotCount() || service.calls() <= 0)
        return ShiftInputProblem{-1, ShiftField::Day, QStringLiteral("The day has no calls to plan a service level for.")};
    return std::nullopt;
}

// The slots that hold their lowest level, those with calls that a shift
// reaches, and of them those with a floor.
ShiftServiceModel::Held HeldSlots(const ServiceDay &service, const std::vector<bool> &reachable)
{
    ShiftServiceModel::Held held{std::vector<bool>(reachable.size()), std::vector<bool>(reachable.size())};
    for (std::size_t s = 0; s < reachable.size(); ++s) {
        held.lowest[s] = reachable[s] && service.curves[s].calls > 0 && !service.curves[s].levels.empty();
        held.floor[s] = held.lowest[s] && service.curves[s].floor > 0;
    }
    return held;
}

// The slots (from 0) where no agent number the curves weigh meets the floor.
std::vector<int> FloorOutOfReach(const ServiceDay &service)
{
    std::vector<int> outOfReach;
    for (std::size_t s = 0; s < service.curves.size(); ++s) {
        if (service.curves[s].floorOutOfReach)
            outOfReach.push_back(static_cast<int>(s));
    }
    return outOfReach;
}

// The day's service level with every held slot at its highest level.
double HighestLevel(const ServiceDay &service, const std::vector<bool> &held)
{
    double answered = 0;
    for (std::size_t s = 0; s < held.size(); ++s) {
        if (held[s])
            answered += service.curves[s].calls * service.curves[s].levels.back();
    }
    return answered / service.calls();
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
    ShiftServiceModel::Held held = HeldSlots(service, reachable);
    double reached = HighestLevel(service, held.lowest);
    std::optional<MipModel> first;
    if (ShiftType::anyMaximum(types))
        first = ShiftServiceModel::build(day, types, variants, service, Goal::ServiceLevel, 0, held);
    const auto second = [&](const MipSolution *highest) {
        if (highest) {
            const std::vector<int> staffed = ShiftPlan::read(day, types, variants, highest->values).staffedPerSlot();
            reached = CurveLevel(service, staffed);
            for (std::size_t s = 0; s < staffed.size(); ++s) {
                const int answering = service.answering(staffed[s]);
                held.lowest[s] = held.lowest[s] && answering >= service.curves[s].lowest;
                held.floor[s] = held.floor[s] && answering >= service.curves[s].floor;
            }
        }
        // A goal beyond reach: the most the types give, less the margin the
        // day's row adds, so that the plan of that level stays feasible.
        const double target = reached >= service.goal + ShiftServiceModel::TargetMargin
                                  ? service.goal
                                  : reached - 2 * ShiftServiceModel::TargetMargin;
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
            return LevelKeptWithOneLess(service.curves[static_cast<std::size_t>(slot)], service, staffed);
        });
    ShiftPlan plan = ShiftPlan::read(day, types, variants, solution.values);
    if (!solve.weighed)
        reached = CurveLevel(service, plan.staffedPerSlot());
    plan.serviceGoal = service.goal;
    if (service.floor.isSet())
        plan.floorCheck = ShiftPlan::FloorCheck{service.floor, FloorOutOfReach(service), {}};
    if (reached < service.goal + ShiftServiceModel::TargetMargin)
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
