// SPDX-License-Identifier: MIT
#pragma once

struct ShiftPlan;

// The plans of both goals for one day, shown side by side; either may be
// missing (its solve found none).
struct ShiftPlanComparison
{
    const ShiftPlan *cover = nullptr;
    const ShiftPlan *service = nullptr;
};
