// SPDX-License-Identifier: MIT
#include "weekcopy.h"

#include "texts.h"
#include "weekplan.h"
#include "weekplantext.h"

namespace WeekCopy {

namespace {

QList<QStringList> agentRows(const WeekPlan &plan)
{
    const std::vector<QStringList> rows = WeekPlanText::agentTable(plan);
    return QList<QStringList>(rows.begin(), rows.end());
}

QList<QStringList> coverRows(const WeekPlan &plan)
{
    QList<QStringList> rows{{QStringLiteral("Day"), QStringLiteral("Slot"), QStringLiteral("Required"),
                             QStringLiteral("Staffed"), QStringLiteral("Difference")}};
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const WeekPlan::Day &day = plan.days[std::size_t(d)];
        if (!day.open)
            continue;
        for (const ShiftPlan::Slot &slot : day.coverage)
            rows << QStringList{ShiftWeek::dayName(d), Calc::ClockText(slot.start), QString::number(slot.required),
                                QString::number(slot.staffed), QString::number(slot.difference())};
    }
    return rows;
}

} // namespace

TableCopy agentWeeks(const WeekPlan &plan)
{
    return TableCopy::ofRows(agentRows(plan));
}

TableCopy cover(const WeekPlan &plan)
{
    return TableCopy::ofRows(coverRows(plan));
}

TableCopy week(const WeekPlan &plan)
{
    return TableCopy::ofRows(agentRows(plan) << QStringList() << coverRows(plan));
}

} // namespace WeekCopy
