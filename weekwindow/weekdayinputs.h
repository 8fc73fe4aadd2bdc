// SPDX-License-Identifier: MIT
#pragma once

#include "weekscenario.h"

#include <QStringList>

#include <utility>
#include <vector>

class ScenarioInputs;

// A week's day as an agent window of that day now holds it: its period
// (the Schedule's slots, rounded as the Schedule rounds them), its calls
// and its slots' own times; the date stays the week's. A day whose window
// ran on slots of another length keeps `before`.
WeekScenario::Day WeekDayFromInputs(const ScenarioInputs &inputs, const WeekScenario::Day &before, int slotMinutes);

// What a day's agent window changed comes back into the week: only when
// its day differs from the week's own day as that window would show it
// (so that a window showing the day unchanged changes nothing). Whether
// the week changed.
bool TakeDayWindowChanges(WeekScenario &week, int day, const ScenarioInputs &window);

// Use as Rosters: each open day with calls and the inputs its agent window
// gets, the plan's staffing as its roster; the open days without calls
// (which have no roster check) go into `withoutCalls` by name.
std::vector<std::pair<int, ScenarioInputs>> WeekRosterInputs(const WeekScenario &week, const WeekPlan &plan,
                                                             QStringList *withoutCalls);
