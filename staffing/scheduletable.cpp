// SPDX-License-Identifier: MIT
#include "scheduletable.h"

#include "queueing.h"
#include "texts.h"

#include <algorithm>
#include <cmath>
#include <memory>

namespace {

const char *const scheduleHeaders[ResultTable::ColumnCount] = {
    "Time", "Calls", "Agents", "Srv Lvl", "Queued", "Abndon", "Usage", "Ave Ans", "Trunks"};

} // namespace

struct ScheduleTable::Slot
{
    bool staffed = false;
    double calls = 0;
    ServiceInputs inputs; // the scenario's, with the slot's own times
    CallLoad load;
    double agents = 0;
    double scheduled = 0;      // agents with shrinkage applied
    AgentFigures figures;      // as the model gave them; an unstaffed slot: service level 1, the rest 0
    int trunks = 0;
    std::optional<int> have;   // the roster's agents
    int haveAnswering = 0;     // those of them on the phones
    bool haveCarries = false;  // false: the roster cannot carry the load
    AgentFigures haveFigures;  // as the model gave them; an unstaffed slot: as its own figures
};

ScheduleTable::ScheduleTable(const ScenarioInputs &inputs, const StaffingModel &model)
    : m_inputs(inputs)
    , m_model(model)
{
}

void ScheduleTable::prepareLayout(ResultTable &grid, const TimeSlots &slotList, const ScenarioInputs &inputs)
{
    grid.setFixedColumns(1);
    for (int row = 1; row < grid.rowCount(); ++row) {
        for (int c = ResultTable::SlotAgentsColumn; c < ResultTable::ColumnCount; ++c)
            grid.setCell(c, row, QString());
    }
    grid.setRowCount(slotList.count + 1);
    for (int i = 1; i <= slotList.count; ++i) {
        grid.setCell(ResultTable::TimeColumn, i, slotList.slotStartCellText(i));
        grid.setCell(ResultTable::CallsColumn, i, Calc::NumberCellText(inputs.SlotCalls[static_cast<std::size_t>(i)]));
    }
    // A header already in place is kept: a new text costs an allocation.
    for (int c = 0; c < ResultTable::ColumnCount; ++c) {
        if (grid.row(0)[static_cast<std::size_t>(c)] != QLatin1String(scheduleHeaders[c]))
            grid.setCell(c, 0, QString::fromLatin1(scheduleHeaders[c]));
    }
}

ScheduleTable::CallTotals ScheduleTable::fill(ResultTable &grid, std::vector<RowValues> &values) const
{
    CallTotals totals;
    std::vector<Slot> slotRows = readSlots(grid, totals);

    std::vector<Slot *> staffed;
    staffed.reserve(slotRows.size());
    for (Slot &slot : slotRows) {
        if (slot.staffed)
            staffed.push_back(&slot);
    }
    evaluateSlots(staffed);
    findTrunks(slotRows);

    values.clear();
    values.reserve(slotRows.size());
    for (int row = 1; row <= static_cast<int>(slotRows.size()); ++row) {
        const Slot &slot = slotRows[static_cast<std::size_t>(row - 1)];
        values.push_back(rowValuesOf(slot, grid.row(row)[ResultTable::TimeColumn]));
        writeRow(grid, row, slot);
    }
    return totals;
}

void ScheduleTable::evaluateSlots(const std::vector<Slot *> &staffed) const
{
    // The model is asked for the staffed slots' loads all at once.
    std::vector<CallLoad> loads;
    std::vector<ServiceInputs> inputs;
    loads.reserve(staffed.size());
    inputs.reserve(staffed.size());
    for (const Slot *slot : staffed) {
        loads.push_back(slot->load);
        inputs.push_back(slot->inputs);
    }
    const std::vector<std::unique_ptr<LoadEvaluation>> evaluations = m_model.slotEvaluations(loads, inputs);
    const GoalRule rule = m_inputs.goalRule();
    for (std::size_t s = 0; s < staffed.size(); ++s)
        searchAgents(*evaluations[s], rule, *staffed[s]);
}

std::vector<ScheduleTable::Slot> ScheduleTable::readSlots(const ResultTable &grid, CallTotals &totals) const
{
    // The volumes come from the scenario, whose Calls cells only show them;
    // a slot of 0 calls stays unstaffed.
    std::vector<Slot> slotRows(static_cast<std::size_t>(grid.rowCount() - 1));
    for (int row = 1; row <= static_cast<int>(slotRows.size()); ++row) {
        Slot &slot = slotRows[static_cast<std::size_t>(row - 1)];
        const std::size_t index = static_cast<std::size_t>(std::min(row, ScenarioInputs::SlotCapacity));
        slot.have = m_inputs.SlotHave[index];
        if (slot.have)
            slot.haveAnswering = m_inputs.Planning.answeringAgents(*slot.have);
        slot.inputs = m_inputs.slotServiceInputs(row);
        const double calls = m_inputs.SlotCalls[index];
        totals.lastReadable = calls;
        if (calls == 0)
            continue;
        slot.staffed = true;
        slot.calls = calls;
        totals.day += static_cast<long long>(calls);
        // The slot's own handle time, when it has one, sets its load.
        slot.load = ComputeCallLoad(calls, m_inputs.PeriodMinutes, slot.inputs.handleSeconds);
    }
    return slotRows;
}

void ScheduleTable::searchAgents(LoadEvaluation &evaluation, const GoalRule &rule, Slot &slot) const
{
    double n = evaluation.firstAgents(slot.load, rule);
    // At most AgentNumbersTried agent numbers that can carry the load are
    // tried; the last one tried stands when none meets the goal.
    int evaluations = 1;
    while (evaluations <= AgentSearch::AgentNumbersTried) {
        if (!evaluation.carries(n)) {
            n = n + 1;
            continue;
        }
        // Only the agent number kept, and the roster's, get every figure.
        slot.figures = evaluation.goalFigures(n);
        if (slot.have && slot.haveAnswering == n) {
            slot.haveCarries = true;
            slot.haveFigures = slot.figures;
            evaluation.complete(n, slot.haveFigures);
        }
        if (rule.met(slot.figures))
            break;
        ++evaluations;
        if (evaluations <= AgentSearch::AgentNumbersTried)
            n = n + 1;
    }
    evaluation.complete(n, slot.figures);
    slot.agents = n;
    slot.scheduled = m_inputs.Planning.scheduledAgents(n);
    evaluateRoster(evaluation, slot);
}

void ScheduleTable::findTrunks(std::vector<Slot> &slotRows)
{
    // Only the agent number kept shows its lines; the searches of all
    // staffed slots run side by side.
    std::vector<double> firstLines;
    std::vector<double> trunkLoads;
    std::vector<Slot *> searched;
    firstLines.reserve(slotRows.size());
    trunkLoads.reserve(slotRows.size());
    searched.reserve(slotRows.size());
    for (Slot &slot : slotRows) {
        if (!slot.staffed)
            continue;
        firstLines.push_back(slot.agents);
        trunkLoads.push_back(slot.figures.trunkLoad);
        searched.push_back(&slot);
    }
    std::vector<int> trunks(searched.size());
    Calc::TrunksNeededSideBySide(firstLines.data(), trunkLoads.data(), trunks.data(), static_cast<int>(trunks.size()));
    for (std::size_t t = 0; t < searched.size(); ++t)
        searched[t]->trunks = trunks[t];
}

void ScheduleTable::evaluateRoster(LoadEvaluation &evaluation, Slot &slot)
{
    // A roster value among the agent numbers searched was taken on the
    // way; one above them goes on from the search, and one below its start
    // makes the model start again (a roster that low rarely carries the
    // load at all).
    if (!slot.have || slot.haveCarries)
        return;
    const double have = slot.haveAnswering;
    slot.haveCarries = have >= 1 && evaluation.carries(have);
    if (slot.haveCarries)
        slot.haveFigures = evaluation.evaluate(have);
}

RowValues ScheduleTable::rowValuesOf(const Slot &slot, const QString &slotText)
{
    RowValues values;
    values.agents = slot.agents;
    values.evaluated = slot.staffed;
    values.figures = slot.figures;
    values.trunks = slot.trunks;
    values.slot = slotText;
    values.calls = slot.calls;
    values.scheduled = slot.scheduled;
    values.have = slot.have;
    values.haveCarries = slot.haveCarries;
    values.haveFigures = slot.haveFigures;
    return values;
}

void ScheduleTable::writeRow(ResultTable &grid, int row, const Slot &slot)
{
    const AgentFigures &f = slot.figures;
    grid.setCell(ResultTable::SlotAgentsColumn, row, Calc::NumberCellText(static_cast<long long>(slot.agents)));
    grid.setCell(ResultTable::SlotServiceColumn, row, Calc::WholePercentCellText(f.serviceLevel));
    grid.setCell(ResultTable::SlotQueuedColumn, row, Calc::WholePercentCellText(f.waitProbability));
    grid.setCell(ResultTable::SlotAbandonColumn, row, Calc::WholePercentCellText(f.abandonRate));
    grid.setCell(ResultTable::SlotUsageColumn, row, Calc::WholePercentCellText(f.usage));
    // The answer time is shown held at 23:59.
    grid.setCell(ResultTable::SlotAnswerColumn, row,
                 Calc::DurationCellText(std::min(f.answerTime, Calc::LongestDurationHours)));
    grid.setCell(ResultTable::SlotTrunksColumn, row, Calc::NumberCellText(slot.trunks));
    // Without extra columns shown their texts would only be dropped.
    if (grid.shownExtraColumns().empty())
        return;
    grid.setCell(ResultTable::SchedColumn, row, Calc::NumberCellText(static_cast<long long>(slot.scheduled)));
    // The handle time the slot is computed with, as mm:ss (its minutes may
    // pass 59: talk and after-call work of 23:59 each).
    const auto handle = static_cast<int>(slot.inputs.handleSeconds);
    grid.setCell(ResultTable::SlotHandleColumn, row,
                 Calc::PadNumber(handle / 60, 2) + QLatin1Char(':') + Calc::PadNumber(handle % 60, 2));
    writeRosterCells(grid, row, slot);
}

void ScheduleTable::writeRosterCells(ResultTable &grid, int row, const Slot &slot)
{
    for (int c = ResultTable::GapColumn; c <= ResultTable::HaveAnswerColumn; ++c)
        grid.setCell(c, row, QString());
    if (!slot.have)
        return;
    grid.setCell(ResultTable::GapColumn, row, Calc::NumberCellText(static_cast<long long>(*slot.have - slot.scheduled)));
    if (slot.staffed && !slot.haveCarries) {
        grid.setCell(ResultTable::HaveServiceColumn, row, QStringLiteral("overloaded"));
        return;
    }
    const AgentFigures &f = slot.haveFigures;
    grid.setCell(ResultTable::HaveServiceColumn, row, Calc::WholePercentCellText(f.serviceLevel));
    grid.setCell(ResultTable::HaveQueuedColumn, row, Calc::WholePercentCellText(f.waitProbability));
    grid.setCell(ResultTable::HaveAbandonColumn, row, Calc::WholePercentCellText(f.abandonRate));
    grid.setCell(ResultTable::HaveUsageColumn, row, Calc::WholePercentCellText(f.usage));
    grid.setCell(ResultTable::HaveAnswerColumn, row,
                 Calc::DurationCellText(std::min(f.answerTime, Calc::LongestDurationHours)));
}
