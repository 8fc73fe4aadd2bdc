// SPDX-License-Identifier: MIT
#include "planningcommand.h"

#include "agentcommandhost.h"
#include "dialogservice.h"
#include "handlerguard.h"
#include "rosterentry.h"
#include "slotvolumepaste.h"

PlanningCommand::PlanningCommand(AgentCommandHost &host)
    : m_host(host)
{
}

void PlanningCommand::editOptions()
{
    m_host.runCommand([this] {
        AgentScenario &scenario = m_host.scenario();
        const auto options = m_host.dialogs().editPlanningOptions(scenario.inputs().Planning, m_host.caption());
        if (!options || *options == scenario.inputs().Planning)
            return false;
        scenario.setPlanning(*options);
        // A refused input (Erlang A without a patience, say) is reported by
        // the window's own rule: the cursor on the field, then the message.
        scenario.Recalculate();
        return true;
    });
}

void PlanningCommand::setRosterColumns(bool shown)
{
    m_host.runCommand([this, shown] {
        AgentScenario &scenario = m_host.scenario();
        if (scenario.inputs().RosterView == shown)
            return false;
        scenario.setRosterView(shown);
        // The Agents table never shows the roster: nothing to redo there.
        if (scenario.tab() != Tab::Schedule)
            return false;
        scenario.Recalculate();
        return true;
    });
}

void PlanningCommand::rosterCellLeft(int tableRow, const QString &text)
{
    RunHandler(m_host.dialogs(), [&] {
        AgentScenario &scenario = m_host.scenario();
        m_host.syncFieldsToModel();
        m_host.takeGridsCurrentCell();
        // The columns stay while the planner types into them, also when the
        // last value is cleared.
        scenario.setRosterView(true);
        if (const auto refusal = RosterEntry::enter(scenario, tableRow, text)) {
            scenario.StringGrid1().setCell(ResultTable::HaveColumn, tableRow,
                                           scenario.inputs().typedCellText(ResultTable::HaveColumn, tableRow));
            m_host.showCell(ResultTable::HaveColumn, tableRow);
            m_host.dialogs().error(*refusal);
            return;
        }
        m_host.refresh();
    });
}

void PlanningCommand::pasteRoster(const QString &text)
{
    m_host.runCommand([&] {
        if (const auto refusal = RosterEntry::paste(m_host.scenario(), text)) {
            m_host.dialogs().error(SlotVolumePaste::message(*refusal));
            return false;
        }
        return true;
    });
}
