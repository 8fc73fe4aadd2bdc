// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

class AgentScenario;
struct CommandLine;

// varnook-calc shifts, once the scenario's Schedule is filled: reads the
// shift types, plans the day's shifts within the time limit, writes the
// model as an LP file when asked and formats the plan.
CalculatorRun RunShiftPlanner(const AgentScenario &scenario, const CommandLine &line, const StandardInput &standardInput);
