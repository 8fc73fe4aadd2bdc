// SPDX-License-Identifier: MIT
#include "shiftplantext.h"

#include "servicecurve.h"
#include "texts.h"

#include <algorithm>

namespace ShiftPlanText {

QString hours(double value)
{
    return QString::number(value, 'f', 2);
}

QString level(double value)
{
    return QString::number(value * 100, 'f', 1) + QLatin1Char('%');
}

QString goalName(const ShiftPlan &plan)
{
    if (!plan.serviceGoal)
        return QStringLiteral("Cover every slot");
    return QStringLiteral("Service level %1").arg(goalPercent(*plan.serviceGoal));
}

QString goalPercent(double goal)
{
    return QString::number(goal * 100, 'g', 4) + QLatin1Char('%');
}

QString requirementMet(double share, double requiredHours)
{
    return QStringLiteral("%1 of %2 agent-hours").arg(level(share), hours(requiredHours));
}

QString floorName(const SlotFloor &floor)
{
    QStringList parts;
    if (floor.servicePercent)
        parts << QString::number(*floor.servicePercent, 'g', 6) + QLatin1Char('%');
    if (floor.maxAbandonPercent)
        parts << QStringLiteral("at most %1% abandoned").arg(QString::number(*floor.maxAbandonPercent, 'g', 6));
    return parts.join(QStringLiteral(", "));
}

QString floorOutcome(const SlotFloor &floor, std::size_t missedSlots)
{
    if (missedSlots == 0)
        return floorName(floor) + QStringLiteral(": met in every slot");
    return floorName(floor)
           + QStringLiteral(": missed in %1 slot%2").arg(missedSlots).arg(missedSlots == 1 ? QString() : QStringLiteral("s"));
}

QString goalKey(ShiftGoal goal)
{
    return goal == ShiftGoal::Cover ? QStringLiteral("cover") : QStringLiteral("service");
}

QStringList shiftHeadings()
{
    return {QStringLiteral("Shift"), QStringLiteral("Start"), QStringLiteral("Break"), QStringLiteral("End"),
            QStringLiteral("Agents"), QStringLiteral("Paid hrs")};
}

QStringList shiftRow(const ShiftPlan::Shift &s)
{
    return {s.typeName, Calc::ClockText(s.start), s.breakStart ? Calc::ClockText(*s.breakStart) : QString(),
            Calc::ClockText(s.end), QString::number(s.agents), hours(s.paidHours)};
}

QStringList coverHeadings()
{
    return {QStringLiteral("Time"), QStringLiteral("Required"), QStringLiteral("Staffed"), QStringLiteral("+/-")};
}

QStringList coverRow(const ShiftPlan::Slot &slot)
{
    QString over = slot.difference() > 0 ? QStringLiteral("+%1").arg(slot.difference()) : QString::number(slot.difference());
    if (!slot.reachable && slot.required > 0)
        over = QStringLiteral("unreached");
    return {Calc::ClockText(slot.start), QString::number(slot.required), QString::number(slot.staffed), over};
}

std::vector<std::pair<QString, QString>> totals(const ShiftPlan &plan)
{
    std::vector<std::pair<QString, QString>> lines;
    if (plan.coversShort())
        lines.emplace_back(QStringLiteral("Requirement met"), requirementMet(plan.metHours / plan.requiredHours, plan.requiredHours));
    lines.insert(lines.end(), {
        {QStringLiteral("Paid agent-hours"), hours(plan.paidHours)},
        {QStringLiteral("Required agent-hours"), hours(plan.requiredHours)},
        {QStringLiteral("Efficiency"), QStringLiteral("%1%").arg(QString::number(plan.efficiency * 100, 'f', 1))},
        {QStringLiteral("Agents"), QString::number(plan.agents)}});
    if (plan.serviceGoal && plan.dayServiceLevel)
        lines.emplace_back(QStringLiteral("Day's service level"),
                           QStringLiteral("%1 (goal %2)").arg(level(*plan.dayServiceLevel), goalPercent(*plan.serviceGoal)));
    if (plan.serviceGoal && plan.floorCheck)
        lines.emplace_back(QStringLiteral("Slot floor"),
                           floorOutcome(plan.floorCheck->floor, plan.floorCheck->missedSlots.size()));
    lines.emplace_back(QStringLiteral("Solver"), solverStatus(plan.solver));
    return lines;
}

QStringList comparisonHeadings()
{
    return {QStringLiteral("Plan"), QStringLiteral("Paid hrs"), QStringLiteral("Service level")};
}

std::vector<QStringList> comparisonRows(const ShiftPlanComparison &plans)
{
    std::vector<QStringList> rows;
    for (const ShiftPlan *plan : {plans.cover, plans.service}) {
        if (!plan) {
            rows.push_back({rows.empty() ? QStringLiteral("Cover every slot") : QStringLiteral("Service level"),
                            QStringLiteral("no plan"), QString()});
            continue;
        }
        rows.push_back({goalName(*plan), hours(plan->paidHours),
                        plan->dayServiceLevel ? level(*plan->dayServiceLevel) : QStringLiteral("none")});
    }
    return rows;
}

std::vector<std::pair<QString, QString>> comparisonLines(const ShiftPlanComparison &plans)
{
    std::vector<std::pair<QString, QString>> lines;
    for (const QStringList &row : comparisonRows(plans)) {
        const bool planned = !row[2].isEmpty();
        lines.emplace_back(row[0], planned ? QStringLiteral("%1 paid hours, service level %2").arg(row[1], row[2]) : row[1]);
    }
    return lines;
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
    const QString how = solver.cancelled ? QStringLiteral("Stopped by a cancel") : QStringLiteral("Stopped by the time limit");
    if (solver.objective <= 0)
        return how + QStringLiteral(": not proven optimal");
    // A plan of a search stopped before the paid hours were weighed.
    if (solver.bound <= 0)
        return how + QStringLiteral(": not proven optimal; how far cheaper plans may go is not known");
    const double gap = std::max(0.0, (solver.objective - solver.bound) / solver.objective * 100);
    return QStringLiteral("%1: not proven optimal, at most %2% above the best possible (bound %3 paid hours)")
        .arg(how, QString::number(gap, 'f', 1), hours(solver.bound));
}

QString slotList(const ShiftPlan &plan, const std::vector<int> &slotIndices)
{
    return slotList(plan.coverage, slotIndices);
}

QString slotList(const std::vector<ShiftPlan::Slot> &coverage, const std::vector<int> &slotIndices)
{
    QStringList runs;
    auto startOf = [&coverage](int slot) { return Calc::ClockText(coverage[static_cast<std::size_t>(slot)].start); };
    for (std::size_t i = 0; i < slotIndices.size();) {
        std::size_t last = i;
        while (last + 1 < slotIndices.size() && slotIndices[last + 1] == slotIndices[last] + 1)
            ++last;
        runs << (last == i ? startOf(slotIndices[i]) : startOf(slotIndices[i]) + QChar(0x2013) + startOf(slotIndices[last]));
        i = last + 1;
    }
    return runs.join(QStringLiteral(", "));
}

QStringList coverNotes(const ShiftPlan &plan)
{
    QStringList notes;
    if (!plan.unreachableSlots.empty())
        notes << QStringLiteral("No shift type reaches %1: left out of the plan.").arg(slotList(plan, plan.unreachableSlots));
    if (plan.serviceGoal) {
        if (!plan.shortSlots.empty())
            notes << QStringLiteral("Below their requirement for the day's service level: %1.").arg(slotList(plan, plan.shortSlots));
        const QString goal = goalPercent(*plan.serviceGoal);
        if (plan.serviceReachable)
            notes << QStringLiteral("The shift types reach a day's service level of at most %1, short of the goal of %2 "
                                    "by %3 points: the plan gives that level at the fewest paid hours.")
                         .arg(level(*plan.serviceReachable), goal,
                              QString::number((*plan.serviceGoal - *plan.serviceReachable) * 100, 'f', 1));
        else if (plan.dayServiceLevel && !plan.meetsServiceGoal())
            notes << QStringLiteral("The roster check gives the plan %1, below the goal of %2.").arg(level(*plan.dayServiceLevel), goal);
        if (plan.floorCheck) {
            const ShiftPlan::FloorCheck &floor = *plan.floorCheck;
            if (!floor.outOfReachSlots.empty())
                notes << QStringLiteral("No agent number up to %1 above the lowest level meets the slot floor at %2: "
                                        "the plan does not hold it there.")
                             .arg(ServiceCurve::MaxSteps)
                             .arg(slotList(plan, floor.outOfReachSlots));
            if (!floor.missedSlots.empty())
                notes << QStringLiteral("Below the slot floor of %1: %2.").arg(floorName(floor.floor), slotList(plan, floor.missedSlots));
        }
        return notes;
    }
    if (!plan.shortSlots.empty())
        notes << QStringLiteral("The maximums leave %1 agent-slots short, at %2.")
                     .arg(plan.shortfall)
                     .arg(slotList(plan, plan.shortSlots));
    return notes;
}

} // namespace ShiftPlanText
