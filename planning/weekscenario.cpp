// SPDX-License-Identifier: MIT
#include "weekscenario.h"

#include "planservicecheck.h"
#include "scenarioevents.h"
#include "scheduleshiftday.h"
#include "texts.h"

#include <QLocale>

#include <algorithm>

namespace {

// Minutes from the start to the end of a period; equal times are a day.
int periodLength(int start, int end)
{
    const int length = ((end - start) % Calc::MinutesPerDay + Calc::MinutesPerDay) % Calc::MinutesPerDay;
    return length == 0 ? Calc::MinutesPerDay : length;
}

// The agents a plan staffs each slot of a day with, slot 1 first.
std::vector<int> staffedOn(const WeekPlan &plan, int day)
{
    std::vector<int> staffed;
    for (const ShiftPlan::Slot &slot : plan.days.at(static_cast<std::size_t>(day)).coverage)
        staffed.push_back(slot.staffed);
    return staffed;
}

// Slot 1 on takes the values; the slots after them have none.
template <typename SlotArray, typename Values>
void putSlotValues(SlotArray &into, const Values &values, std::size_t count)
{
    into.fill(typename SlotArray::value_type());
    for (std::size_t slot = 0; slot < values.size() && slot < count; ++slot)
        into[slot + 1] = values[slot];
}

} // namespace

int WeekScenario::Day::slotCount(int slotMinutes) const
{
    return open && slotMinutes > 0 ? periodLength(startMinute, endMinute) / slotMinutes : 0;
}

bool WeekScenario::Day::onSlots(int slotMinutes) const
{
    return slotMinutes > 0 && startMinute % slotMinutes == 0 && endMinute % slotMinutes == 0;
}

bool WeekScenario::Day::hasCalls() const
{
    return open && std::any_of(calls.begin(), calls.end(), [](int c) { return c > 0; });
}

bool WeekScenario::Day::operator==(const Day &other) const
{
    return open == other.open && startMinute == other.startMinute && endMinute == other.endMinute
        && calls == other.calls && talkSeconds == other.talkSeconds && wrapSeconds == other.wrapSeconds
        && date == other.date;
}

QString WeekScenario::dayTitle(int day)
{
    return QLocale::c().dayName(day + 1, QLocale::LongFormat);
}

std::optional<ShiftDay> WeekScenario::widestPeriod() const
{
    std::optional<int> first;
    int last = 0; // minutes after the first day's midnight; past 1440 on the next day
    for (const Day &day : days) {
        if (!day.open)
            continue;
        first = std::min(first.value_or(day.startMinute), day.startMinute);
        last = std::max(last, day.startMinute + periodLength(day.startMinute, day.endMinute));
    }
    if (!first)
        return std::nullopt;
    ShiftDay period;
    period.slotMinutes = slotMinutes();
    period.startMinuteOfDay = *first;
    const int length = std::min(last - *first, Calc::MinutesPerDay);
    period.requirement.assign(static_cast<std::size_t>(length / period.slotMinutes), 0);
    return period;
}

std::vector<ShiftType> WeekScenario::plannedShiftTypes() const
{
    if (!shiftTypes.empty())
        return shiftTypes;
    const std::optional<ShiftDay> period = widestPeriod();
    return period ? ShiftType::defaultSet(*period) : std::vector<ShiftType>();
}

std::vector<TourType> WeekScenario::plannedTourTypes() const
{
    return tourTypes.empty() ? TourType::defaultSet() : tourTypes;
}

ScenarioInputs WeekScenario::dayInputs(int index) const
{
    const Day &day = days.at(static_cast<std::size_t>(index));
    ScenarioInputs inputs = settings;
    inputs.setText(Field::MaskEdit1, Calc::ClockText(day.startMinute));
    inputs.setText(Field::MaskEdit7, Calc::ClockText(day.endMinute));
    const auto count = static_cast<std::size_t>(std::min(day.slotCount(slotMinutes()), ScenarioInputs::SlotCapacity));
    putSlotValues(inputs.SlotCalls, day.calls, count);
    qint64 sum = 0;
    for (std::size_t slot = 1; slot <= count; ++slot)
        sum += inputs.SlotCalls[slot];
    inputs.setText(Field::Edit1, QString::number(sum));
    inputs.SlotCallsEdited = true;
    inputs.SlotHave.fill(std::nullopt);
    putSlotValues(inputs.SlotTalkSeconds, day.talkSeconds, count);
    putSlotValues(inputs.SlotWrapSeconds, day.wrapSeconds, count);
    inputs.ShiftTypes.clear();
    inputs.ScheduleMode = true;
    inputs.updateTotalTime();
    return inputs;
}

ScenarioInputs WeekScenario::dayInputs(int index, const WeekPlan &plan) const
{
    ScenarioInputs inputs = dayInputs(index);
    putSlotValues(inputs.SlotHave, staffedOn(plan, index), static_cast<std::size_t>(inputs.timeSlots().count));
    return inputs;
}

namespace {

AgentScenario recalculated(ScenarioInputs inputs, RecalcResult *result)
{
    AgentScenario scenario;
    scenario.setInputs(std::move(inputs));
    const RecalcResult recalc = ScenarioEvents(scenario).TabSet1Click(Tab::Schedule);
    if (result)
        *result = recalc;
    return scenario;
}

} // namespace

AgentScenario WeekScenario::daySchedule(int day, RecalcResult *result) const
{
    return recalculated(dayInputs(day), result);
}

AgentScenario WeekScenario::daySchedule(int day, const WeekPlan &plan, RecalcResult *result) const
{
    return recalculated(dayInputs(day, plan), result);
}

WeekScenario::Build WeekScenario::shiftWeek(bool serviceCurves) const
{
    ShiftWeek week;
    week.slotMinutes = slotMinutes();
    // A day without calls has no service curve of its own to aim at; it
    // takes the goal and the answering share of the days with calls.
    std::optional<ServiceDay> shared;
    std::vector<std::size_t> withoutCalls;
    for (int index = 0; index < DayCount; ++index) {
        const Day &day = days[static_cast<std::size_t>(index)];
        ShiftWeek::Day &planned = week.days[static_cast<std::size_t>(index)];
        planned.date = day.date;
        if (!day.open)
            continue;
        if (!day.hasCalls()) {
            ShiftDay empty;
            empty.slotMinutes = week.slotMinutes;
            empty.startMinuteOfDay = day.startMinute;
            empty.requirement.assign(static_cast<std::size_t>(day.slotCount(week.slotMinutes)), 0);
            planned.shifts = empty;
            withoutCalls.push_back(static_cast<std::size_t>(index));
            continue;
        }
        Build build;
        const AgentScenario schedule = daySchedule(index, &build.refused);
        if (!build.refused.valid) {
            build.failingDay = index;
            return build;
        }
        planned.shifts = ScheduleShiftDay(schedule);
        if (serviceCurves) {
            planned.service = PlanServiceCheck(schedule.inputs()).serviceDay();
            shared = planned.service;
        }
    }
    if (shared) {
        shared->curves.clear();
        for (const std::size_t index : withoutCalls) {
            ShiftWeek::Day &planned = week.days[index];
            planned.service = *shared;
            planned.service->curves.resize(static_cast<std::size_t>(planned.shifts->slotCount()));
        }
    }
    Build build;
    build.week = week;
    return build;
}

std::optional<QString> WeekScenario::floorProblem() const
{
    if (const std::optional<ShiftInputProblem> problem = PlanServiceCheck(settings).floorProblem())
        return problem->message;
    return std::nullopt;
}

RosterDay WeekScenario::rosterDay(int day, const WeekPlan &plan) const
{
    return PlanServiceCheck(daySchedule(day).inputs()).rosterDay(staffedOn(plan, day));
}

void WeekScenario::checkPlan(WeekPlan &plan) const
{
    for (int day = 0; day < DayCount; ++day) {
        WeekPlan::Day &planned = plan.days[static_cast<std::size_t>(day)];
        if (!days[static_cast<std::size_t>(day)].hasCalls() || !planned.open)
            continue;
        const PlanServiceCheck check(daySchedule(day).inputs());
        planned.serviceLevel = check.rosterDay(staffedOn(plan, day)).serviceLevel;
        if (planned.floorCheck)
            planned.floorCheck->missedSlots = check.missedFloorSlots(staffedOn(plan, day), planned.floorCheck->floor);
    }
}
