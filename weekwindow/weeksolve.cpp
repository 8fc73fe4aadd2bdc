// SPDX-License-Identifier: MIT
#include "weeksolve.h"

#include "field.h"
#include "weekplanner.h"

QString WeekRefusalText(const WeekScenario::Build &build)
{
    const FailingInput &failing = build.refused.failing;
    QString what = failing.name();
    if (failing.isGridRow())
        what = QStringLiteral("the calls of slot %1").arg(failing.row());
    else if (failing.isField())
        what = FieldDescription(failing.field());
    const QString reason = failing.isField() ? failing.reason() : QString();
    return QStringLiteral("%1: the day's Schedule refuses %2%3")
        .arg(WeekScenario::dayTitle(build.failingDay), what, reason.isEmpty() ? QString() : QStringLiteral(": ") + reason);
}

std::optional<double> WeekServiceGoal(const ShiftWeek &week)
{
    for (const ShiftWeek::Day &day : week.days) {
        if (day.service)
            return day.service->goal;
    }
    return std::nullopt;
}

namespace {

WeekSolveResult solveFor(const WeekScenario &week, const ShiftWeek &shiftWeek, std::optional<double> serviceGoal,
                         const MipSettings &settings)
{
    WeekSolveResult result;
    const WeekPlanResult planned
        = PlanWeek(shiftWeek, week.plannedShiftTypes(), week.plannedTourTypes(), settings, serviceGoal);
    if (planned.problem)
        result.message = planned.problem->message;
    else if (!planned.plan)
        result.message = planned.failure;
    else {
        result.plan = planned.plan;
        week.checkPlan(*result.plan);
    }
    return result;
}

} // namespace

WeekSolveResult SolveWeek(const WeekScenario &week, ShiftGoal goal, const MipSettings &settings)
{
    const bool forService = goal == ShiftGoal::ServiceLevel;
    const WeekScenario::Build build = week.shiftWeek(forService);
    if (!build.week) {
        WeekSolveResult refused;
        refused.message = WeekRefusalText(build);
        return refused;
    }
    if (!forService)
        return solveFor(week, *build.week, std::nullopt, settings);
    const WeekSolveResult cover = solveFor(week, *build.week, std::nullopt, settings);
    if (!cover.plan || (settings.cancel && settings.cancel->load()))
        return cover;
    WeekSolveResult service = solveFor(week, *build.week, WeekServiceGoal(*build.week), settings);
    service.coverPlan = cover.plan;
    return service;
}
