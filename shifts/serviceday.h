// SPDX-License-Identifier: MIT
#pragma once

#include "servicecurve.h"

#include <vector>

// What the shift planner's service-level goal weighs, slot by slot: the
// day's call-weighted service level must reach `goal`.
struct ServiceDay
{
    // Shares of the staffed agents who answer calls are given in this unit.
    static constexpr int ShareUnit = 10000;

    double goal = 0; // 0..1
    // The staffed agents of a slot who answer calls: staffed x
    // answeringShare / ShareUnit, rounded down (shrinkage's share).
    int answeringShare = ShareUnit;
    // One per slot of the day, slot 1 first; a slot without calls has calls 0
    // and no levels.
    std::vector<ServiceCurve> curves;

    int answering(int staffed) const
    {
        return static_cast<int>(static_cast<long long>(staffed) * answeringShare / ShareUnit);
    }
    double calls() const
    {
        double sum = 0;
        for (const ServiceCurve &curve : curves)
            sum += curve.calls;
        return sum;
    }
};
