// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "roster.h"
#include "staffingmodelinfo.h"
#include "scheduletable.h"
#include "slottimeconversion.h"
#include "slotvolumes.h"

#include <algorithm>

namespace {

bool isSlot(int slot)
{
    return slot >= 1 && slot <= ScenarioInputs::SlotCapacity;
}

} // namespace

AgentScenario::AgentScenario()
{
    for (const StaffingModelInfo &info : StaffingModelInfo::all())
        m_models.push_back(info.make());
    PrepareGrid();
}

AgentScenario::AgentScenario(std::shared_ptr<const StaffingModel> model)
    : AgentScenario()
{
    if (model)
        m_models.front() = std::move(model);
}

void AgentScenario::setInputs(ScenarioInputs inputs)
{
    inputs.ScheduleMode = m_inputs.ScheduleMode;
    m_inputs = std::move(inputs);
}

void AgentScenario::setSlotCalls(int slot, int calls)
{
    if (isSlot(slot))
        m_inputs.SlotCalls[static_cast<std::size_t>(slot)] = calls;
}

void AgentScenario::setSlotHave(int slot, std::optional<int> agents)
{
    if (isSlot(slot))
        m_inputs.SlotHave[static_cast<std::size_t>(slot)] = agents;
}

void AgentScenario::setRoster(const RosterValues &roster)
{
    m_inputs.SlotHave.fill(std::nullopt);
    const std::size_t count = std::min<std::size_t>(roster.size(), ScenarioInputs::SlotCapacity);
    std::copy(roster.begin(), roster.begin() + static_cast<std::ptrdiff_t>(count), m_inputs.SlotHave.begin() + 1);
}

void AgentScenario::setSlotTimes(int slot, std::optional<int> talkSeconds, std::optional<int> wrapSeconds)
{
    if (!isSlot(slot))
        return;
    m_inputs.SlotTalkSeconds[static_cast<std::size_t>(slot)] = talkSeconds;
    m_inputs.SlotWrapSeconds[static_cast<std::size_t>(slot)] = wrapSeconds;
}

const StaffingModel &AgentScenario::staffingModel() const
{
    const std::vector<StaffingModelInfo> &models = StaffingModelInfo::all();
    for (std::size_t i = 0; i < models.size(); ++i) {
        if (models[i].model == m_inputs.Planning.model)
            return *m_models[i];
    }
    return *m_models.front();
}

void AgentScenario::PrepareGrid()
{
    m_results.rowValues.clear();
    if (tab() == Tab::Agents)
        AgentsTable::prepareLayout(m_grid);
    else
        ScheduleTable::prepareLayout(m_grid, m_inputs.BuildTimeSlots(), m_inputs);
    showExtraColumns();
    m_results.goalRow = 0;
    m_results.goalDecidedBy = 0;
}

void AgentScenario::showExtraColumns()
{
    static const char *const extraHeaders[ResultTable::ExtraColumnCount] = {
        "Sched", "Have", "Gap", "Roster Srv", "Roster Que", "Roster Abn", "Roster Use", "Roster Ans",
        "Talk", "ACW", "AHT"};
    std::vector<int> shown;
    if (m_inputs.Planning.hasShrinkage())
        shown.push_back(ResultTable::SchedColumn);
    if (tab() == Tab::Schedule && m_inputs.rosterColumnsShown()) {
        for (int column = ResultTable::HaveColumn; column <= ResultTable::HaveAnswerColumn; ++column)
            shown.push_back(column);
    }
    if (tab() == Tab::Schedule && m_inputs.slotTimesColumnsShown()) {
        shown.push_back(ResultTable::SlotTalkColumn);
        shown.push_back(ResultTable::SlotWrapColumn);
        shown.push_back(ResultTable::SlotHandleColumn);
    }
    const int agentsColumn = tab() == Tab::Agents ? int(ResultTable::AgentsColumn) : int(ResultTable::SlotAgentsColumn);
    m_grid.setShownExtraColumns(shown, agentsColumn);
    for (int column : shown) {
        m_grid.setCell(column, 0, QString::fromLatin1(extraHeaders[column - ResultTable::ColumnCount]));
        for (int row = 1; row < m_grid.rowCount(); ++row)
            m_grid.setCell(column, row, m_inputs.typedCellText(column, row));
    }
}

RecalcResult AgentScenario::Recalculate()
{
    RecalcResult result;
    result.ran = true;
    ++m_results.recalculations;
    m_tableShown = false;
    if (!m_inputs.ValidateInputs()) {
        result.valid = false;
        result.failing = m_inputs.FailingField;
        if (m_hooks.onInvalidInput)
            m_hooks.onInvalidInput(result);
        PrepareGrid();
        return result;
    }
    PrepareGrid();
    FillTable();
    // After the layout, which writes the rounded arrival times back.
    for (int i = 0; i < FieldCount; ++i)
        m_computedTexts[static_cast<std::size_t>(i)] = m_inputs.text(static_cast<Field>(i));
    m_tableShown = true;
    return result;
}

QString AgentScenario::computedText(Field field) const
{
    return m_tableShown ? m_computedTexts[static_cast<std::size_t>(field)] : m_inputs.text(field);
}

bool AgentScenario::inputsChangedSinceTable() const
{
    for (int i = 0; i < FieldCount; ++i) {
        const auto f = static_cast<Field>(i);
        if (computedText(f) != m_inputs.text(f))
            return true;
    }
    return false;
}

void AgentScenario::FillTable()
{
    if (m_inputs.ScheduleMode)
        ComputeSchedule();
    else
        FillAgentsTable();
}

void AgentScenario::FillAgentsTable()
{
    const AgentsTable table(m_inputs, staffingModel());
    m_results.goalRow = table.fill(m_grid, m_results.rowValues, &m_results.goalDecidedBy);
    m_hooks.tableFilled();
}

void AgentScenario::ComputeSchedule()
{
    const ScheduleTable::CallTotals totals = ScheduleTable(m_inputs, staffingModel()).fill(m_grid, m_results.rowValues);
    if (totals.lastReadable)
        m_inputs.CallCount = *totals.lastReadable;
    m_hooks.tableFilled();
    // The number of calls becomes the day's total of the slot volumes.
    m_inputs.setText(Field::Edit1, QString::number(totals.day));
}

void AgentScenario::DistributeCalls()
{
    const int count = m_inputs.spreadCalls();
    if (!m_inputs.ScheduleMode)
        return;
    for (int i = 1; i <= count; ++i)
        m_grid.setCell(ResultTable::CallsColumn, i, QString::number(m_inputs.SlotCalls[static_cast<std::size_t>(i)]));
}

void AgentScenario::convertSlots(SlotLength from)
{
    // Volumes and roster follow the slots by clock time; only the slots in
    // use are converted, and a roster value past the new slots is dropped,
    // so that what the file keeps is what the table shows.
    const TimeSlots oldSlots = TimeSlots::of(m_inputs.text(Field::MaskEdit1), m_inputs.text(Field::MaskEdit7), from);
    const std::vector<int> oldVolumes(m_inputs.SlotCalls.begin() + 1, m_inputs.SlotCalls.begin() + 1 + oldSlots.count);
    const RosterValues oldRoster(m_inputs.SlotHave.begin() + 1, m_inputs.SlotHave.begin() + 1 + oldSlots.count);
    const TimeSlots newSlots = m_inputs.BuildTimeSlots();
    // The slots' own times move with their slots on the clock as well,
    // weighted by the old volumes where slots merge.
    for (auto *times : {&m_inputs.SlotTalkSeconds, &m_inputs.SlotWrapSeconds}) {
        const std::vector<std::optional<int>> oldTimes(times->begin() + 1, times->begin() + 1 + oldSlots.count);
        const auto newTimes = SlotTimeConversion::convert(oldSlots, oldTimes, oldVolumes, newSlots);
        times->fill(std::nullopt);
        std::copy(newTimes.begin(), newTimes.end(), times->begin() + 1);
    }
    const std::vector<int> newVolumes = SlotVolumes::convert(oldSlots, oldVolumes, newSlots);
    const RosterValues newRoster = SlotVolumes::convertRoster(oldSlots, oldRoster, newSlots);
    m_inputs.SlotHave.fill(std::nullopt);
    for (int k = 1; k <= newSlots.count; ++k) {
        m_inputs.SlotCalls[static_cast<std::size_t>(k)] = newVolumes[static_cast<std::size_t>(k - 1)];
        m_inputs.SlotHave[static_cast<std::size_t>(k)] = newRoster[static_cast<std::size_t>(k - 1)];
    }
    PrepareGrid(); // lays the new slots out with their volumes and roster
}

bool AgentScenario::changeSlotLength(SlotLength chosen)
{
    const SlotLength old = m_inputs.slotLength();
    m_inputs.setSlotLength(chosen);
    if (chosen == old)
        return false;
    convertSlots(old);
    return true;
}
