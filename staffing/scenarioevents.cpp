// SPDX-License-Identifier: MIT
#include "scenarioevents.h"

#include "agentscenario.h"
#include "conversions.h"
#include "roster.h"
#include "texts.h"

void ScenarioEvents::spreadKeepingTyped()
{
    const ScenarioInputs before = m_scenario.inputs();
    m_scenario.DistributeCalls();
    if (!before.SlotCallsEdited)
        return;
    const ScenarioInputs &after = m_scenario.inputs();
    m_scenario.undo().record(before, after,
                             QStringLiteral("%1 calls spread evenly over %2 slots: the typed volumes were replaced. "
                                            "Undo: Ctrl+Z")
                                 .arg(after.text(Field::Edit1).trimmed())
                                 .arg(after.timeSlots().count));
}

RecalcResult ScenarioEvents::Edit1Exit(bool modified)
{
    if (!modified)
        return {};
    // A number of calls that is no whole number spreads nothing, and the
    // volumes stay as set.
    const bool spread = Calc::ParseInteger(m_scenario.inputs().text(Field::Edit1)).has_value();
    spreadKeepingTyped();
    const RecalcResult result = m_scenario.Recalculate();
    if (spread)
        m_scenario.setSlotCallsEdited(false);
    return result;
}

RecalcResult ScenarioEvents::MaskEdit1Exit(bool modified)
{
    if (!modified)
        return {};
    m_scenario.PrepareGrid();
    spreadKeepingTyped();
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::MaskEdit7Exit(bool modified)
{
    return MaskEdit1Exit(modified);
}

RecalcResult ScenarioEvents::MaskEdit4Exit()
{
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::SpeedButton2Click()
{
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::SlotButtonClick(SlotLength chosen)
{
    const ScenarioInputs before = m_scenario.inputs();
    if (!m_scenario.changeSlotLength(chosen))
        return {};
    m_scenario.undo().record(before, m_scenario.inputs(),
                             QStringLiteral("Slots of %1 minutes: the slots' values were merged or split by clock "
                                            "time. Undo: Ctrl+Z")
                                 .arg(minutesOf(chosen)));
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::Undo()
{
    ScenarioInputs inputs = m_scenario.inputs();
    if (!m_scenario.undo().undo(inputs))
        return {};
    m_scenario.setInputs(std::move(inputs));
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::TabSet1Click(Tab tab)
{
    m_scenario.setTab(tab);
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::StringGrid1Click()
{
    if (!m_scenario.inputs().ScheduleMode)
        return {};
    ResultTable &grid = m_scenario.StringGrid1();
    if (grid.currentColumn() == ResultTable::CallsColumn)
        return m_scenario.Recalculate();
    // A roster or slot time cell takes typing as a Calls cell does; its
    // value is checked and applied when its editor closes.
    if (grid.isTypedExtraColumn(grid.currentColumn()))
        return {};
    grid.setCurrentCell(ResultTable::CallsColumn, grid.currentRow());
    return {};
}

void ScenarioEvents::StringGrid1Enter()
{
    ResultTable &grid = m_scenario.StringGrid1();
    const int column = grid.currentColumn();
    if (m_scenario.inputs().ScheduleMode && column != ResultTable::CallsColumn && !grid.isTypedExtraColumn(column))
        grid.setCurrentCell(ResultTable::CallsColumn, grid.currentRow());
}

RecalcResult ScenarioEvents::StringGrid1Exit()
{
    if (!m_scenario.inputs().ScheduleMode)
        return {};
    return m_scenario.Recalculate();
}

RecalcResult ScenarioEvents::StringGrid1KeyPress(QChar key)
{
    // Typing a roster value or a slot time leaves the slot volumes as they
    // were set.
    const ResultTable &grid = m_scenario.StringGrid1();
    if (!grid.isTypedExtraColumn(grid.currentColumn()))
        m_scenario.setSlotCallsEdited(true);
    if (key == Calc::CarriageReturn)
        return m_scenario.Recalculate();
    return {};
}

void ScenarioEvents::StringGrid1SetEditText(int column, int row, const QString &text)
{
    ResultTable &grid = m_scenario.StringGrid1();
    if (!m_scenario.inputs().ScheduleMode || column < grid.fixedColumns() || row < 1 || row >= grid.rowCount())
        return;
    // The cell keeps the typed text; only a non-empty Calls text feeds the
    // slot's volume, 0 when it is not a whole number.
    grid.setCell(column, row, text);
    if (column == ResultTable::CallsColumn && !text.isEmpty())
        m_scenario.setSlotCalls(row, Calc::ParseInteger(text).value_or(0));
    // A roster cell takes a whole number from 0 up, or nothing; another
    // text (the window refuses it) leaves the slot's roster as it was.
    if (column == ResultTable::HaveColumn && grid.isShown(column)) {
        if (text.trimmed().isEmpty())
            m_scenario.setSlotHave(row, std::nullopt);
        else if (const std::optional<int> have = ParseRosterValue(text))
            m_scenario.setSlotHave(row, have);
    }
}
