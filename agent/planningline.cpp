// SPDX-License-Identifier: MIT
#include "planningline.h"

#include "agentscenario.h"
#include "daytotalslines.h"
#include "goalrownotes.h"
#include "planningoptiontexts.h"

#include <QStringList>

namespace {

// The options set, and what to know about the goal row.
QString optionsLine(const AgentScenario &scenario)
{
    const std::vector<ShownPlanningOption> shown = ShownPlanningOptions(scenario.inputs().Planning);
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
    // What the last command that replaced slot values did, while they stand.
    if (const QString replaced = scenario.undo().note(scenario.inputs()); !replaced.isEmpty())
        line = replaced + (line.isEmpty() ? QString() : QLatin1Char('\n') + line);
    // The day's totals and the roster's figures each start a line; a
    // narrow window wraps between figures, never inside one.
    QStringList totals;
    QStringList roster;
    for (const TotalsLine &figure : DayTotalsLines(scenario)) {
        QString item = figure.caption + QStringLiteral(": ") + figure.value;
        item.replace(QLatin1Char(' '), QChar(0x00A0));
        (figure.roster ? roster : totals) << item;
    }
    QStringList day;
    for (const QStringList &group : {totals, roster}) {
        if (!group.isEmpty())
            day << group.join(QStringLiteral(" \u00B7 "));
    }
    if (!day.isEmpty()) {
        if (!line.isEmpty())
            line += QLatin1Char('\n');
        line += QStringLiteral("Day: ") + day.join(QLatin1Char('\n'));
    }
    return line;
}
