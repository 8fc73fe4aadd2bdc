// SPDX-License-Identifier: MIT
#include "shiftplantext.h"

#include "shifttimes.h"

#include <algorithm>

namespace ShiftPlanText {

QString hours(double value)
{
    return QString::number(value, 'f', 2);
}

QString solverKey(const ShiftPlan::Solver &solver)
{
    if (solver.optimal())
        return QStringLiteral("optimal");
    return solver.cancelled ? QStringLiteral("cancelled") : QStringLiteral("time-limit");
}

QString solverStatus(const ShiftPlan::Solver &solver)
{
    if (solver.optimal())
        return QStringLiteral("Proven optimal");
    const QString how = solver.cancelled ? QStringLiteral("Cancelled") : QStringLiteral("Stopped by the time limit");
    if (solver.objective <= 0)
        return how;
    const double gap = std::max(0.0, (solver.objective - solver.bound) / solver.objective * 100);
    return QStringLiteral("%1: at most %2% above the best possible (bound %3 paid hours)")
        .arg(how, QString::number(gap, 'f', 1), hours(solver.bound));
}

QString slotList(const ShiftPlan &plan, const std::vector<int> &slotIndices)
{
    QStringList times;
    for (const int slot : slotIndices)
        times << ShiftClockText(plan.coverage[static_cast<std::size_t>(slot)].start);
    return times.join(QStringLiteral(", "));
}

QStringList coverNotes(const ShiftPlan &plan)
{
    QStringList notes;
    if (!plan.unreachableSlots.empty())
        notes << QStringLiteral("No shift type reaches %1: left out of the plan.").arg(slotList(plan, plan.unreachableSlots));
    if (!plan.shortSlots.empty())
        notes << QStringLiteral("The maximums leave %1 agent-slots short, at %2.")
                     .arg(plan.shortfall)
                     .arg(slotList(plan, plan.shortSlots));
    return notes;
}

} // namespace ShiftPlanText
