// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

#include <functional>

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
    // Reads `path` as importIntervals does after the dialog. A file of
    // several days, where a week opener is set, is offered as a week first.
    void importIntervalFile(const QString &path);
    // Opens an interval file of several days as a week (the main window's
    // week windows); unset, such a file is imported as one day or refused.
    using WeekOpener = std::function<void(const QString &path)>;
    void setWeekOpener(WeekOpener opener) { m_weekOpener = std::move(opener); }
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
    // Whether the file is of several days and the planner took it as a week.
    bool openedAsWeek(const QString &path, const QByteArray &bytes);

    AgentCommandHost &m_host;
    WeekOpener m_weekOpener;
};
