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
