// SPDX-License-Identifier: MIT
#include "slotfloorinfo.h"

#include "planningoptions.h"

std::optional<double> SlotFloorInfo::parse(const QString &text) const
{
    return ParsePercentOption(text, minimum, maximum);
}

QString SlotFloorInfo::text(double percent)
{
    return PercentOptionText(percent);
}

const std::vector<SlotFloorInfo> &SlotFloorInfo::all()
{
    static const std::vector<SlotFloorInfo> figures{
        {&SlotFloor::servicePercent, QStringLiteral("slot floor"), QStringLiteral("slot-floor"),
         QStringLiteral("--slot-floor"), QStringLiteral("Service &floor per slot %:"),
         QStringLiteral("For the day's service level: the least service level every slot with calls must get, "
                        "1 to 99.9; empty: none"),
         QStringLiteral("a percentage from 1 to 99.9"), SlotFloor::LeastServicePercent, SlotFloor::MostServicePercent},
        {&SlotFloor::maxAbandonPercent, QStringLiteral("slot floor's cap on abandoned calls"),
         QStringLiteral("slot-abandon-max"), QStringLiteral("--slot-abandon-max"),
         QStringLiteral("Max aba&ndoned per slot %:"),
         QStringLiteral("For the day's service level under Erlang A: the most of a slot's callers who may hang up, "
                        "0.01 to 100; empty: none"),
         QStringLiteral("a percentage from 0.01 to 100"), SlotFloor::LeastAbandonPercent, SlotFloor::MostAbandonPercent},
    };
    return figures;
}
