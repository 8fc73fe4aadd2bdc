// SPDX-License-Identifier: MIT
#include "agentshiftlink.h"

#include "agentlinkhost.h"
#include "agentservices.h"
#include "dialogservice.h"
#include "scheduleshiftday.h"
#include "shiftplanreport.h"
#include "shiftplanwindow.h"
#include "subwindowplacement.h"
#include "windowtofront.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTabBar>

namespace {

QString planCaption(const QString &agentCaption)
{
    return QStringLiteral("Shift Plan - ") + agentCaption;
}

bool sameSlots(const ShiftDay &a, const ShiftDay &b)
{
    return a.slotMinutes == b.slotMinutes && a.startMinuteOfDay == b.startMinuteOfDay && a.slotCount() == b.slotCount();
}

} // namespace

AgentShiftLink::AgentShiftLink(AgentLinkHost &host, AgentServices &services)
    : QObject(&host.agentWindow())
    , m_host(host)
    , m_services(services)
{
}

AgentShiftLink::~AgentShiftLink()
{
    // As with the graph window: unlinked and left to be deleted.
    if (!m_window)
        return;
    ShiftPlanWindow *window = m_window;
    window->unlink();
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        subWindow->deleteLater();
    else
        window->deleteLater();
}

void AgentShiftLink::openPlanWindow()
{
    if (m_window) {
        bringToFront();
        return;
    }
    auto *window = new ShiftPlanWindow(*this, m_services.dialogs);
    m_window = window;
    window->setWindowTitle(planCaption(m_host.caption()));
    QMdiSubWindow *subWindow = nullptr;
    if (auto *agentSub = qobject_cast<QMdiSubWindow *>(m_host.agentWindow().parentWidget())) {
        if (QMdiArea *area = agentSub->mdiArea()) {
            subWindow = area->addSubWindow(window);
            subWindow->setAttribute(Qt::WA_DeleteOnClose);
            subWindow->setFocusPolicy(Qt::NoFocus);
            subWindow->resize(QSize(ShiftPlanWindow::DesignWidth, ShiftPlanWindow::DesignHeight)
                                  .boundedTo(area->viewport()->size()));
        }
    }
    if (subWindow) {
        subWindow->show();
        KeepWithinWindowArea(subWindow);
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->resize(ShiftPlanWindow::DesignWidth, ShiftPlanWindow::DesignHeight);
        window->show();
    }
    bringToFront();
}

void AgentShiftLink::bringToFront()
{
    BringWindowToFront(m_window);
}

void AgentShiftLink::agentClosing()
{
    if (!m_window)
        return;
    ShiftPlanWindow *window = m_window;
    m_window = nullptr;
    window->unlink();
    if (auto *subWindow = qobject_cast<QMdiSubWindow *>(window->parentWidget()))
        subWindow->close();
    else
        window->close();
}

void AgentShiftLink::updateCaption()
{
    if (m_window)
        m_window->setWindowTitle(planCaption(m_host.caption()));
}

std::optional<ShiftDay> AgentShiftLink::planDay()
{
    // The requirement comes from the Schedule as the fields stand now; a
    // field whose exit is refused (its message shown) plans nothing.
    if (!m_host.completePendingFieldExit())
        return std::nullopt;
    if (m_host.scenario().tab() != Tab::Schedule)
        m_host.showTab(Tab::Schedule);
    else
        m_host.Recalculate();
    const AgentScenario &scenario = m_host.scenario();
    const int rows = static_cast<int>(scenario.results().rowValues.size());
    if (scenario.tab() != Tab::Schedule || rows != scenario.inputs().timeSlots().count)
        return std::nullopt;
    return ScheduleShiftDay(scenario);
}

const std::vector<ShiftType> &AgentShiftLink::shiftTypes() const
{
    return m_host.scenario().inputs().ShiftTypes;
}

bool AgentShiftLink::editShiftTypes()
{
    AgentScenario &scenario = m_host.scenario();
    const ShiftDay day = ScheduleShiftDay(scenario);
    const auto edit = m_services.dialogs.editShiftTypes({scenario.inputs().ShiftTypes, scenario.inputs().ServiceFloor},
                                                        day, m_host.caption());
    if (!edit)
        return false;
    scenario.setShiftTypes(edit->types);
    scenario.setServiceFloor(edit->floor);
    return true;
}

void AgentShiftLink::useAsRoster(const ShiftPlan &plan, const ShiftDay &day)
{
    const std::optional<ShiftDay> now = planDay();
    if (!now)
        return;
    if (!sameSlots(*now, day)) {
        m_services.dialogs.error(QStringLiteral("The Schedule's time slots changed since the plan was made; "
                                                "solve again before using it as the roster"));
        return;
    }
    const std::vector<int> staffed = plan.staffedPerSlot();
    const ScenarioInputs before = m_host.scenario().inputs();
    m_host.scenario().setRoster(RosterValues(staffed.begin(), staffed.end()));
    m_host.scenario().undo().record(before, m_host.scenario().inputs(),
                                    QStringLiteral("Use as Roster: the plan's staffed agents replaced the roster. "
                                                   "Undo: Ctrl+Z"));
    m_host.Recalculate();
}

PlanServiceCheck AgentShiftLink::serviceCheck() const
{
    return PlanServiceCheck(m_host.scenario().inputs());
}

void AgentShiftLink::printPlan(const ShiftPlan &plan, const ShiftPlanComparison *comparison)
{
    m_services.printing.PrintPrepared(ShiftPlanReport(m_host.reportContent(), plan, comparison),
                                      m_services.dialogs);
}
