// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// Whole calls per slot that keep the day's total: the total is the sum of
// `calls` rounded (halves up), each slot gets its whole part and the calls
// left over go one each to the slots with the largest fractions (the
// earlier slot first where they are equal): largest-remainder rounding.
// Values below 0 or not numbers count as 0.
std::vector<int> WholeCalls(const std::vector<double> &calls);
