// SPDX-License-Identifier: MIT
#include "planningcommand.h"

#include "dialogservice.h"
#include "handlerguard.h"
#include "resulttablemodel.h"
#include "rosterentry.h"
#include "slotvolumepaste.h"
#include "tagentform.h"
#include "tlumstringgrid.h"

#include <QShortcut>

PlanningCommand::PlanningCommand(TAgentForm &form, DialogService &dialogs)
    : m_form(form)
    , m_dialogs(dialogs)
{
    // The window's key for the options, as F9 and Ctrl+G are for its tool
    // buttons; the main window's menu item has no key of its own.
    auto *key = new QShortcut(OptionsKey, &form);
    key->setContext(Qt::WidgetWithChildrenShortcut);
    QObject::connect(key, &QShortcut::activated, &form, [this] { editOptions(); });
}

void PlanningCommand::editOptions()
{
    RunHandler(m_dialogs, [this] {
        if (!m_form.completePendingFieldExit())
            return;
        m_form.syncFieldsToModel();
        AgentScenario &scenario = m_form.scenario();
        const auto options = m_dialogs.editPlanningOptions(scenario.inputs().Planning, m_form.windowTitle());
        if (!options || *options == scenario.inputs().Planning)
            return;
        scenario.setPlanning(*options);
        // A refused input (Erlang A without a patience, say) is reported by
        // the window's own rule: the cursor on the field, then the message.
        scenario.Recalculate();
        m_form.refresh();
    });
}

void PlanningCommand::setRosterColumns(bool shown)
{
    RunHandler(m_dialogs, [this, shown] {
        if (!m_form.completePendingFieldExit())
            return;
        m_form.syncFieldsToModel();
        AgentScenario &scenario = m_form.scenario();
        if (scenario.inputs().RosterView == shown)
            return;
        scenario.setRosterView(shown);
        // The Agents table never shows the roster: nothing to redo there.
        if (scenario.tab() == Tab::Schedule) {
            scenario.Recalculate();
            m_form.refresh();
        }
    });
}

void PlanningCommand::takeGridsCurrentCell()
{
    const TLumStringGrid *grid = m_form.grid();
    if (grid->currentTableColumn() >= 0)
        m_form.scenario().StringGrid1().setCurrentCell(grid->currentTableColumn(), grid->currentTableRow());
}

void PlanningCommand::rosterCellLeft(int tableRow, const QString &text)
{
    RunHandler(m_dialogs, [&] {
        AgentScenario &scenario = m_form.scenario();
        m_form.syncFieldsToModel();
        takeGridsCurrentCell();
        // The columns stay while the planner types into them, also when the
        // last value is cleared.
        scenario.setRosterView(true);
        if (const auto refusal = RosterEntry::enter(scenario, tableRow, text)) {
            scenario.StringGrid1().setCell(ResultTable::HaveColumn, tableRow,
                                    scenario.typedCellText(ResultTable::HaveColumn, tableRow));
            m_form.tableModel()->cellChanged(ResultTable::HaveColumn, tableRow);
            m_dialogs.error(*refusal);
            return;
        }
        m_form.refresh();
    });
}

void PlanningCommand::pasteRoster(const QString &text)
{
    RunHandler(m_dialogs, [&] {
        if (!m_form.completePendingFieldExit())
            return;
        m_form.syncFieldsToModel();
        if (const auto refusal = RosterEntry::paste(m_form.scenario(), text)) {
            m_dialogs.error(SlotVolumePaste::message(*refusal));
            return;
        }
        m_form.refresh();
    });
}
