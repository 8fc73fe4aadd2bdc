// SPDX-License-Identifier: MIT
#include "weeksolve.h"

#include "field.h"
#include "shiftplantext.h"
#include "weekplanner.h"

#include <chrono>

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

// The cover plan as a plan for the service level, where by the roster
// check it gives every open day with calls the goal and every slot its
// floor: the service search, with half the time left, may stop with no
// plan of its own, or a dearer one.
std::optional<WeekPlan> CoverAsServicePlan(const WeekScenario &week, WeekPlan cover, const WeekPlan &service)
{
    if (!service.serviceGoal)
        return std::nullopt;
    cover.setServiceGoal(*service.serviceGoal, {});
    for (std::size_t d = 0; d < cover.days.size(); ++d)
        cover.days[d].floorCheck = service.days[d].floorCheck;
    week.checkPlan(cover);
    for (std::size_t d = 0; d < cover.days.size(); ++d) {
        const WeekPlan::Day &day = cover.days[d];
        if (day.serviceLevel && *day.serviceLevel < *service.serviceGoal)
            return std::nullopt;
        if (day.floorCheck && !day.floorCheck->missedSlots.empty())
            return std::nullopt;
    }
    return cover;
}

} // namespace

QString SolvingText(double seconds, const MipProgress::Figures &figures)
{
    QString text = QStringLiteral("Solving... %1 s").arg(QString::number(seconds, 'f', 1));
    if (figures.paidHours) {
        text += QStringLiteral(": best plan %1 paid hours").arg(ShiftPlanText::hours(*figures.paidHours));
        if (const std::optional<double> gap = figures.gap())
            text += QStringLiteral(", at most %1% above the bound").arg(QString::number(*gap * 100, 'f', 1));
    }
    return text + QStringLiteral(" (Esc cancels)");
}

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
    if (const std::optional<QString> problem = week.floorProblem()) {
        WeekSolveResult refused;
        refused.message = *problem;
        return refused;
    }
    // One limit for both solves: the cover plan takes at most half of it,
    // the service-level plan, whose model is the larger, all that is left.
    const auto started = std::chrono::steady_clock::now();
    MipSettings coverSettings = settings;
    coverSettings.timeLimitSeconds = settings.timeLimitSeconds / 2;
    const WeekSolveResult cover = solveFor(week, *build.week, std::nullopt, coverSettings);
    if (!cover.plan || (settings.cancel && settings.cancel->load()))
        return cover;
    MipSettings serviceSettings = settings;
    serviceSettings.timeLimitSeconds =
        settings.timeLimitSeconds - std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    WeekSolveResult service = solveFor(week, *build.week, WeekServiceGoal(*build.week), serviceSettings);
    service.coverPlan = cover.plan;
    if (service.plan && cover.plan->paidHours < service.plan->paidHours) {
        if (std::optional<WeekPlan> better = CoverAsServicePlan(week, *cover.plan, *service.plan)) {
            // Nothing is proven of it for this goal: it stands as stopped.
            better->solver = service.plan->solver;
            better->solver.status = MipStatus::Stopped;
            better->solver.objective = better->paidHours;
            better->solver.bound = std::min(service.plan->solver.bound, better->paidHours);
            service.plan = better;
        }
    }
    return service;
}
