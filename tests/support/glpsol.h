// SPDX-License-Identifier: MIT
#pragma once

#include <string>

// Whether glpsol, the independent solver the tests read LP files back
// with, was found when the build was configured.
bool GlpsolInstalled();

// Solves the LP text `lp` with glpsol and checks that it proves an integer
// optimum of `objective` (in the model's own units); a check that fails
// fails the running test. Only where GlpsolInstalled().
void VerifyGlpsolOptimum(const std::string &lp, double objective);
