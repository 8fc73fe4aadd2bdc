// SPDX-License-Identifier: MIT
#include "shifttype.h"

#include "shiftday.h"

#include <algorithm>

bool ShiftType::Break::operator==(const Break &other) const
{
    return lengthMinutes == other.lengthMinutes && earliestMinutes == other.earliestMinutes
        && latestMinutes == other.latestMinutes && paid == other.paid;
}

int ShiftType::paidMinutes() const
{
    if (breakRule && !breakRule->paid)
        return lengthMinutes - breakRule->lengthMinutes;
    return lengthMinutes;
}

bool ShiftType::operator==(const ShiftType &other) const
{
    return name == other.name && lengthMinutes == other.lengthMinutes && earliestStart == other.earliestStart
        && latestStart == other.latestStart && breakRule == other.breakRule && maxAgents == other.maxAgents;
}

std::vector<ShiftType> ShiftType::defaultSet(const ShiftDay &day)
{
    struct Kind { const char *name; int hours; bool withBreak; };
    const Kind kinds[] = {{"8 hours", 8, true}, {"6 hours", 6, false}, {"4 hours", 4, false}};
    std::vector<ShiftType> types;
    for (const Kind &kind : kinds) {
        ShiftType type;
        type.name = QString::fromLatin1(kind.name);
        type.lengthMinutes = kind.hours * 60;
        if (type.lengthMinutes > day.dayMinutes())
            continue;
        type.earliestStart = day.minuteOfDayAt(0);
        type.latestStart = day.minuteOfDayAt(day.dayMinutes() - type.lengthMinutes);
        if (kind.withBreak)
            type.breakRule = Break{std::max(30, day.slotMinutes), 3 * 60, 5 * 60, false};
        types.push_back(type);
    }
    return types;
}

bool ShiftType::anyMaximum(const std::vector<ShiftType> &types)
{
    return std::any_of(types.begin(), types.end(), [](const ShiftType &t) { return t.maxAgents.has_value(); });
}
