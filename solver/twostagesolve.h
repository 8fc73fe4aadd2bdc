// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"
#include "mipsolver.h"

#include <QString>

#include <functional>
#include <optional>

// How both shift-plan goals solve a day. With per-type maximums the best
// the types can give (the least shortfall, the highest service level) is
// solved first, and then the fewest paid hours that keep it, in the time
// left; without maximums only the paid hours are solved.
struct TwoStageSolve
{
    // The solution the plan is read from; its values are empty when there
    // is none (then `failure` says why).
    MipSolution solution;
    // Whether the paid hours were minimised in `solution`: false for a plan
    // of the first stage, of whose cheaper plans nothing is known.
    bool weighed = false;
    QString failure;
    // Whether the failure was the solver's own error, not a search that
    // found nothing.
    bool solverFailed = false;
    // The last model solved, for writing as an LP file.
    MipModel model;

    bool hasPlan() const { return failure.isEmpty(); }

    // `first`: the first stage's model, none without maximums. `second`
    // builds the paid-hours model, given the first stage's solution (null
    // without one) and is solved in the time the first left. A first stage
    // stopped by the limit or a cancel, or one that leaves no time, gives
    // its plan unweighed; so does a second stage that finds nothing, for
    // whatever reason. An exception from the solver is a failure.
    // `settings.start` is the first model's start; with `secondStartsFromFirst`
    // the second model, of the same columns, starts from the first's plan.
    static TwoStageSolve run(std::optional<MipModel> first,
                             const std::function<MipModel(const MipSolution *first)> &second,
                             const MipSettings &settings, bool secondStartsFromFirst = false);

private:
    void solve(std::optional<MipModel> first, const std::function<MipModel(const MipSolution *first)> &second,
               const MipSettings &settings, bool secondStartsFromFirst);
};

// Why a solve gave no plan, in words.
QString PlanFailureText(const MipSolution &solution);
// "The solver failed: " and what an exception from it said.
QString SolverFailureText(const char *what);
