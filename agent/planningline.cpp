// SPDX-License-Identifier: MIT
#include "planningline.h"

#include "agentscenario.h"
#include "daytotalslines.h"
#include "goalrule.h"

#include <QStringList>

namespace {

// What decided the goal row, when the service level did not.
QString decidedBy(unsigned goals)
{
    if (goals & GoalRule::ServiceLevelGoal)
        return {};
    const bool cap = goals & GoalRule::OccupancyCap;
    const bool abandon = goals & GoalRule::AbandonmentGoal;
    if (cap && abandon)
        return QStringLiteral("the occupancy cap and the abandonment limit decided the goal row");
    if (cap)
        return QStringLiteral("the occupancy cap decided the goal row");
    if (abandon)
        return QStringLiteral("the abandonment limit decided the goal row");
    return {};
}

// The options set, and what decided the goal row.
QString optionsLine(const AgentScenario &scenario)
{
    const std::vector<ShownPlanningOption> shown = ShownPlanningOptions(scenario.Planning);
    if (shown.empty())
        return {};
    QStringList parts;
    for (const ShownPlanningOption &option : shown) {
        // The model is named by itself: "Erlang A".
        parts << (option.option == PlanningOption::Model ? option.value
                                                          : option.caption + QLatin1Char(' ') + option.value);
    }
    QString line = QStringLiteral("Planning: ") + parts.join(QStringLiteral(" \u00B7 "));
    if (scenario.tab() == Tab::Agents && scenario.goalRow() > 0) {
        const QString decided = decidedBy(scenario.goalDecidedBy());
        if (!decided.isEmpty())
            line += QStringLiteral(" \u2014 ") + decided;
    }
    return line;
}

} // namespace

QString PlanningLineText(const AgentScenario &scenario)
{
    QString line = optionsLine(scenario);
    QStringList day;
    for (const TotalsLine &figure : DayTotalsLines(scenario))
        day << figure.caption + QStringLiteral(": ") + figure.value;
    if (!day.isEmpty()) {
        if (!line.isEmpty())
            line += QLatin1Char('\n');
        line += QStringLiteral("Day: ") + day.join(QStringLiteral(" \u00B7 "));
    }
    return line;
}
