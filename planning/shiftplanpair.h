// SPDX-License-Identifier: MIT
#pragma once

#include "planservicecheck.h"
#include "shiftplanner.h"

#include <optional>
#include <vector>

// What one solve gives: the plan that covers every slot and, when asked
// for, the plan for the day's service level beside it, both with the roster
// check's day's service level.
struct ShiftPlanPair
{
    ShiftPlanResult cover;
    std::optional<ShiftPlanResult> service;

    // The cover plan alone without `check` (its figures as they always
    // were); with it, both plans, together within the time limit. A failure
    // of the solver or of the curves is a failure of the result, never an
    // exception.
    static ShiftPlanPair solve(const ShiftDay &day, const std::vector<ShiftType> &types, const MipSettings &settings,
                               const PlanServiceCheck *check);
    // The result of `goal`'s plan (the cover one when the other was not
    // asked for).
    const ShiftPlanResult &of(ShiftGoal goal) const
    {
        return goal == ShiftGoal::ServiceLevel && service ? *service : cover;
    }
    // A problem with the input, a solve without a plan, or a cancel, in
    // either: then nothing of the pair may replace a plan shown.
    bool complete() const;
};
