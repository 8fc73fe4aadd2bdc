// SPDX-License-Identifier: MIT
#pragma once

#include "agentscenario.h"

#include <QString>

class QWidget;
struct ReportContent;

// An agent window as the links to its graph and shift-plan windows see it:
// the scenario, the window a linked window sits beside, its caption, and the
// commands a linked window runs on it. TAgentForm answers it.
class AgentLinkHost
{
public:
    virtual ~AgentLinkHost() = default;

    virtual AgentScenario &scenario() = 0;
    // The agent window: the links belong to it, and a linked window joins
    // the frame's child-window area that holds it.
    virtual QWidget &agentWindow() = 0;
    // The caption the window shows; a linked window's caption names it.
    virtual QString caption() const = 0;
    // The pending field exit: false when it was refused (its message shown).
    virtual bool completePendingFieldExit() = 0;
    // The window's Recalculate button.
    virtual void Recalculate() = 0;
    // The tab strip clicked on `tab`.
    virtual void showTab(Tab tab) = 0;
    // The window's report as its Print would make it now.
    virtual ReportContent reportContent() = 0;
};
