// SPDX-License-Identifier: MIT
#pragma once

#include "weekscenario.h"

class ScenarioInputs;

// A week's day as an agent window of that day now holds it: its period
// (the Schedule's slots, rounded as the Schedule rounds them), its calls
// and its slots' own times; the date stays the week's. A day whose window
// ran on slots of another length keeps `before`.
WeekScenario::Day WeekDayFromInputs(const ScenarioInputs &inputs, const WeekScenario::Day &before, int slotMinutes);
