// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "conversions.h"
#include "evaluation.h"
#include "queueing.h"
#include "staffingmodel.h"
#include "texts.h"

#include <cmath>
#include <vector>

namespace {

struct SlotWork
{
    bool staffed = false;
    double calls = 0;
    CallLoad load;
    double agents = 0;
    AgentFigures figures;      // as shown; an unstaffed slot: service level 1, the rest 0
    AgentFigures exactFigures; // as the model gave them
    int trunks = 0;
};

} // namespace

void AgentScenario::ComputeSchedule()
{
    const ServiceInputs inputs{HandleSeconds, TalkSeconds, AbandonWaitSeconds, GoalSeconds};
    const int rows = m_grid.rowCount() - 1;
    std::vector<SlotWork> slotWork(static_cast<std::size_t>(rows));
    long long total = 0;

    // The loads of the staffed slots. A Calls text that is not a number, or
    // is 0, leaves its slot unstaffed.
    std::vector<CallLoad> loads;
    std::vector<int> staffedRows;
    for (int row = 1; row <= rows; ++row) {
        SlotWork &w = slotWork[static_cast<std::size_t>(row - 1)];
        const auto calls = Calc::ParseFloat(m_grid.cell(ResultTable::CallsColumn, row));
        if (calls)
            CallCount = *calls;
        if (!calls || *calls == 0)
            continue;
        w.staffed = true;
        w.calls = *calls;
        total += static_cast<long long>(std::trunc(*calls));
        w.load = ComputeCallLoad(*calls, PeriodMinutes, HandleSeconds);
        loads.push_back(w.load);
        staffedRows.push_back(row);
    }

    const std::vector<std::unique_ptr<LoadEvaluation>> slotEvaluations = m_model->evaluations(loads, inputs);
    std::vector<double> trunkLoads;
    std::vector<long long> trunkLines;
    std::vector<int> trunkSlots;
    const int staffed = static_cast<int>(staffedRows.size());
    for (int s = 0; s < staffed; ++s) {
        SlotWork &w = slotWork[static_cast<std::size_t>(staffedRows[static_cast<std::size_t>(s)] - 1)];
        LoadEvaluation &evaluation = *slotEvaluations[static_cast<std::size_t>(s)];
        double n = w.load.startAgents;
        // At most AgentNumbersTried agent numbers that can carry the load
        // are tried; the last one tried stands when none meets the goal.
        int evaluations = 1;
        while (evaluations <= AgentNumbersTried) {
            if (!evaluation.carries(n)) {
                n = n + 1;
                continue;
            }
            w.figures = evaluation.evaluate(n);
            if (MeetsGoal(w.figures.serviceLevel, GoalPercent))
                break;
            ++evaluations;
            if (evaluations <= AgentNumbersTried)
                n = n + 1;
        }
        w.agents = n;
        w.exactFigures = w.figures;
        // Only the agent number kept shows its lines; from 256 agents up the
        // lines equal the agents without a search.
        if (n > 255) {
            w.trunks = static_cast<int>(n);
        } else {
            trunkLoads.push_back(w.figures.trunkLoad);
            trunkLines.push_back(static_cast<long long>(n));
            trunkSlots.push_back(staffedRows[static_cast<std::size_t>(s)]);
        }
        if (w.figures.answerTime > Calc::LongestDurationHours)
            w.figures.answerTime = Calc::LongestDurationHours;
    }

    const int searches = static_cast<int>(trunkSlots.size());
    std::vector<double> trunkBlocking(static_cast<std::size_t>(searches));
    Calc::LossProbabilities(trunkLoads.data(), trunkLines.data(), trunkBlocking.data(), searches);
    for (int t = 0; t < searches; ++t) {
        SlotWork &w = slotWork[static_cast<std::size_t>(trunkSlots[static_cast<std::size_t>(t)] - 1)];
        w.trunks = Calc::TrunksNeededFrom(static_cast<int>(trunkLines[static_cast<std::size_t>(t)]),
                                          trunkLoads[static_cast<std::size_t>(t)],
                                          trunkBlocking[static_cast<std::size_t>(t)]);
    }

    m_rowValues.clear();
    for (int row = 1; row <= rows; ++row) {
        const SlotWork &w = slotWork[static_cast<std::size_t>(row - 1)];
        const AgentFigures &f = w.figures;
        RowValues values;
        values.agents = w.agents;
        values.evaluated = w.staffed;
        values.figures = w.exactFigures;
        values.trunks = w.trunks;
        values.slot = m_grid.cell(ResultTable::TimeColumn, row);
        values.calls = w.calls;
        m_rowValues.push_back(values);
        m_grid.setCell(ResultTable::SlotAgentsColumn, row, QString::number(static_cast<long long>(w.agents)));
        m_grid.setCell(ResultTable::SlotServiceColumn, row, Calc::PercentText(f.serviceLevel, 0));
        m_grid.setCell(ResultTable::SlotQueuedColumn, row, Calc::PercentText(f.waitProbability, 0));
        m_grid.setCell(ResultTable::SlotAbandonColumn, row, Calc::PercentText(f.abandonRate, 0));
        m_grid.setCell(ResultTable::SlotUsageColumn, row, Calc::PercentText(f.usage, 0));
        m_grid.setCell(ResultTable::SlotAnswerColumn, row, Calc::DurationText(f.answerTime));
        m_grid.setCell(ResultTable::SlotTrunksColumn, row, QString::number(w.trunks));
    }
    tableFilled();
    // The number of calls becomes the day's total of the slot volumes.
    setText(Field::Edit1, QString::number(total));
}
