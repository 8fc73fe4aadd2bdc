// SPDX-License-Identifier: MIT
#include "twostagesolve.h"

#include <algorithm>

QString PlanFailureText(const MipSolution &solution)
{
    if (solution.cancelled)
        return QStringLiteral("The planning was cancelled before a plan was found.");
    return QStringLiteral("The solver found no plan within the time limit; allow it more time.");
}

TwoStageSolve TwoStageSolve::run(std::optional<MipModel> first,
                                 const std::function<MipModel(const MipSolution *first)> &second,
                                 const MipSettings &settings)
{
    TwoStageSolve result;
    const bool staged = first.has_value();
    MipSettings remaining = settings;
    MipSolution firstSolution;
    if (staged) {
        result.model = std::move(*first);
        firstSolution = SolveMip(result.model, remaining);
        if (firstSolution.status == MipStatus::NoSolution) {
            result.failure = PlanFailureText(firstSolution);
            return result;
        }
        if (firstSolution.status == MipStatus::Stopped) {
            result.solution = std::move(firstSolution);
            return result;
        }
        remaining.timeLimitSeconds = std::max(0.1, settings.timeLimitSeconds - firstSolution.seconds);
    }
    result.model = second(staged ? &firstSolution : nullptr);
    MipSolution solution = SolveMip(result.model, remaining);
    if (solution.status != MipStatus::NoSolution) {
        result.solution = std::move(solution);
        result.weighed = true;
    } else if (staged && !solution.cancelled) {
        result.solution = std::move(firstSolution);
    } else {
        result.failure = PlanFailureText(solution);
    }
    return result;
}
