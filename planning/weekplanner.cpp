// SPDX-License-Identifier: MIT
#include "weekplanner.h"

#include "shifttype.h"
#include "tourspace.h"
#include "twostagesolve.h"
#include "weekcheck.h"
#include "weekdecomposition.h"
#include "weekstartplan.h"
#include "weektourmodel.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>

namespace {

bool AnyMaximum(const std::vector<ShiftType> &types, const std::vector<TourType> &tours)
{
    return ShiftType::anyMaximum(types)
           || std::any_of(tours.begin(), tours.end(), [](const TourType &t) { return t.maxAgents.has_value(); });
}

WeekPlanResult PlanWeekUnguarded(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                 const std::vector<TourType> &tours, const MipSettings &settings)
{
    const auto started = std::chrono::steady_clock::now();
    WeekPlanResult result;
    result.problem = CheckWeekInput(week, types, tours);
    if (result.problem)
        return result;
    const TourSpace space = TourSpace::build(week, types, tours);

    using Goal = WeekTourModel::Goal;
    std::optional<MipModel> first;
    WeekTourModel layout = WeekTourModel::build(week, types, tours, space, Goal::PaidHours);
    MipSettings startFrom = settings;
    if (AnyMaximum(types, tours)) {
        WeekTourModel shortfall = WeekTourModel::build(week, types, tours, space, Goal::Shortfall);
        startFrom.start = WeekStartPlan::values(week, types, tours, space, shortfall);
        first = std::move(shortfall.model);
    } else {
        startFrom.start = WeekStartPlan::values(week, types, tours, space, layout);
    }
    const auto second = [&](const MipSolution *shortfall) {
        if (!shortfall)
            return layout.model;
        return WeekTourModel::build(week, types, tours, space, Goal::PaidHoursWithShortfall,
                                    static_cast<int>(std::llround(shortfall->objective)))
            .model;
    };
    // The model and its starting plan count against the time limit.
    startFrom.timeLimitSeconds -= std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    TwoStageSolve solve = TwoStageSolve::run(std::move(first), second, startFrom, true);
    result.model = std::move(solve.model);
    if (!solve.hasPlan() && !solve.solverFailed) {
        // The starting plan is a plan found, if nothing better was.
        solve.solution = MipSolution();
        solve.solution.values = startFrom.start;
        solve.solution.cancelled = settings.cancel && settings.cancel->load();
        solve.weighed = false;
        solve.failure.clear();
    }
    if (!solve.hasPlan()) {
        result.failure = solve.failure;
        return result;
    }
    const MipSolution &solution = solve.solution;
    std::array<std::vector<bool>, ShiftWeek::DayCount> reachable;
    for (int d = 0; d < ShiftWeek::DayCount; ++d)
        reachable[static_cast<std::size_t>(d)] = space.reachable(week, d);
    std::vector<QString> names;
    for (const TourType &tour : tours)
        names.push_back(tour.name);
    // The layout's columns come first in every model of the week.
    result.plan = WeekPlan::of(week, names, WeekDecomposition::agents(week, types, tours, space, layout, solution.values),
                               reachable);
    WeekPlan &plan = *result.plan;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (!solve.weighed) {
        plan.solver = {MipStatus::Stopped, solution.cancelled, plan.paidHours, 0, seconds};
        return result;
    }
    const double hoursPerUnit = layout.unitMinutes / 60.0;
    plan.solver = {solution.status, solution.cancelled, solution.objective * hoursPerUnit,
                   solution.bound * hoursPerUnit, seconds};
    return result;
}

} // namespace

WeekPlanResult PlanWeek(const ShiftWeek &week, const std::vector<ShiftType> &shiftTypes,
                        const std::vector<TourType> &tours, const MipSettings &settings,
                        std::optional<double> serviceGoal)
{
    if (serviceGoal) {
        // Until the week's service-level model exists, the goal is refused
        // rather than answered with a plan of the other goal.
        WeekPlanResult result;
        WeekInputProblem problem;
        problem.week = true;
        problem.message = QStringLiteral("A week is planned to cover every slot; its service-level goal is not available yet.");
        result.problem = problem;
        return result;
    }
    try {
        return PlanWeekUnguarded(week, shiftTypes, tours, settings);
    } catch (const std::exception &e) {
        WeekPlanResult result;
        result.failure = SolverFailureText(e.what());
        return result;
    }
}
