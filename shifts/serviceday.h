// SPDX-License-Identifier: MIT
#pragma once

#include "answeringshare.h"
#include "servicecurve.h"
#include "slotfloor.h"

#include <vector>

// What the shift planner's service-level goal weighs, slot by slot: the
// day's call-weighted service level must reach `goal`.
struct ServiceDay
{
    double goal = 0; // 0..1
    // The share of a slot's staffed agents who answer calls (shrinkage's).
    AnsweringShare answeringShare;
    // One per slot of the day, slot 1 first; a slot without calls has calls 0
    // and no levels.
    std::vector<ServiceCurve> curves;
    // The floor under every slot that the curves' `floor` counts stand for;
    // unset without one.
    SlotFloor floor;

    int answering(int staffed) const { return answeringShare.answering(staffed); }
    double calls() const
    {
        double sum = 0;
        for (const ServiceCurve &curve : curves)
            sum += curve.calls;
        return sum;
    }
};
