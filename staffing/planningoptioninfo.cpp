// SPDX-License-Identifier: MIT
#include "planningoptioninfo.h"

#include "staffingmodelinfo.h"

const std::vector<PlanningOptionInfo> &PlanningOptionInfo::all()
{
    static const std::vector<PlanningOptionInfo> options{
        {PlanningOption::Model, QStringLiteral("queueing model"), QStringLiteral("Model"), QStringLiteral("model"),
         QStringLiteral("--model"), QString(), QString(), StaffingModelInfo::keysText(true), 0, 0},
        {PlanningOption::Shrinkage, QStringLiteral("shrinkage"), QStringLiteral("Shrinkage"),
         QStringLiteral("shrinkage"), QStringLiteral("--shrinkage"), QStringLiteral("&Shrinkage %:"),
         QStringLiteral("The share of paid time agents are not on the phones, 0 to 95"),
         QStringLiteral("a percentage from 0 to 95"), 0, PlanningOptions::MaxShrinkagePercent},
        {PlanningOption::MaxOccupancy, QStringLiteral("maximum occupancy"), QStringLiteral("Max occupancy"),
         QStringLiteral("max-occupancy"), QStringLiteral("--max-occupancy"), QStringLiteral("Max &occupancy %:"),
         QStringLiteral("The highest usage the goal row may have, 1 to 100; empty: none"),
         QStringLiteral("a percentage from 1 to 100"), PlanningOptions::MinOccupancyPercent, 100},
        {PlanningOption::MaxAbandon, QStringLiteral("maximum abandoned"), QStringLiteral("Max abandoned"),
         QStringLiteral("max-abandon"), QStringLiteral("--max-abandon"), QStringLiteral("Max a&bandoned %:"),
         QStringLiteral("The highest share of callers hanging up the goal row may have, 0 to 100; empty: none"),
         QStringLiteral("a percentage from 0 to 100"), 0, 100},
        {PlanningOption::PaidHours, QStringLiteral("paid hours per agent"), QStringLiteral("Paid hours"),
         QStringLiteral("paid-hours"), QStringLiteral("--paid-hours"), QStringLiteral("&Paid hours per agent:"),
         QStringLiteral("The paid time of one agent's day, hh:mm (08:00 when empty)"),
         QStringLiteral("a time from 00:01 to 24:00"), PlanningOptions::MinPaidMinutes,
         PlanningOptions::MaxPaidMinutes},
    };
    return options;
}

const PlanningOptionInfo &PlanningOptionInfo::of(PlanningOption option)
{
    for (const PlanningOptionInfo &info : all()) {
        if (info.option == option)
            return info;
    }
    return all().front();
}
