// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"
#include "mipsolver.h"
#include "shiftinputproblem.h"
#include "shiftplan.h"

#include <QString>

#include <optional>
#include <vector>

struct ShiftDay;
struct ShiftType;

// What planning a day found: a plan, or a problem with the input, or a
// solver that stopped before it had any plan (failure in words).
struct ShiftPlanResult
{
    std::optional<ShiftPlan> plan;
    std::optional<ShiftInputProblem> problem;
    QString failure;
    // The last model solved (the one whose paid hours the plan reports),
    // for writing as an LP file; empty when the input was refused.
    MipModel model;
};

// The cheapest shifts for a day: checks the input, enumerates the variants,
// solves the cover model (first the smallest shortfall when per-type
// maximums may prevent full cover) within the time limit and reads the plan
// back. Never "infeasible": unreachable slots are left out and named, short
// slots are named.
ShiftPlanResult PlanShifts(const ShiftDay &day, const std::vector<ShiftType> &types, const MipSettings &settings);

