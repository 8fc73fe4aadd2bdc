// SPDX-License-Identifier: MIT
#pragma once

#include <cmath>

// The share of the rostered agents who answer calls under a shrinkage, in
// ten-thousandths of the roster. A shrinkage has at most two decimals, so
// the share is exact, and so is the rounding down of the answering agents:
// the one rule for them.
struct AnsweringShare
{
    static constexpr int Unit = 10000;

    int share = Unit;

    static AnsweringShare ofShrinkage(double percent)
    {
        return {Unit - static_cast<int>(std::lround(percent * 100))};
    }
    // Of `rostered` agents, those who answer: rostered x share / Unit,
    // rounded down.
    int answering(int rostered) const
    {
        return static_cast<int>(static_cast<long long>(rostered) * share / Unit);
    }
};
