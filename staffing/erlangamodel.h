// SPDX-License-Identifier: MIT
#pragma once

#include "staffingmodel.h"

// The queue whose callers hang up (Erlang A): Poisson arrivals, exponential
// handling, and callers who leave the queue after an exponentially
// distributed patience, whose mean is the "wait before abandon" of the
// inputs. Every figure is exact (Calc::ErlangA). The queue is stable at any
// agent number from 1 up, so every one carries the load and a table may
// start below the load: RowsAboveGoal rows above its goal row.
class ErlangAModel : public StaffingModel
{
public:
    // Rows a table shows above its goal row, so that the planner sees what
    // fewer agents would give (the Agents table shows at most 19 rows).
    static constexpr int RowsAboveGoal = LoadEvaluation::RowsAboveGoal;
    // The most agents the search for a goal row tries: a hundred times the
    // largest load accepted, where even a 1 % occupancy cap is met. A rule
    // that no agent number up to it meets (a goal above 100 %) has no goal
    // row; the table then starts RowsAboveGoal below the load's own first
    // agent number.
    static constexpr long long MaxAgentsSearched = 100000000;

    // Whether `seconds` is a mean patience this model accepts: at least one
    // second. Any other patience is invalid input for it.
    static bool acceptsPatience(double seconds) { return seconds >= 1; }

    std::vector<std::unique_ptr<LoadEvaluation>> evaluations(const std::vector<CallLoad> &loads,
                                                             const ServiceInputs &inputs) const override;
};
