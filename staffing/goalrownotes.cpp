// SPDX-License-Identifier: MIT
#include "goalrownotes.h"

#include "agentscenario.h"
#include "goalrule.h"

namespace {

// Abandonment above which a goal row met without a limit gets a note.
constexpr double NotableAbandonment = 0.05;

QString percentText(double percent)
{
    return QString::number(percent, 'g', 15);
}

QString limitNote(const AgentScenario &scenario)
{
    const unsigned decided = scenario.results().goalDecidedBy;
    const int goalRow = scenario.results().goalRow;
    if (decided == 0 || (decided & GoalRule::ServiceLevelGoal) || goalRow < 2)
        return {};
    const RowValues &above = scenario.results().rowValues[static_cast<std::size_t>(goalRow - 2)];
    QStringList broken;
    if (decided & GoalRule::OccupancyCap) {
        const double cap = *scenario.inputs().Planning.maxOccupancyPercent;
        broken << QStringLiteral("usage %1 % is above the %2 % cap")
                      .arg(PercentAbove(above.figures.usage * 100, cap), percentText(cap));
    }
    if (decided & GoalRule::AbandonmentGoal) {
        const double limit = *scenario.inputs().Planning.maxAbandonPercent;
        broken << QStringLiteral("abandonment %1 % is above the %2 % limit")
                      .arg(PercentAbove(above.figures.abandonRate * 100, limit), percentText(limit));
    }
    return QStringLiteral("%1 agents: %2")
        .arg(QString::number(static_cast<long long>(above.agents)), broken.join(QStringLiteral(" and ")));
}

QString hangUpNote(const AgentScenario &scenario)
{
    const int goalRow = scenario.results().goalRow;
    const PlanningOptions &planning = scenario.inputs().Planning;
    if (planning.model != QueueModel::ErlangA || planning.maxAbandonPercent || goalRow < 1)
        return {};
    const double abandoned = scenario.results().rowValues[static_cast<std::size_t>(goalRow - 1)].figures.abandonRate;
    if (!(abandoned > NotableAbandonment))
        return {};
    return QStringLiteral("at the goal row %1 % of callers hang up: set Max abandoned % to limit them")
        .arg(QString::number(abandoned * 100, 'f', 1));
}

} // namespace

QString PercentAbove(double percent, double limit)
{
    for (int decimals = 1; decimals < 6; ++decimals) {
        const QString text = QString::number(percent, 'f', decimals);
        if (text.toDouble() > limit)
            return text;
    }
    return QString::number(percent, 'g', 15);
}

QStringList GoalRowNotes(const AgentScenario &scenario)
{
    QStringList notes;
    if (scenario.tab() != Tab::Agents || scenario.results().goalRow == 0)
        return notes;
    for (const QString &note : {limitNote(scenario), hangUpNote(scenario)}) {
        if (!note.isEmpty())
            notes << note;
    }
    return notes;
}
