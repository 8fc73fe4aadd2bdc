// SPDX-License-Identifier: MIT
#include "planservicecheck.h"

#include "agentstable.h"
#include "resulttable.h"
#include "scheduletable.h"
#include "shiftplan.h"
#include "staffingmodelinfo.h"

#include <algorithm>
#include <cmath>

PlanServiceCheck::PlanServiceCheck(const ScenarioInputs &inputs)
    : m_inputs(inputs)
    , m_model(StaffingModelInfo::of(inputs.Planning.model).make())
{
}

std::vector<RowValues> PlanServiceCheck::schedule(const ScenarioInputs &inputs) const
{
    ResultTable grid;
    ScheduleTable::prepareLayout(grid, inputs.timeSlots(), inputs);
    std::vector<RowValues> values;
    ScheduleTable(inputs, *m_model).fill(grid, values);
    return values;
}

ServiceDay PlanServiceCheck::serviceDay() const
{
    ServiceDay day;
    day.goal = m_inputs.GoalPercent / 100.0;
    day.answeringShare = AnsweringShare::ofShrinkage(m_inputs.Planning.shrinkagePercent);
    const TimeSlots slotList = m_inputs.timeSlots();
    day.curves.resize(static_cast<std::size_t>(slotList.count));
    std::vector<CallLoad> loads;
    std::vector<ServiceInputs> inputs;
    std::vector<std::size_t> withCalls;
    for (int slot = 1; slot <= slotList.count && slot <= ScenarioInputs::SlotCapacity; ++slot) {
        const double calls = m_inputs.SlotCalls[static_cast<std::size_t>(slot)];
        if (calls <= 0)
            continue;
        inputs.push_back(m_inputs.slotServiceInputs(slot));
        loads.push_back(ComputeCallLoad(calls, m_inputs.PeriodMinutes, inputs.back().handleSeconds));
        withCalls.push_back(static_cast<std::size_t>(slot - 1));
        day.curves[withCalls.back()].calls = calls;
    }
    const std::vector<std::unique_ptr<LoadEvaluation>> evaluations = m_model->slotEvaluations(loads, inputs);
    const std::vector<RowValues> rows = schedule(m_inputs);
    for (std::size_t i = 0; i < withCalls.size(); ++i) {
        ServiceCurve &curve = day.curves[withCalls[i]];
        // Asked in rising order from the load's first agent number that
        // carries it, as a table asks (Erlang C's goal row is never below
        // it; Erlang A's may be, and takes any order).
        curve.lowest = static_cast<int>(loads[i].startAgents);
        while (!evaluations[i]->carries(curve.lowest))
            ++curve.lowest;
        curve.lowest = std::min(curve.lowest, static_cast<int>(rows[withCalls[i]].agents));
        for (int n = curve.lowest; n < curve.lowest + MaxCurveSteps; ++n) {
            const double level = evaluations[i]->evaluate(n).serviceLevel;
            curve.levels.push_back(level);
            if (level > AgentsTable::PracticallyFullService)
                break;
        }
    }
    return day;
}

RosterDay PlanServiceCheck::rosterDay(const std::vector<int> &staffed) const
{
    ScenarioInputs inputs = m_inputs;
    inputs.SlotHave.fill(std::nullopt);
    for (std::size_t slot = 0; slot < staffed.size() && slot + 1 < inputs.SlotHave.size(); ++slot)
        inputs.SlotHave[slot + 1] = staffed[slot];
    return ComputeRosterDay(schedule(inputs), inputs.timeSlots().slotHours());
}

void PlanServiceCheck::checkPlan(ShiftPlan &plan) const
{
    plan.dayServiceLevel = rosterDay(plan.staffedPerSlot()).serviceLevel;
}
