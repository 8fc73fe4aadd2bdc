// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "conversions.h"
#include "evaluation.h"
#include "queueing.h"
#include "staffingmodel.h"
#include "texts.h"

void AgentScenario::FillAgentsTable()
{
    const CallLoad load = ComputeCallLoad(CallCount, PeriodMinutes, HandleSeconds);
    const ServiceInputs inputs{HandleSeconds, TalkSeconds, AbandonWaitSeconds, GoalSeconds};
    const std::unique_ptr<LoadEvaluation> evaluation = std::move(m_model->evaluations({load}, inputs).front());
    m_rowValues.clear();

    double n = load.startAgents;
    int row = 1;
    int goalRow = 0;
    while (row <= AgentsTableLastRow) {
        m_grid.setRowCount(row + 1);
        m_grid.setCell(ResultTable::AgentsColumn, row, QString::number(static_cast<long long>(n)));
        if (!evaluation->carries(n)) {
            // This agent number cannot carry the load: it gets no row.
            n = n + 1;
            continue;
        }
        const AgentFigures f = evaluation->evaluate(n);
        const int trunks = Calc::TrunksNeeded(n, f.trunkLoad, 1.0);
        m_grid.setCell(ResultTable::ServiceColumn, row, Calc::PercentText(f.serviceLevel, 0));
        m_grid.setCell(ResultTable::QueuedColumn, row, Calc::PercentText(f.waitProbability, 0));
        m_grid.setCell(ResultTable::AbandonColumn, row, Calc::PercentText(f.abandonRate, 0));
        m_grid.setCell(ResultTable::UsageColumn, row, Calc::PercentText(f.usage, 0));
        m_grid.setCell(ResultTable::AnswerColumn, row, Calc::DurationText(f.answerTime));
        m_grid.setCell(ResultTable::QueueTimeColumn, row, Calc::DurationText(f.queueTime));
        m_grid.setCell(ResultTable::QueueLengthColumn, row, Calc::FormatNumber(f.queueLength, 0));
        m_grid.setCell(ResultTable::TrunksColumn, row, QString::number(trunks));
        RowValues values;
        values.agents = n;
        values.evaluated = true;
        values.figures = f;
        values.trunks = trunks;
        m_rowValues.push_back(values);
        if (goalRow == 0 && MeetsGoal(f.serviceLevel, GoalPercent))
            goalRow = row;
        ++row;
        n = n + 1;
        if (f.serviceLevel > PracticallyFullService)
            break;
    }
    m_goalRow = goalRow;
    if (goalRow > 0)
        m_grid.setCurrentCell(m_grid.currentColumn(), goalRow);
    tableFilled();
}
