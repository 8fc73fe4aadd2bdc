// SPDX-License-Identifier: MIT
#pragma once

#include "weekscenario.h"

#include <QString>

// The rows the week's day-by-day tables share: the slots of the widest
// open period (from the earliest start to the latest end over the open
// days, at most a day), so that a row is one time of day on every day.
// A day's slot stands in the row of its start time; a row outside a
// day's period is blank for that day.
struct WeekSlotRows
{
    int slotMinutes = 60;
    // The first row's start in minutes of the day, 0..1439.
    int firstMinute = 0;
    int count = 0;

    static WeekSlotRows of(const WeekScenario &week);

    // The slot (from 0) of `day` that starts at the row's time, or -1 when
    // the day is closed or not open then.
    int daySlot(const WeekScenario::Day &day, int row) const;
    // The row's start time as "hh:mm".
    QString rowTitle(int row) const;
};
