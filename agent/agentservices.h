// SPDX-License-Identifier: MIT
#pragma once

#include "agenteventfilter.h"
#include "reportprintcommand.h"

class DialogService;

// What the main window shares with every agent window it opens: the
// program's dialogs, its printer and report settings (one report prints at
// a time), and the one event filter that guards the fields' exits. Created
// before the windows and destroyed after them; tests create their own.
class AgentServices
{
public:
    explicit AgentServices(DialogService &dialogs)
        : dialogs(dialogs)
    {
    }
    AgentServices(const AgentServices &) = delete;
    AgentServices &operator=(const AgentServices &) = delete;

    DialogService &dialogs;
    ReportPrintCommand printing;
    AgentEventFilter events;
};
