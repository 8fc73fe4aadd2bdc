// SPDX-License-Identifier: MIT
#pragma once

#include <QKeySequence>
#include <QString>

class AgentCommandHost;

// An agent window's planning commands: the planning options dialog, the
// roster's columns on the Schedule, and roster values typed, cleared or
// pasted into the Have cells. Each command finishes the pending field exit
// first, as every command that recalculates does, and shows the window
// again afterwards.
class PlanningCommand
{
public:
    explicit PlanningCommand(AgentCommandHost &host);

    // The window's key for editOptions while the focus is in it.
    static inline const QKeySequence OptionsKey = QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O);

    // File > Planning Options...: the options accepted in the dialog become
    // the scenario's and the window recalculates; Cancel changes nothing.
    void editOptions();
    // File > Roster Columns: the Schedule shows the roster's columns even
    // while the roster is empty (they show anyway while it holds a value).
    void setRosterColumns(bool shown);
    // A Have cell's editor closed keeping `text` (an empty text clears the
    // slot's value): applied and recalculated, or refused with a message
    // naming the value and its slot, the cell showing the slot's value again.
    void rosterCellLeft(int tableRow, const QString &text);
    // Ctrl+V in a Have cell: a column of roster values from that slot down.
    void pasteRoster(const QString &text);

private:
    AgentCommandHost &m_host;
};
