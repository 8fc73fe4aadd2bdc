// SPDX-License-Identifier: MIT
#pragma once

#include "calculator.h"

struct CommandLine;

// varnook-calc week: reads the week file, puts the options given over its
// settings, shift and tour types, builds each open day's requirement from
// its Schedule, plans the week's tours within the time limit, writes the
// model as an LP file when asked and formats the plan.
CalculatorRun RunWeekPlanner(const CommandLine &line, const StandardInput &standardInput);
