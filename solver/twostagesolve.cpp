// SPDX-License-Identifier: MIT
#include "twostagesolve.h"

#include "mipprogress.h"

#include <chrono>
#include <exception>

namespace {

// Below this many seconds left a second stage is not begun: CBC would
// spend them starting up.
constexpr double LeastSecondStageSeconds = 0.05;

} // namespace

QString PlanFailureText(const MipSolution &solution)
{
    if (solution.cancelled)
        return QStringLiteral("The planning was cancelled before a plan was found.");
    return QStringLiteral("The solver found no plan within the time limit; allow it more time.");
}

QString SolverFailureText(const char *what)
{
    return QStringLiteral("The solver failed: %1").arg(QString::fromLocal8Bit(what));
}

TwoStageSolve TwoStageSolve::run(std::optional<MipModel> first,
                                 const std::function<MipModel(const MipSolution *first)> &second,
                                 const MipSettings &settings, bool secondStartsFromFirst)
{
    TwoStageSolve result;
    try {
        result.solve(std::move(first), second, settings, secondStartsFromFirst);
    } catch (const std::exception &e) {
        result.solution = MipSolution();
        result.weighed = false;
        result.failure = SolverFailureText(e.what());
        result.solverFailed = true;
    }
    return result;
}

void TwoStageSolve::solve(std::optional<MipModel> first,
                          const std::function<MipModel(const MipSolution *first)> &second,
                          const MipSettings &settings, bool secondStartsFromFirst)
{
    const auto started = std::chrono::steady_clock::now();
    const bool staged = first.has_value();
    MipSettings remaining = settings;
    MipSolution firstSolution;
    if (staged) {
        model = std::move(*first);
        // The first stage weighs no paid hours: nothing to show of it.
        const double hoursPerUnit = settings.progress ? settings.progress->hoursPerUnit() : 0;
        if (settings.progress)
            settings.progress->setHoursPerUnit(0);
        firstSolution = SolveMip(model, remaining);
        if (settings.progress)
            settings.progress->setHoursPerUnit(hoursPerUnit);
        if (firstSolution.status == MipStatus::NoSolution) {
            failure = PlanFailureText(firstSolution);
            return;
        }
        remaining.timeLimitSeconds =
            settings.timeLimitSeconds - std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const bool cancelled = settings.cancel && settings.cancel->load();
        if (firstSolution.status == MipStatus::Stopped || cancelled
            || remaining.timeLimitSeconds < LeastSecondStageSeconds) {
            solution = std::move(firstSolution);
            solution.cancelled = solution.cancelled || cancelled;
            return;
        }
    }
    model = second(staged ? &firstSolution : nullptr);
    if (staged)
        remaining.start.clear();
    if (staged && secondStartsFromFirst && firstSolution.values.size() == model.columns.size())
        remaining.start = firstSolution.values;
    MipSolution last = SolveMip(model, remaining);
    if (last.status != MipStatus::NoSolution) {
        solution = std::move(last);
        weighed = true;
    } else if (staged) {
        // The first stage's plan stands, whatever stopped the second.
        solution = std::move(firstSolution);
        solution.cancelled = last.cancelled;
    } else {
        failure = PlanFailureText(last);
    }
}
