// SPDX-License-Identifier: MIT
#include "weekslotrows.h"

#include "texts.h"

WeekSlotRows WeekSlotRows::of(const WeekScenario &week)
{
    WeekSlotRows rows;
    rows.slotMinutes = week.slotMinutes();
    if (const std::optional<ShiftDay> widest = week.widestPeriod()) {
        rows.firstMinute = widest->startMinuteOfDay;
        rows.count = widest->slotCount();
    }
    return rows;
}

int WeekSlotRows::daySlot(const WeekScenario::Day &day, int row) const
{
    if (!day.open || row < 0 || row >= count || slotMinutes <= 0)
        return -1;
    // Minutes after the first row's midnight; a period past midnight goes on
    // counting, as the widest period does.
    const int offset = firstMinute + row * slotMinutes - day.startMinute;
    if (offset < 0 || offset % slotMinutes != 0)
        return -1;
    const int slot = offset / slotMinutes;
    return slot < day.slotCount(slotMinutes) ? slot : -1;
}

QString WeekSlotRows::rowTitle(int row) const
{
    return Calc::ClockText((firstMinute + row * slotMinutes) % Calc::MinutesPerDay);
}
