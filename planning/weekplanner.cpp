// SPDX-License-Identifier: MIT
#include "weekplanner.h"

#include "mipprogress.h"
#include "serviceday.h"
#include "servicelevels.h"
#include "shifttype.h"
#include "shiftweek.h"
#include "tourspace.h"
#include "twostagesolve.h"
#include "weekcheck.h"
#include "weekdecomposition.h"
#include "weekserviceaims.h"
#include "weekstartplan.h"
#include "weektourmodel.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <exception>
#include <functional>

namespace {

bool AnyMaximum(const std::vector<ShiftType> &types, const std::vector<TourType> &tours)
{
    return ShiftType::anyMaximum(types)
           || std::any_of(tours.begin(), tours.end(), [](const TourType &t) { return t.maxAgents.has_value(); });
}

// Why a week cannot be planned for its service level, if it cannot.
std::optional<WeekInputProblem> CheckService(const ShiftWeek &week)
{
    for (const ShiftWeek::Day &day : week.days)
        if (day.open() && day.service && day.service->calls() > 0)
            return std::nullopt;
    WeekInputProblem problem;
    problem.week = true;
    problem.message = QStringLiteral("The week has no calls to plan a service level for.");
    return problem;
}

// The two stages of a week's goal: the model of the first (with maximums),
// the builder of the second, the first model's start, and the greedy week
// that is the plan when the search finds none.
struct WeekStages
{
    std::optional<MipModel> first;
    std::function<MipModel(const MipSolution *)> second;
    std::vector<double> start;
    std::vector<double> fallback;
};

WeekStages CoverStages(const ShiftWeek &week, const std::vector<ShiftType> &types, const std::vector<TourType> &tours,
                       const TourSpace &space, const WeekTourModel &layout)
{
    using Goal = WeekTourModel::Goal;
    WeekStages stages;
    if (AnyMaximum(types, tours)) {
        WeekTourModel shortfall = WeekTourModel::build(week, types, tours, space, Goal::Shortfall);
        stages.start = WeekStartPlan::values(week, types, tours, space, shortfall);
        stages.first = std::move(shortfall.model);
    } else {
        stages.start = WeekStartPlan::values(week, types, tours, space, layout);
    }
    stages.fallback = stages.start;
    stages.second = [&week, &types, &tours, &space, &layout](const MipSolution *shortfall) {
        if (!shortfall)
            return layout.model;
        return WeekTourModel::build(week, types, tours, space, Goal::PaidHoursWithShortfall,
                                    static_cast<int>(std::llround(shortfall->objective)))
            .model;
    };
    return stages;
}

WeekStages ServiceStages(const ShiftWeek &week, const std::vector<ShiftType> &types,
                         const std::vector<TourType> &tours, const TourSpace &space, const WeekTourModel &layout,
                         WeekServiceAims &aims)
{
    using Goal = WeekTourModel::Goal;
    WeekStages stages;
    // The greedy covering week is no start for the solver: on these models
    // CBC 2.10 fails in its preprocessing with one (infeasible or not), and
    // it starts far above the plans CBC finds unaided. It stands as the
    // plan only where the search finds none (a 24/7 week at a short limit).
    stages.fallback = WeekStartPlan::values(week, types, tours, space, layout);
    if (AnyMaximum(types, tours))
        stages.first = WeekTourModel::build(week, types, tours, space, Goal::ServiceLevel, aims.aims()).model;
    stages.second = [&week, &types, &tours, &space, &layout, &aims](const MipSolution *highest) {
        if (highest)
            aims.reachedBy(week, layout, space, highest->values);
        return WeekTourModel::build(week, types, tours, space, Goal::PaidHoursWithService, aims.aims()).model;
    };
    return stages;
}

WeekPlanResult PlanWeekUnguarded(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                 const std::vector<TourType> &tours, const MipSettings &settings,
                                 std::optional<double> serviceGoal)
{
    const auto started = std::chrono::steady_clock::now();
    WeekPlanResult result;
    result.problem = CheckWeekInput(week, types, tours);
    if (!result.problem && serviceGoal)
        result.problem = CheckService(week);
    if (result.problem)
        return result;
    const TourSpace space = TourSpace::build(week, types, tours);

    const WeekTourModel layout = WeekTourModel::build(week, types, tours, space, WeekTourModel::Goal::PaidHours);
    if (settings.progress) {
        settings.progress->clear();
        settings.progress->setHoursPerUnit(layout.unitMinutes / 60.0);
    }
    std::optional<WeekServiceAims> aims;
    if (serviceGoal)
        aims.emplace(week, space, *serviceGoal);
    WeekStages stages = aims ? ServiceStages(week, types, tours, space, layout, *aims)
                             : CoverStages(week, types, tours, space, layout);
    MipSettings startFrom = settings;
    startFrom.start = stages.start;
    startFrom.proximitySearch = startFrom.proximitySearch || aims.has_value();
    // The model and its starting plan count against the time limit.
    startFrom.timeLimitSeconds -= std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    // Both stages of a week's cover have the same columns: the second
    // starts from the first's plan.
    TwoStageSolve solve = TwoStageSolve::run(std::move(stages.first), stages.second, startFrom, !aims);
    result.model = std::move(solve.model);
    if (!solve.hasPlan() && !solve.solverFailed && !stages.fallback.empty()) {
        // The greedy week is a plan found, if nothing better was.
        solve.solution = MipSolution();
        solve.solution.values = stages.fallback;
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
    if (aims) {
        if (!solve.weighed)
            aims->reachedBy(week, layout, space, solution.values);
        plan.setServiceGoal(*serviceGoal, aims->shortOfGoal());
        for (std::size_t d = 0; d < plan.days.size(); ++d) {
            const std::optional<ServiceDay> &service = week.days[d].service;
            if (plan.days[d].open && service && service->floor.isSet() && service->calls() > 0)
                plan.days[d].floorCheck = ShiftPlan::FloorCheck{service->floor, ServiceLevels::floorOutOfReach(*service), {}};
        }
    }
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
    try {
        return PlanWeekUnguarded(week, shiftTypes, tours, settings, serviceGoal);
    } catch (const std::exception &e) {
        WeekPlanResult result;
        result.failure = SolverFailureText(e.what());
        return result;
    }
}
