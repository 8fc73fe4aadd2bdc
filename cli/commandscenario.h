// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <optional>

class AgentScenario;
struct CommandLine;
struct PlanningOptions;
struct RecalcResult;
struct SlotFloor;

// The planning options given on the command line over `options` (a loaded
// file's own); a value out of range is invalid input, and leaves `options`
// as it was.
std::optional<CalculatorRun> ApplyPlanningOptions(PlanningOptions &options, const CommandLine &line);

// --slot-floor and --slot-abandon-max over `floor` (a loaded file's own); a
// value out of range is invalid input.
std::optional<CalculatorRun> ApplySlotFloor(SlotFloor &floor, const CommandLine &line);

// Fills a new scenario as the command line describes it, as a planner would
// fill an agent window: agents from the fields and planning options,
// schedule and shifts also with the Schedule's slots, volumes and roster,
// FILE from the scenario file and the options given over its own. The
// recalculation goes into *result; or a run that failed. What a scenario
// file's load replaced goes into *warnings.
std::optional<CalculatorRun> FillScenario(AgentScenario &scenario, const CommandLine &line,
                                          const StandardInput &standardInput, RecalcResult *result,
                                          QStringList *warnings);
