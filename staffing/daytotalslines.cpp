// SPDX-License-Identifier: MIT
#include "daytotalslines.h"

#include "agentscenario.h"
#include "texts.h"

DayTotals ScheduleDayTotals(const AgentScenario &scenario)
{
    const ScenarioInputs &inputs = scenario.inputs();
    return ComputeDayTotals(scenario.results().rowValues, inputs.timeSlots().slotHours(), inputs.Planning.paidMinutes);
}

RosterDay ScheduleRosterDay(const AgentScenario &scenario)
{
    return ComputeRosterDay(scenario.results().rowValues, scenario.inputs().timeSlots().slotHours());
}

QString AgentHoursText(double hours)
{
    return QString::number(hours, 'f', 1);
}

QString PaidHoursPerAgentText(int paidMinutes)
{
    // Hours as a number, not a clock time: 450 minutes are "7.5".
    QString text = QString::number(paidMinutes / 60.0, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

std::vector<TotalsLine> DayTotalsLines(const AgentScenario &scenario)
{
    std::vector<TotalsLine> lines;
    if (scenario.tab() != Tab::Schedule)
        return lines;
    const PlanningOptions &planning = scenario.inputs().Planning;
    if (!planning.isDefault()) {
        const DayTotals day = ScheduleDayTotals(scenario);
        lines.push_back({QStringLiteral("Required agent-hours"), AgentHoursText(day.requiredAgentHours)});
        lines.push_back({QStringLiteral("Scheduled agent-hours"), AgentHoursText(day.scheduledAgentHours)});
        lines.push_back({QStringLiteral("FTE at %1 paid hours per agent").arg(PaidHoursPerAgentText(planning.paidMinutes)),
                         QString::number(day.fte, 'f', 2)});
        const QString peak = day.peakSlot.isEmpty()
            ? QStringLiteral("none")
            : QStringLiteral("%1, %2 agents").arg(day.peakSlot, QString::number(day.peakAgents, 'f', 0));
        lines.push_back({QStringLiteral("Peak slot"), peak});
    }
    if (scenario.inputs().hasRoster()) {
        const RosterDay roster = ScheduleRosterDay(scenario);
        // One decimal: a day at 79.6 % must not read as meeting an 80 % goal.
        const QString level = roster.serviceLevel ? Calc::PercentText(*roster.serviceLevel, 1) : QStringLiteral("none");
        lines.push_back({QStringLiteral("Roster service level"), level, true});
        lines.push_back({QStringLiteral("Short slots"), QString::number(roster.shortSlotCount), true});
        lines.push_back({QStringLiteral("Shortfall agent-hours"), AgentHoursText(roster.shortfallAgentHours), true});
        lines.push_back({QStringLiteral("Roster agent-hours"), AgentHoursText(roster.agentHours), true});
    }
    return lines;
}
