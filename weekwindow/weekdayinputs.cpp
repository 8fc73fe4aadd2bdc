// SPDX-License-Identifier: MIT
#include "weekdayinputs.h"

#include "scenarioinputs.h"
#include "texts.h"
#include "timeslots.h"

namespace {

template <typename SlotArray>
RosterValues valuesOf(const SlotArray &slotValues, int count)
{
    RosterValues values;
    for (int slot = 1; slot <= count; ++slot)
        values.push_back(slotValues[static_cast<std::size_t>(slot)]);
    while (!values.empty() && !values.back())
        values.pop_back();
    return values;
}

} // namespace

WeekScenario::Day WeekDayFromInputs(const ScenarioInputs &inputs, const WeekScenario::Day &before, int slotMinutes)
{
    const TimeSlots period = inputs.timeSlots();
    if (period.lengthMinutes() != slotMinutes)
        return before;
    WeekScenario::Day day = before;
    day.open = true;
    day.startMinute = period.hour * 60 + period.minute;
    day.endMinute = period.endHour * 60 + period.endMinute;
    if (day.endMinute == 0)
        day.endMinute = Calc::MinutesPerDay;
    const int count = std::min(period.count, ScenarioInputs::SlotCapacity);
    day.calls.assign(inputs.SlotCalls.begin() + 1, inputs.SlotCalls.begin() + 1 + count);
    day.talkSeconds = valuesOf(inputs.SlotTalkSeconds, count);
    day.wrapSeconds = valuesOf(inputs.SlotWrapSeconds, count);
    return day;
}

bool TakeDayWindowChanges(WeekScenario &week, int day, const ScenarioInputs &window)
{
    WeekScenario::Day &held = week.days.at(static_cast<std::size_t>(day));
    const WeekScenario::Day shown = WeekDayFromInputs(week.dayInputs(day), held, week.slotMinutes());
    const WeekScenario::Day now = WeekDayFromInputs(window, held, week.slotMinutes());
    if (now == shown)
        return false;
    held = now;
    return true;
}

std::vector<std::pair<int, ScenarioInputs>> WeekRosterInputs(const WeekScenario &week, const WeekPlan &plan,
                                                             QStringList *withoutCalls)
{
    std::vector<std::pair<int, ScenarioInputs>> days;
    for (int day = 0; day < WeekScenario::DayCount; ++day) {
        if (!plan.days.at(static_cast<std::size_t>(day)).open)
            continue;
        if (week.days.at(static_cast<std::size_t>(day)).hasCalls())
            days.emplace_back(day, week.dayInputs(day, plan));
        else if (withoutCalls)
            *withoutCalls << WeekScenario::dayTitle(day);
    }
    return days;
}
