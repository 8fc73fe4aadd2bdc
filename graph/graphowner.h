// SPDX-License-Identifier: MIT
#pragma once

// The agent window as its graph window sees it. The notifications are direct
// calls: the agent window has handled one before the graph window goes on.
class GraphOwner
{
public:
    virtual ~GraphOwner() = default;

    // The graph window is closing: the agent window forgets it.
    virtual void graphClosed() = 0;
    // The series or the style changed: the agent window rebuilds the graph
    // from its current table.
    virtual void graphRefreshWanted() = 0;
    // Runs the exit rule of a field that was changed and not yet left, as
    // leaving it would. False when the field refused, and the command that
    // asked must not run.
    virtual bool completePendingFieldExit() = 0;
};
