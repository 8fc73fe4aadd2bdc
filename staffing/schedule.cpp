// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "conversions.h"
#include "evaluation.h"
#include "queueing.h"
#include "texts.h"

#include <cmath>

void AgentScenario::ComputeSchedule()
{
    const ServiceInputs inputs{HandleSeconds, TalkSeconds, AbandonWaitSeconds, GoalSeconds};
    long long total = 0;
    for (int row = 1; row < m_grid.rowCount(); ++row) {
        const auto calls = Calc::ParseFloat(m_grid.cell(1, row));
        double agents = 0;
        AgentFigures f; // an unstaffed slot: service level 1, everything else 0
        int trunks = 0;
        if (calls && *calls != 0) {
            CallCount = *calls;
            total += static_cast<long long>(std::trunc(CallCount));
            const CallLoad load = ComputeCallLoad(CallCount, PeriodMinutes, HandleSeconds);
            Calc::LossRecursion loss(load.trafficLoad);
            double n = load.startAgents;
            // At most 19 agent numbers that can carry the load are tried;
            // the last one tried stands when none meets the goal.
            int evaluations = 1;
            while (evaluations < 20) {
                if (load.trafficLoad / n >= 1) {
                    n = n + 1;
                    continue;
                }
                f = EvaluateAgents(n, load, inputs, loss.at(static_cast<long long>(n)));
                if (MeetsGoal(f.serviceLevel, GoalPercent))
                    break;
                ++evaluations;
                if (evaluations < 20)
                    n = n + 1;
            }
            agents = n;
            // Only the agent number kept shows its lines.
            trunks = Calc::TrunksNeeded(n, f.trunkLoad, 1.0);
            if (f.answerTime > 1439.0 / 3600)
                f.answerTime = 1439.0 / 3600;
        }
        m_grid.setCell(2, row, QString::number(static_cast<long long>(agents)));
        m_grid.setCell(3, row, Calc::PercentText(f.serviceLevel, 0));
        m_grid.setCell(4, row, Calc::PercentText(f.waitProbability, 0));
        m_grid.setCell(5, row, Calc::PercentText(f.abandonRate, 0));
        m_grid.setCell(6, row, Calc::PercentText(f.usage, 0));
        m_grid.setCell(7, row, Calc::DurationText(f.answerTime));
        m_grid.setCell(8, row, QString::number(trunks));
    }
    if (onTableFilled)
        onTableFilled();
    // The number of calls becomes the day's total of the slot volumes.
    setText(Field::Edit1, QString::number(total));
}
