// SPDX-License-Identifier: MIT
#pragma once

// The two notifications a graph window sends to the agent window it belongs
// to. They are window messages of the user range, delivered by a direct call:
// the agent window has handled one before the graph window goes on.
enum GraphNotification {
    GraphClosedNotification = 1024,  // the graph window is closing: forget it
    GraphRefreshNotification = 1025, // the series or the style changed: rebuild
};

// The agent window as its graph window sees it.
class GraphOwner
{
public:
    virtual ~GraphOwner() = default;

    virtual void graphNotification(int message) = 0;
    // Runs the exit rule of a field that was changed and not yet left, as
    // leaving it would. False when the field refused, and the command that
    // asked must not run.
    virtual bool completePendingFieldExit() = 0;
};
