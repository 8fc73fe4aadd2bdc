// SPDX-License-Identifier: MIT
#include "shiftplan.h"

std::vector<int> ShiftPlan::staffedPerSlot() const
{
    std::vector<int> staffed;
    for (const Slot &slot : coverage)
        staffed.push_back(slot.staffed);
    return staffed;
}
