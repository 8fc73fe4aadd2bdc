// SPDX-License-Identifier: MIT
#include "planningline.h"

#include "agentscenario.h"
#include "daytotalslines.h"
#include "goalrownotes.h"

#include <QStringList>

namespace {

// The options set, and what to know about the goal row.
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
    for (const QString &note : GoalRowNotes(scenario))
        line += QStringLiteral(" \u2014 ") + note;
    return line;
}

} // namespace

QString PlanningLineText(const AgentScenario &scenario)
{
    QString line = optionsLine(scenario);
    if (scenario.inputsChangedSinceTable())
        line = StaleTableText + (line.isEmpty() ? QString() : QLatin1Char('\n') + line);
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
