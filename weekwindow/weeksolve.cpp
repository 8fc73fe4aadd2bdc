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

WeekSolveResult SolveWeek(const WeekScenario &week, ShiftGoal goal, const MipSettings &settings)
{
    WeekSolveResult result;
    const bool forService = goal == ShiftGoal::ServiceLevel;
    const WeekScenario::Build build = week.shiftWeek(forService);
    if (!build.week) {
        result.message = WeekRefusalText(build);
        return result;
    }
    const WeekPlanResult planned = PlanWeek(*build.week, week.plannedShiftTypes(), week.plannedTourTypes(), settings,
                                            forService ? WeekServiceGoal(*build.week) : std::nullopt);
    if (planned.problem) {
        result.message = planned.problem->message;
        return result;
    }
    if (!planned.plan) {
        result.message = planned.failure;
        return result;
    }
    result.plan = planned.plan;
    week.checkPlan(*result.plan);
    return result;
}
