// SPDX-License-Identifier: MIT
#pragma once

#include "recalcresult.h"
#include "slotlength.h"

#include <QChar>
#include <QString>

class AgentScenario;
enum class Tab;

// The agent window's events on its scenario, without widgets: each
// handler changes the scenario as its event does and recalculates where
// the event asks for it. The window forwards its events here; tests drive
// a scenario through the same handlers. Holds nothing but the scenario.
class ScenarioEvents
{
public:
    explicit ScenarioEvents(AgentScenario &scenario)
        : m_scenario(scenario)
    {
    }

    // Field exits: they act only on a modified field.
    RecalcResult Edit1Exit(bool modified);
    RecalcResult MaskEdit1Exit(bool modified);
    RecalcResult MaskEdit7Exit(bool modified);
    RecalcResult MaskEdit4Exit();
    RecalcResult SpeedButton2Click();
    // Any of the slot buttons (RadioButton1Click, bound to every one): checks
    // the one for `chosen` and, when the slot length changed, converts the
    // volumes and the roster by clock time, then recalculates.
    RecalcResult SlotButtonClick(SlotLength chosen);
    RecalcResult TabSet1Click(Tab tab);
    // Edit > Undo: the slot values as they were before the last command
    // that replaced them (SlotValuesUndo), then a recalculation; nothing
    // when none is kept.
    RecalcResult Undo();
    // Grid events; the window first reports its current cell with
    // StringGrid1().setCurrentCell().
    RecalcResult StringGrid1Click();
    void StringGrid1Enter();
    RecalcResult StringGrid1Exit();
    RecalcResult StringGrid1KeyPress(QChar key);
    void StringGrid1SetEditText(int column, int row, const QString &text);

private:
    // The number of calls spread over the slots; typed volumes it replaced
    // are kept for Undo.
    void spreadKeepingTyped();

    AgentScenario &m_scenario;
};
