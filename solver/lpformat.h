// SPDX-License-Identifier: MIT
#pragma once

#include <string>

struct MipModel;

// The model in the CPLEX LP format, which other solvers (glpsol --lp,
// cbc, highs) read: objective, constraints, bounds and integer columns.
// Lines are kept short of the format's 255-character limit.
std::string LpFormatText(const MipModel &model);
