// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"
#include "mipsolver.h"
#include "shiftweek.h"
#include "tourtype.h"
#include "weekinputproblem.h"
#include "weekplan.h"

#include <QString>

#include <optional>
#include <vector>

struct ShiftType;

// What planning a week found: a plan, a problem with the input, or a
// solver that stopped before it had any plan (failure in words).
struct WeekPlanResult
{
    std::optional<WeekPlan> plan;
    std::optional<WeekInputProblem> problem;
    QString failure;
    // The last model solved, for writing as an LP file; empty when the
    // input was refused.
    MipModel model;
};

// The cheapest week of tours: checks the input, solves the tour model
// (first the least shortfall when the tours' maximums may prevent full
// cover) within the time limit and hands out every agent's week. With
// `serviceGoal` (0..1) the cheapest week in which every open day's service
// level by its curves (ShiftWeek's, from shiftWeek(true)) meets the goal,
// its slots their floors, or, where the tours cannot, the most they give
// (first solved with maximums, as for a day). Never "infeasible":
// unreachable slots are named.
WeekPlanResult PlanWeek(const ShiftWeek &week, const std::vector<ShiftType> &shiftTypes,
                        const std::vector<TourType> &tours, const MipSettings &settings,
                        std::optional<double> serviceGoal = std::nullopt);
