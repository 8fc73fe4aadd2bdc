// SPDX-License-Identifier: MIT
#pragma once

#include "shiftplanowner.h"
#include "shiftplanwindow.h"

#include <QObject>
#include <QPointer>

class AgentLinkHost;
class AgentServices;

// The link between an agent window and its shift-plan window, as the graph
// link is for the graph window: Plan Shifts opens the window or brings it to
// the front; the window plans the Schedule's day, edits the scenario's shift
// types, copies a plan into the roster and prints it through the agent
// window; closing the agent window closes it.
class AgentShiftLink : public QObject, public ShiftPlanOwner
{
    Q_OBJECT
public:
    AgentShiftLink(AgentLinkHost &host, AgentServices &services);
    ~AgentShiftLink() override;

    ShiftPlanWindow *planWindow() const { return m_window; }
    // Plan Shifts: the agent window's tool button and key.
    void openPlanWindow();
    void agentClosing();
    void updateCaption();

    std::optional<ShiftDay> planDay() override;
    const std::vector<ShiftType> &shiftTypes() const override;
    bool editShiftTypes() override;
    void useAsRoster(const ShiftPlan &plan, const ShiftDay &day) override;
    PlanServiceCheck serviceCheck() const override;
    void printPlan(const ShiftPlan &plan, const ShiftPlanComparison *comparison) override;

private:
    void bringToFront();

    AgentLinkHost &m_host;
    AgentServices &m_services;
    QPointer<ShiftPlanWindow> m_window;
};
