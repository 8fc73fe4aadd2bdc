// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <vector>

// The Nelder-Mead simplex method (Nelder and Mead 1965, with the usual
// coefficients: reflection 1, expansion 2, contraction and shrink 1/2),
// kept inside the unit box [0,1]^n by moving every trial point that falls
// outside onto the box's nearest face.
struct NelderMead
{
    using Function = std::function<double(const std::vector<double> &)>;

    struct Result
    {
        std::vector<double> x;
        double value = 0;
        int evaluations = 0;
    };

    // The simplex starts at `start` and `start` moved by `step` along each
    // axis (back, where that leaves the box). It stops when the values at
    // its corners differ by at most `tolerance` times the best one (plus
    // 1e-12), or after `maxEvaluations` evaluations.
    static Result minimise(const Function &f, std::vector<double> start, double step = 0.2,
                           int maxEvaluations = 300, double tolerance = 1e-9);
};
