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
// --write-lp: the model in the LP format; or a run that failed, leaving no
// partial file.
std::optional<CalculatorRun> WriteLpFile(const QString &name, const MipModel &model);

// varnook-calc shifts, once the scenario's Schedule is filled: reads the
// shift types, plans the day's shifts within the time limit, writes the
// model as an LP file when asked and formats the plan.
CalculatorRun RunShiftPlanner(const AgentScenario &scenario, const CommandLine &line, const StandardInput &standardInput);
