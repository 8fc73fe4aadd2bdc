// SPDX-License-Identifier: MIT
#include "shiftplanpair.h"

#include "serviceplanner.h"

ShiftPlanPair ShiftPlanPair::solve(const ShiftDay &day, const std::vector<ShiftType> &types,
                                   const MipSettings &settings, const PlanServiceCheck *check)
{
    ShiftPlanPair pair;
    pair.cover = PlanShifts(day, types, settings);
    if (!check || pair.cover.problem || (settings.cancel && settings.cancel->load()))
        return pair;
    pair.service = PlanShiftsForService(day, types, check->serviceDay(), settings);
    for (ShiftPlanResult *result : {&pair.cover, &*pair.service}) {
        if (result->plan)
            check->checkPlan(*result->plan);
    }
    return pair;
}

bool ShiftPlanPair::complete() const
{
    for (const ShiftPlanResult *result : {&cover, service ? &*service : nullptr}) {
        if (result && (!result->plan || result->plan->solver.cancelled))
            return false;
    }
    return true;
}
