// SPDX-License-Identifier: MIT
#include "agentscenario.h"

#include "conversions.h"
#include "roster.h"
#include "staffingmodelinfo.h"
#include "scheduletable.h"
#include "slottimeconversion.h"
#include "slotvolumes.h"
#include "texts.h"

#include <algorithm>

AgentScenario::AgentScenario()
{
    for (const StaffingModelInfo &info : StaffingModelInfo::all())
        m_models.push_back(info.make());
    PrepareGrid();
}

void AgentScenario::setInputs(ScenarioInputs inputs)
{
    inputs.ScheduleMode = m_inputs.ScheduleMode;
    m_inputs = std::move(inputs);
}

namespace {

bool isSlot(int slot)
{
    return slot >= 1 && slot <= ScenarioInputs::SlotCapacity;
}

} // namespace

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

void AgentScenario::setStaffingModel(std::shared_ptr<const StaffingModel> model)
{
    if (model)
        m_models.front() = std::move(model);
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

int AgentScenario::addTableFilledListener(std::function<void()> listener)
{
    const int handle = m_nextListenerHandle++;
    m_tableFilledListeners.emplace_back(handle, std::move(listener));
    return handle;
}

void AgentScenario::removeTableFilledListener(int handle)
{
    auto &listeners = m_tableFilledListeners;
    listeners.erase(std::remove_if(listeners.begin(), listeners.end(),
                                   [handle](const auto &entry) { return entry.first == handle; }),
                    listeners.end());
}

void AgentScenario::tableFilled()
{
    // A copy: a listener may add or remove listeners.
    const auto listeners = m_tableFilledListeners;
    for (const auto &entry : listeners)
        entry.second();
}

void AgentScenario::PrepareGrid()
{
    m_rowValues.clear();
    if (m_tab == Tab::Agents)
        AgentsTable::prepareLayout(m_grid);
    else
        ScheduleTable::prepareLayout(m_grid, m_inputs.BuildTimeSlots(), m_inputs);
    showExtraColumns();
    m_goalRow = 0;
    m_goalDecidedBy = 0;
}

void AgentScenario::showExtraColumns()
{
    static const char *const extraHeaders[ResultTable::ExtraColumnCount] = {
        "Sched", "Have", "Gap", "Roster Srv", "Roster Que", "Roster Abn", "Roster Use", "Roster Ans",
        "Talk", "ACW", "AHT"};
    std::vector<int> shown;
    if (m_inputs.Planning.hasShrinkage())
        shown.push_back(ResultTable::SchedColumn);
    if (m_tab == Tab::Schedule && m_inputs.rosterColumnsShown()) {
        for (int column = ResultTable::HaveColumn; column <= ResultTable::HaveAnswerColumn; ++column)
            shown.push_back(column);
    }
    if (m_tab == Tab::Schedule && m_inputs.slotTimesColumnsShown()) {
        shown.push_back(ResultTable::SlotTalkColumn);
        shown.push_back(ResultTable::SlotWrapColumn);
        shown.push_back(ResultTable::SlotHandleColumn);
    }
    const int agentsColumn = m_tab == Tab::Agents ? int(ResultTable::AgentsColumn) : int(ResultTable::SlotAgentsColumn);
    m_grid.setShownExtraColumns(shown, agentsColumn);
    for (int column : shown) {
        m_grid.setCell(column, 0, QString::fromLatin1(extraHeaders[column - ResultTable::ColumnCount]));
        for (int row = 1; row < m_grid.rowCount(); ++row)
            m_grid.setCell(column, row, typedCellText(column, row));
    }
}

QString AgentScenario::typedCellText(int column, int row) const
{
    const auto slot = static_cast<std::size_t>(std::min(row, ScenarioInputs::SlotCapacity));
    const std::optional<int> *value = nullptr;
    if (column == ResultTable::HaveColumn)
        value = &m_inputs.SlotHave[slot];
    else if (column == ResultTable::SlotTalkColumn)
        value = &m_inputs.SlotTalkSeconds[slot];
    else if (column == ResultTable::SlotWrapColumn)
        value = &m_inputs.SlotWrapSeconds[slot];
    if (!value || !*value)
        return QString();
    if (column == ResultTable::HaveColumn)
        return QString::number(**value);
    return Calc::DurationText(**value / 3600.0);
}

bool AgentScenario::typedExtraColumn(int column) const
{
    const bool typed = column == ResultTable::HaveColumn || column == ResultTable::SlotTalkColumn
        || column == ResultTable::SlotWrapColumn;
    return typed && m_grid.isShown(column);
}

DayTotals AgentScenario::dayTotals() const
{
    return ComputeDayTotals(m_rowValues, m_inputs.timeSlots().slotHours(), m_inputs.Planning.paidMinutes);
}

RosterDay AgentScenario::rosterDay() const
{
    return ComputeRosterDay(m_rowValues, m_inputs.timeSlots().slotHours());
}

RecalcResult AgentScenario::Recalculate()
{
    RecalcResult result;
    result.ran = true;
    ++m_recalculations;
    m_tableShown = false;
    if (!m_inputs.ValidateInputs()) {
        result.valid = false;
        result.failing = m_inputs.FailingField;
        if (onInvalidInput)
            onInvalidInput(result);
        PrepareGrid();
        return result;
    }
    PrepareGrid();
    if (m_inputs.ScheduleMode)
        ComputeSchedule();
    else
        FillAgentsTable();
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

void AgentScenario::FillAgentsTable()
{
    m_goalRow = AgentsTable(m_inputs, staffingModel()).fill(m_grid, m_rowValues, &m_goalDecidedBy);
    tableFilled();
}

void AgentScenario::ComputeSchedule()
{
    const ScheduleTable::CallTotals totals = ScheduleTable(m_inputs, staffingModel()).fill(m_grid, m_rowValues);
    if (totals.lastReadable)
        m_inputs.CallCount = *totals.lastReadable;
    tableFilled();
    // The number of calls becomes the day's total of the slot volumes.
    m_inputs.setText(Field::Edit1, QString::number(totals.day));
}

void AgentScenario::DistributeCalls()
{
    const int count = m_inputs.spreadCalls();
    if (m_inputs.ScheduleMode) {
        for (int i = 1; i <= count; ++i)
            m_grid.setCell(ResultTable::CallsColumn, i, QString::number(m_inputs.SlotCalls[static_cast<std::size_t>(i)]));
    }
}

void AgentScenario::changeSlotLength(SlotLength from)
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

RecalcResult AgentScenario::Edit1Exit(bool modified)
{
    if (!modified)
        return {};
    DistributeCalls();
    const RecalcResult result = Recalculate();
    m_inputs.SlotCallsEdited = false;
    return result;
}

RecalcResult AgentScenario::MaskEdit1Exit(bool modified)
{
    if (!modified)
        return {};
    PrepareGrid();
    DistributeCalls();
    return Recalculate();
}

RecalcResult AgentScenario::MaskEdit7Exit(bool modified)
{
    return MaskEdit1Exit(modified);
}

RecalcResult AgentScenario::MaskEdit4Exit()
{
    return Recalculate();
}

RecalcResult AgentScenario::RadioButton1Click(SlotLength chosen)
{
    const SlotLength old = m_inputs.slotLength();
    m_inputs.setSlotLength(chosen);
    if (chosen == old)
        return {};
    changeSlotLength(old);
    return Recalculate();
}

RecalcResult AgentScenario::TabSet1Click(Tab tab)
{
    m_tab = tab;
    m_inputs.ScheduleMode = tab == Tab::Schedule;
    return Recalculate();
}

RecalcResult AgentScenario::StringGrid1Click()
{
    if (!m_inputs.ScheduleMode)
        return {};
    if (m_grid.currentColumn() == ResultTable::CallsColumn)
        return Recalculate();
    // A roster or slot time cell takes typing as a Calls cell does; its
    // value is checked and applied when its editor closes.
    if (typedExtraColumn(m_grid.currentColumn()))
        return {};
    m_grid.setCurrentCell(ResultTable::CallsColumn, m_grid.currentRow());
    return {};
}

void AgentScenario::StringGrid1Enter()
{
    const int column = m_grid.currentColumn();
    if (m_inputs.ScheduleMode && column != ResultTable::CallsColumn && !typedExtraColumn(column))
        m_grid.setCurrentCell(ResultTable::CallsColumn, m_grid.currentRow());
}

RecalcResult AgentScenario::StringGrid1Exit()
{
    if (!m_inputs.ScheduleMode)
        return {};
    return Recalculate();
}

RecalcResult AgentScenario::StringGrid1KeyPress(QChar key)
{
    // Typing a roster value or a slot time leaves the slot volumes as they
    // were set.
    if (!typedExtraColumn(m_grid.currentColumn()))
        m_inputs.SlotCallsEdited = true;
    if (key == Calc::CarriageReturn)
        return Recalculate();
    return {};
}

void AgentScenario::StringGrid1SetEditText(int column, int row, const QString &text)
{
    if (!m_inputs.ScheduleMode || column < m_grid.fixedColumns() || row < 1 || row >= m_grid.rowCount())
        return;
    // The cell keeps the typed text; only a non-empty Calls text feeds the
    // slot's volume, 0 when it is not a whole number.
    m_grid.setCell(column, row, text);
    if (column == ResultTable::CallsColumn && !text.isEmpty())
        m_inputs.SlotCalls[static_cast<std::size_t>(row)] = Calc::ParseInteger(text).value_or(0);
    // A roster cell takes a whole number from 0 up, or nothing; another
    // text (the window refuses it) leaves the slot's roster as it was.
    if (column == ResultTable::HaveColumn && m_grid.isShown(column) && row <= ScenarioInputs::SlotCapacity) {
        if (text.trimmed().isEmpty())
            m_inputs.SlotHave[static_cast<std::size_t>(row)] = std::nullopt;
        else if (const std::optional<int> have = ParseRosterValue(text))
            m_inputs.SlotHave[static_cast<std::size_t>(row)] = have;
    }
}
