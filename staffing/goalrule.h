// SPDX-License-Identifier: MIT
#pragma once

#include "evaluation.h"

#include <optional>

// What the goal row of a table must meet: the service-level goal and, where
// the planner set them, a cap on the agents' occupancy and a limit on the
// share of callers who hang up. The goal row is the first agent number that
// meets all of them.
struct GoalRule
{
    // The goals of a rule, as flags that can be combined.
    enum Goal : unsigned {
        ServiceLevelGoal = 1u,
        OccupancyCap = 2u,
        AbandonmentGoal = 4u,
    };

    int goalPercent = 0;                       // share answered within the goal time, whole percent
    std::optional<double> maxOccupancyPercent; // 1..100: usage may not exceed it
    std::optional<double> maxAbandonPercent;   // 0..100: abandonment may not exceed it

    // The goals that `f` misses (0 when it meets the rule). The service level
    // is compared as a whole percentage rounded half to even, as the table
    // shows it; the cap and the abandonment limit exactly (a usage of 85.47 %
    // breaks an 85 % cap). A figure that is not a number misses its goal.
    unsigned missed(const AgentFigures &f) const;
    bool met(const AgentFigures &f) const { return missed(f) == 0; }

    // Which goals decided a goal row, given the figures of one agent fewer
    // (the row above it): ServiceLevelGoal when that one missed the service
    // level (whatever else it missed), otherwise the other goals it missed.
    // A window says "the occupancy cap decided the goal row" when this is
    // OccupancyCap.
    unsigned decidedBy(const AgentFigures &oneAgentFewer) const;

    // Whether a cap or an abandonment limit is set beside the service level.
    bool hasLimits() const { return maxOccupancyPercent.has_value() || maxAbandonPercent.has_value(); }

};
