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
    // Whether every plan asked for was found and none was stopped by a
    // cancel. A window shows the plans found either way (the best so far,
    // marked as stopped); this tells a finished pair from a partial one.
    bool complete() const;
};
