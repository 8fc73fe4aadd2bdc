// SPDX-License-Identifier: MIT
#include "weekplantext.h"

#include "shiftplantext.h"
#include "texts.h"

#include <algorithm>

namespace WeekPlanText {

namespace {

double fte(const WeekPlan &plan)
{
    double sum = 0;
    for (const WeekPlan::TourTotal &tour : plan.tours)
        sum += tour.fte();
    return sum;
}

} // namespace

QString dayShift(const std::optional<WeekPlan::DayShift> &shift)
{
    if (!shift)
        return QStringLiteral("off");
    QString text = Calc::ClockText(shift->start) + QChar(0x2013) + Calc::ClockText(shift->end);
    if (shift->breakStart)
        text += QStringLiteral(" b") + Calc::ClockText(*shift->breakStart);
    return text;
}

QStringList agentHeadings()
{
    QStringList headings{QStringLiteral("Agent"), QStringLiteral("Tour")};
    for (int day = 0; day < ShiftWeek::DayCount; ++day)
        headings << ShiftWeek::dayName(day);
    return headings << QStringLiteral("Paid hrs");
}

QStringList agentRow(int number, const WeekPlan::AgentWeek &agent)
{
    QStringList row{QString::number(number), agent.tourName};
    for (const std::optional<WeekPlan::DayShift> &shift : agent.days)
        row << dayShift(shift);
    return row << ShiftPlanText::hours(agent.paidMinutes / 60.0);
}

std::vector<QStringList> agentTable(const WeekPlan &plan)
{
    std::vector<QStringList> rows{agentHeadings()};
    for (std::size_t agent = 0; agent < plan.agents.size(); ++agent)
        rows.push_back(agentRow(static_cast<int>(agent) + 1, plan.agents[agent]));
    return rows;
}

QStringList dayHeadings()
{
    return {QStringLiteral("Day"), QStringLiteral("Date"), QStringLiteral("Paid hrs"), QStringLiteral("Required hrs"),
            QStringLiteral("Service level")};
}

QStringList dayRow(const WeekPlan &plan, int index, const std::optional<QDate> &date)
{
    const WeekPlan::Day &day = plan.days.at(static_cast<std::size_t>(index));
    QStringList row{ShiftWeek::dayName(index), date ? date->toString(Qt::ISODate) : QString()};
    if (!day.open)
        return row << QStringLiteral("closed") << QString() << QString();
    return row << ShiftPlanText::hours(day.paidHours) << ShiftPlanText::hours(day.requiredHours)
               << (day.serviceLevel ? ShiftPlanText::level(*day.serviceLevel) : QStringLiteral("-"));
}

QStringList tourHeadings()
{
    return {QStringLiteral("Tour"), QStringLiteral("Headcount"), QStringLiteral("Paid hrs"), QStringLiteral("FTE")};
}

QStringList tourRow(const WeekPlan::TourTotal &tour)
{
    return {tour.name, QString::number(tour.headcount), ShiftPlanText::hours(tour.paidHours),
            ShiftPlanText::hours(tour.fte())};
}

std::vector<QStringList> tourTable(const WeekPlan &plan)
{
    std::vector<QStringList> rows{tourHeadings()};
    for (const WeekPlan::TourTotal &tour : plan.tours)
        rows.push_back(tourRow(tour));
    return rows;
}

std::vector<std::pair<QString, QString>> totals(const WeekPlan &plan)
{
    std::vector<std::pair<QString, QString>> lines;
    if (plan.coversShort())
        lines.emplace_back(QStringLiteral("Requirement met"),
                           ShiftPlanText::requirementMet(plan.requirementMet(), plan.requiredHours));
    lines.insert(lines.end(), {{QStringLiteral("Paid agent-hours"), ShiftPlanText::hours(plan.paidHours)},
                               {QStringLiteral("Required agent-hours"), ShiftPlanText::hours(plan.requiredHours)},
                               {QStringLiteral("Agents"), QString::number(plan.agents.size())},
                               {QStringLiteral("FTE"), ShiftPlanText::hours(fte(plan))}});
    if (plan.serviceGoal)
        lines.emplace_back(QStringLiteral("Service level goal"),
                           QStringLiteral("%1 on every open day").arg(ShiftPlanText::goalPercent(*plan.serviceGoal)));
    std::optional<SlotFloor> floor;
    std::size_t missed = 0;
    for (const WeekPlan::Day &day : plan.days)
        if (day.floorCheck) {
            floor = day.floorCheck->floor;
            missed += day.floorCheck->missedSlots.size();
        }
    if (plan.serviceGoal && floor)
        lines.emplace_back(QStringLiteral("Slot floor"), ShiftPlanText::floorOutcome(*floor, missed));
    lines.emplace_back(QStringLiteral("Solver"), ShiftPlanText::solverStatus(plan.solver));
    return lines;
}

QStringList coverNotes(const WeekPlan &plan)
{
    QStringList notes;
    for (int index = 0; index < ShiftWeek::DayCount; ++index) {
        const WeekPlan::Day &day = plan.days[static_cast<std::size_t>(index)];
        const QString name = ShiftWeek::dayName(index);
        if (!day.unreachableSlots.empty())
            notes << QStringLiteral("%1: no tour reaches %2: left out of the plan.")
                         .arg(name, ShiftPlanText::slotList(day.coverage, day.unreachableSlots));
        if (day.floorCheck && !day.floorCheck->outOfReachSlots.empty())
            notes << QStringLiteral("%1: no agent number up to %2 above the lowest level meets the slot floor at %3: "
                                    "the plan does not hold it there.")
                         .arg(name)
                         .arg(ServiceCurve::MaxSteps)
                         .arg(ShiftPlanText::slotList(day.coverage, day.floorCheck->outOfReachSlots));
        if (day.floorCheck && !day.floorCheck->missedSlots.empty())
            notes << QStringLiteral("%1: below the slot floor of %2: %3.")
                         .arg(name, ShiftPlanText::floorName(day.floorCheck->floor),
                              ShiftPlanText::slotList(day.coverage, day.floorCheck->missedSlots));
        if (day.shortSlots.empty())
            continue;
        if (plan.serviceGoal)
            notes << QStringLiteral("%1: below their requirement for the day's service level: %2.")
                         .arg(name, ShiftPlanText::slotList(day.coverage, day.shortSlots));
        else
            notes << QStringLiteral("%1: the maximums leave %2 agent-slots short, at %3.")
                         .arg(name)
                         .arg(day.shortfall)
                         .arg(ShiftPlanText::slotList(day.coverage, day.shortSlots));
    }
    for (int index = 0; index < ShiftWeek::DayCount && plan.serviceGoal; ++index) {
        const std::optional<double> &reachable = plan.days[static_cast<std::size_t>(index)].serviceReachable;
        if (reachable)
            notes << QStringLiteral("%1: the tours reach a day's service level of at most %2, short of the goal of "
                                    "%3 by %4 points: the plan gives that level at the fewest paid hours.")
                         .arg(ShiftWeek::dayName(index), ShiftPlanText::level(*reachable),
                              ShiftPlanText::goalPercent(*plan.serviceGoal),
                              QString::number((*plan.serviceGoal - *reachable) * 100, 'f', 1));
    }
    return notes;
}

std::optional<double> lowestDayLevel(const WeekPlan &plan)
{
    std::optional<double> lowest;
    for (const WeekPlan::Day &day : plan.days) {
        if (day.open && day.serviceLevel)
            lowest = std::min(lowest.value_or(*day.serviceLevel), *day.serviceLevel);
    }
    return lowest;
}

std::vector<std::pair<QString, QString>> comparisonLines(const WeekPlan *cover, const WeekPlan *service)
{
    std::vector<std::pair<QString, QString>> lines;
    const std::pair<QString, const WeekPlan *> plans[] = {{QStringLiteral("Cover every slot"), cover},
                                                          {QStringLiteral("Each day's service level"), service}};
    for (const auto &[goal, plan] : plans) {
        if (!plan) {
            lines.emplace_back(goal, QStringLiteral("no plan"));
            continue;
        }
        const std::optional<double> lowest = lowestDayLevel(*plan);
        lines.emplace_back(goal, QStringLiteral("%1 paid hours, %2 agents, lowest day's service level %3")
                                     .arg(ShiftPlanText::hours(plan->paidHours))
                                     .arg(plan->agents.size())
                                     .arg(lowest ? ShiftPlanText::level(*lowest) : QStringLiteral("-")));
    }
    return lines;
}

} // namespace WeekPlanText
