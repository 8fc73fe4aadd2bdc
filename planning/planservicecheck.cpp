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

namespace {

// The levels of one slot's curve from `curve.lowest` answering agents up to
// practically full service, and under `floor` the fewest agents from the
// lowest on whose slot meets it. Asks `evaluation` in rising order, as a
// table does (Erlang C's recursion needs it); the abandonment cap may ask
// beyond the curve's last level, up to its range.
void FillCurve(ServiceCurve &curve, LoadEvaluation &evaluation, const SlotFloor &floor)
{
    const int last = curve.lowest + ServiceCurve::MaxSteps - 1;
    int n = curve.lowest;
    for (; n <= last; ++n) {
        const AgentFigures figures = evaluation.evaluate(n);
        curve.levels.push_back(figures.serviceLevel);
        if (floor.isSet() && curve.floor == 0 && floor.metBy(figures.serviceLevel, figures.abandonRate))
            curve.floor = n;
        if (figures.serviceLevel > AgentsTable::PracticallyFullService)
            break;
    }
    for (++n; floor.isSet() && curve.floor == 0 && n <= last; ++n) {
        const AgentFigures figures = evaluation.evaluate(n);
        if (floor.metBy(figures.serviceLevel, figures.abandonRate))
            curve.floor = n;
    }
    curve.floorOutOfReach = floor.isSet() && curve.floor == 0;
}

} // namespace

ServiceDay PlanServiceCheck::serviceDay() const
{
    ServiceDay day;
    day.goal = m_inputs.GoalPercent / 100.0;
    day.answeringShare = AnsweringShare::ofShrinkage(m_inputs.Planning.shrinkagePercent);
    day.floor = m_inputs.ServiceFloor;
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
        // From the load's first agent number that carries it (Erlang C's
        // goal row is never below it; Erlang A's may be, and takes any
        // order).
        curve.lowest = static_cast<int>(loads[i].startAgents);
        while (!evaluations[i]->carries(curve.lowest))
            ++curve.lowest;
        curve.lowest = std::min(curve.lowest, static_cast<int>(rows[withCalls[i]].agents));
        FillCurve(curve, *evaluations[i], day.floor);
    }
    return day;
}

std::optional<ShiftInputProblem> PlanServiceCheck::floorProblem() const
{
    // Erlang C's abandonment is an estimate beside a queue whose callers
    // never hang up: no floor to plan against.
    if (m_inputs.ServiceFloor.maxAbandonPercent && m_inputs.Planning.model != QueueModel::ErlangA)
        return ShiftInputProblem{-1, ShiftField::SlotFloor,
                                 QStringLiteral("The slot floor's cap on abandoned calls needs the Erlang A model, "
                                                "whose callers hang up (File > Planning Options)")};
    return std::nullopt;
}

std::vector<RowValues> PlanServiceCheck::rosterRows(const std::vector<int> &staffed) const
{
    ScenarioInputs inputs = m_inputs;
    inputs.SlotHave.fill(std::nullopt);
    for (std::size_t slot = 0; slot < staffed.size() && slot + 1 < inputs.SlotHave.size(); ++slot)
        inputs.SlotHave[slot + 1] = staffed[slot];
    return schedule(inputs);
}

RosterDay PlanServiceCheck::rosterDay(const std::vector<int> &staffed) const
{
    return ComputeRosterDay(rosterRows(staffed), m_inputs.timeSlots().slotHours());
}

void PlanServiceCheck::checkPlan(ShiftPlan &plan) const
{
    const std::vector<RowValues> rows = rosterRows(plan.staffedPerSlot());
    plan.dayServiceLevel = ComputeRosterDay(rows, m_inputs.timeSlots().slotHours()).serviceLevel;
    if (plan.floorCheck)
        plan.floorCheck->missedSlots = missedSlots(rows, plan.floorCheck->floor);
}

std::vector<int> PlanServiceCheck::missedFloorSlots(const std::vector<int> &staffed, const SlotFloor &floor) const
{
    return missedSlots(rosterRows(staffed), floor);
}

std::vector<int> PlanServiceCheck::missedSlots(const std::vector<RowValues> &rows, const SlotFloor &floor)
{
    std::vector<int> missed;
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        const RowValues &row = rows[slot];
        // An overloaded roster answers nothing in time: it misses any floor.
        if (row.evaluated && row.have
            && !(row.haveCarries && floor.metBy(row.haveFigures.serviceLevel, row.haveFigures.abandonRate)))
            missed.push_back(static_cast<int>(slot));
    }
    return missed;
}
