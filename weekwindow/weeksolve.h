// SPDX-License-Identifier: MIT
#pragma once

#include "mipprogress.h"
#include "mipsolver.h"
#include "shiftplan.h"
#include "weekplan.h"
#include "weekscenario.h"

#include <QString>

#include <optional>

// What solving a week gave: a plan with each open day's service level
// from its roster check, or why there is none, in words.
struct WeekSolveResult
{
    std::optional<WeekPlan> plan;
    QString message;
    // With the service-level goal, the cover plan solved first to compare
    // it with (none when that solve found none).
    std::optional<WeekPlan> coverPlan;
};

// The week's requirement from its days' Schedules and the cheapest week of
// tours for it (PlanWeek), for the goal chosen: every slot covered, or
// each open day's service level at the days' goal, after a cover plan to
// compare it with (each solve within the time limit). Meant for a thread
// of its own: it reads only its arguments; `settings.cancel` stops it.
WeekSolveResult SolveWeek(const WeekScenario &week, ShiftGoal goal, const MipSettings &settings);

// Why the week's Schedules give no requirement: the day and the input its
// Schedule refused.
QString WeekRefusalText(const WeekScenario::Build &build);

// The goal every open day's service level aims at: the days' own, as their
// Schedules' input check read it; none without a day's service curves.
std::optional<double> WeekServiceGoal(const ShiftWeek &week);

// The status line while a solve runs: the seconds since it began and,
// once the search has found one, the best plan's paid hours and how far
// above the bound they may be.
QString SolvingText(double seconds, const MipProgress::Figures &figures);
