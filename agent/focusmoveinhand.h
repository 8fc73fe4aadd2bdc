// SPDX-License-Identifier: MIT
#pragma once

#include "agenteventfilter.h"

// While a window moves the focus itself (to a failing field, or back into a
// field that may not be left), the controls the focus passes through do not
// run their exit rules. Counted by the program's one agent event filter: the
// focus may move from one window into another. Held for the length of the
// move.
class FocusMoveInHand
{
public:
    explicit FocusMoveInHand(AgentEventFilter &events)
        : m_events(events)
    {
        ++m_events.m_focusMoves;
    }
    ~FocusMoveInHand() { --m_events.m_focusMoves; }
    FocusMoveInHand(const FocusMoveInHand &) = delete;
    FocusMoveInHand &operator=(const FocusMoveInHand &) = delete;

private:
    AgentEventFilter &m_events;
};
