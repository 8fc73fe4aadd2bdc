// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class AgentCommandHost;

// An agent window's commands for the slots' own talk and after-call times:
// reading a planner's interval file, the Talk and ACW columns on the
// Schedule, and times typed or cleared in their cells. Each command
// finishes the pending field exit first and shows the window again
// afterwards.
class SlotTimesCommand
{
public:
    explicit SlotTimesCommand(AgentCommandHost &host);

    // File > Import Intervals...: a file chosen in the open dialog is read
    // and what its columns were taken for is shown for confirmation; only
    // then the day, its calls and slot times change, and the window shows
    // the Schedule. A refused file is named with its line and changes
    // nothing.
    void importIntervals();
    // Reads `path` as importIntervals does after the dialog.
    void importIntervalFile(const QString &path);
    // File > Slot Time Columns: the Schedule shows Talk and ACW even while no
    // slot has a time of its own.
    void setSlotTimesColumns(bool shown);
    // A Talk or ACW cell's editor closed keeping `text` (empty: the fields'
    // time): applied and recalculated, or refused with a message, the cell
    // showing the slot's time again.
    void slotTimeCellLeft(int column, int tableRow, const QString &text);
    // Ctrl+V in a Talk or ACW cell: a column of times from that slot down.
    void pasteSlotTimes(const QString &text);

private:
    AgentCommandHost &m_host;
};
