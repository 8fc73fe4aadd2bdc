// SPDX-License-Identifier: MIT
#pragma once

#include "shiftday.h"
#include "planservicecheck.h"
#include "shiftplan.h"
#include "shiftplancomparison.h"
#include "shifttype.h"

#include <optional>
#include <vector>

// What a shift-plan window asks of the agent window it plans for.
class ShiftPlanOwner
{
public:
    virtual ~ShiftPlanOwner() = default;
    // The day to plan, from a fresh recalculation of the Schedule; none when
    // the recalculation refused an input (the agent window said which).
    virtual std::optional<ShiftDay> planDay() = 0;
    virtual const std::vector<ShiftType> &shiftTypes() const = 0;
    // The shift types dialog, with the slot floor; true when the planner
    // accepted them.
    virtual bool editShiftTypes() = 0;
    // Copies the plan's staffed agents into the Schedule's Have column; the
    // plan was made for `day`, which must still be the Schedule's.
    virtual void useAsRoster(const ShiftPlan &plan, const ShiftDay &day) = 0;
    // The roster check of the day planDay() last gave, for the plan for the
    // day's service level.
    virtual PlanServiceCheck serviceCheck() const = 0;
    virtual void printPlan(const ShiftPlan &plan, const ShiftPlanComparison *comparison) = 0;
};
