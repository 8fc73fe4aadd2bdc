// SPDX-License-Identifier: MIT
#include "goalrule.h"

unsigned GoalRule::missed(const AgentFigures &f) const
{
    unsigned goals = 0;
    if (!MeetsGoal(f.serviceLevel, goalPercent))
        goals |= ServiceLevelGoal;
    // Written as "not within" so that a figure that is not a number misses.
    if (maxOccupancyPercent && !(f.usage <= *maxOccupancyPercent / 100))
        goals |= OccupancyCap;
    if (maxAbandonPercent && !(f.abandonRate <= *maxAbandonPercent / 100))
        goals |= AbandonmentGoal;
    return goals;
}

unsigned GoalRule::decidedBy(const AgentFigures &oneAgentFewer) const
{
    const unsigned goals = missed(oneAgentFewer);
    return (goals & ServiceLevelGoal) ? unsigned(ServiceLevelGoal) : goals;
}
