// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"
#include "mipsolver.h"
#include "shiftinputproblem.h"
#include "shiftplan.h"

#include <QString>

#include <optional>
#include <vector>

struct ServiceDay;
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

// The cheapest shifts whose day's call-weighted service level, by the
// slots' curves in `service`, reaches its goal; slots may fall below their
// requirement. Every slot with calls that a shift reaches gets at least its
// curve's lowest level (where the per-type maximums allow: with maximums
// the highest reachable level is sought first, as the shortfall is for
// cover). A goal above what the types reach plans that most at the fewest
// paid hours and says so in serviceReachable. The plan's dayServiceLevel is
// left for the caller, who holds the staffing model, to fill in.
ShiftPlanResult PlanShiftsForService(const ShiftDay &day, const std::vector<ShiftType> &types,
                                     const ServiceDay &service, const MipSettings &settings);

// Why a solve gave no plan, in words.
QString PlanFailureText(const MipSolution &solution);
