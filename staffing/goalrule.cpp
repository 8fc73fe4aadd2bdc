// SPDX-License-Identifier: MIT
#include "goalrule.h"

unsigned GoalRule::decidedBy(const AgentFigures &oneAgentFewer) const
{
    const unsigned goals = missed(oneAgentFewer);
    return (goals & ServiceLevelGoal) ? unsigned(ServiceLevelGoal) : goals;
}
