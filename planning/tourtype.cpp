// SPDX-License-Identifier: MIT
#include "tourtype.h"


bool TourType::operator==(const TourType &other) const
{
    return name == other.name && minDays == other.minDays && maxDays == other.maxDays
           && consecutiveDaysOff == other.consecutiveDaysOff && shiftTypes == other.shiftTypes
           && bandMinutes == other.bandMinutes && minPaidMinutes == other.minPaidMinutes
           && maxPaidMinutes == other.maxPaidMinutes && maxAgents == other.maxAgents;
}

std::vector<TourType> TourType::defaultSet()
{
    TourType full;
    full.name = QStringLiteral("Full time");
    full.minDays = full.maxDays = 5;
    full.consecutiveDaysOff = true;
    full.shiftTypes = {QStringLiteral("8 hours")};
    full.bandMinutes = 60;
    full.minPaidMinutes = 37 * 60 + 30;
    full.maxPaidMinutes = 40 * 60;

    TourType part;
    part.name = QStringLiteral("Part time");
    part.minDays = 3;
    part.maxDays = 4;
    part.consecutiveDaysOff = false;
    part.shiftTypes = {QStringLiteral("6 hours"), QStringLiteral("4 hours")};
    part.minPaidMinutes = 16 * 60;
    part.maxPaidMinutes = 28 * 60;
    return {full, part};
}
