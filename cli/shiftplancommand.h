// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

#include <QString>

#include <optional>
#include <vector>

class AgentScenario;
struct CommandLine;
struct MipModel;
struct ShiftType;

// The shift types of --shift and --shifts-file, in order; or a run that
// failed (a type that does not read is invalid input naming the shift and
// the field).
std::optional<CalculatorRun> ReadShiftTypes(const CommandLine &line, const StandardInput &standardInput,
                                            std::vector<ShiftType> *types);
// What every plan command does once its solve is over: writes the model
// in the LP format when --write-lp asks (a run that failed when it cannot,
// leaving no partial file), then, without a plan, the run that failed with
// the solver's `failure`.
std::optional<CalculatorRun> WriteModelAndCheckPlan(const CommandLine &line, const MipModel &model, bool planned,
                                                    const QString &failure);

// varnook-calc shifts, once the scenario's Schedule is filled: reads the
// shift types, plans the day's shifts within the time limit, writes the
// model as an LP file when asked and formats the plan.
CalculatorRun RunShiftPlanner(const AgentScenario &scenario, const CommandLine &line, const StandardInput &standardInput);
