// SPDX-License-Identifier: MIT
#include "weekcheck.h"

#include "shiftcheck.h"
#include "shifttimes.h"
#include "shifttype.h"
#include "shiftweek.h"
#include "slotlength.h"
#include "texts.h"
#include "tourspace.h"
#include "tourtype.h"

#include <algorithm>

namespace {

WeekInputProblem TourProblem(int tour, TourField field, const QString &message)
{
    WeekInputProblem p;
    p.tour = tour;
    p.tourField = field;
    p.message = message;
    return p;
}

WeekInputProblem WeekProblem(const QString &message)
{
    WeekInputProblem p;
    p.week = true;
    p.message = message;
    return p;
}

QString Said(const TourType &tour, const QString &what)
{
    return QStringLiteral("Tour \"%1\": %2.").arg(tour.name.trimmed(), what);
}

std::optional<WeekInputProblem> CheckWeek(const ShiftWeek &week, bool requirementToo)
{
    if (!slotLengthOfMinutes(week.slotMinutes))
        return WeekProblem(QStringLiteral("The slot length must be %1 minutes, not %2.")
                               .arg(SlotMinutesListText())
                               .arg(week.slotMinutes));
    bool anyOpen = false;
    bool anyRequired = false;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
        if (!day.open())
            continue;
        anyOpen = true;
        const ShiftDay &shifts = *day.shifts;
        // Its hours after midnight are the next day's early hours, which an
        // agent of that day may work too: the tours could overlap in time.
        if (shifts.slotMinutes == week.slotMinutes && shifts.startMinuteOfDay >= 0
            && shifts.startMinuteOfDay + shifts.dayMinutes() > Calc::MinutesPerDay)
            return WeekProblem(QStringLiteral("%1 runs past midnight (%2 to %3): the week planner staffs days that end "
                                              "by 24:00; end the day at 24:00 and open the next at 00:00.")
                                   .arg(ShiftWeek::dayName(d), Calc::ClockText(shifts.startMinuteOfDay),
                                        Calc::ClockText(shifts.minuteOfDayAt(shifts.dayMinutes()))));
        if (shifts.slotMinutes != week.slotMinutes || shifts.dayMinutes() > Calc::MinutesPerDay
            || shifts.startMinuteOfDay < 0 || shifts.startMinuteOfDay % week.slotMinutes != 0
            || shifts.startMinuteOfDay + shifts.dayMinutes() > Calc::MinutesPerDay)
            return WeekProblem(QStringLiteral("%1 must run from a slot boundary to at most 24:00 in %2-minute slots.")
                                   .arg(ShiftWeek::dayName(d))
                                   .arg(week.slotMinutes));
        for (int s = 0; s < shifts.slotCount(); ++s) {
            const int required = shifts.requirement[static_cast<std::size_t>(s)];
            if (required < 0)
                return WeekProblem(QStringLiteral("%1 %2 needs %3 agents: a requirement cannot be negative.")
                                       .arg(ShiftWeek::dayName(d), Calc::ClockText(shifts.minuteOfDayAt(s * week.slotMinutes)))
                                       .arg(required));
            anyRequired = anyRequired || required > 0;
        }
    }
    if (!anyOpen)
        return WeekProblem(QStringLiteral("Every day of the week is closed: there is nothing to plan."));
    if (requirementToo && !anyRequired)
        return WeekProblem(QStringLiteral("No slot of the week needs an agent: there is nothing to plan."));
    return std::nullopt;
}

std::optional<WeekInputProblem> CheckShifts(const ShiftWeek &week, const std::vector<ShiftType> &types)
{
    ShiftDay whole;
    whole.slotMinutes = week.slotMinutes;
    whole.requirement.assign(static_cast<std::size_t>(Calc::MinutesPerDay / week.slotMinutes), 0);
    if (auto p = CheckShiftTypes(whole, types)) {
        WeekInputProblem problem;
        problem.shift = p->shift;
        problem.shiftField = p->field;
        problem.message = p->message;
        return problem;
    }
    return std::nullopt;
}

std::optional<WeekInputProblem> CheckFields(const std::vector<ShiftType> &types, const std::vector<TourType> &tours,
                                            int slotMinutes)
{
    if (tours.empty())
        return TourProblem(-1, TourField::TourList, QStringLiteral("There is no tour type to plan with."));
    for (std::size_t i = 0; i < tours.size(); ++i) {
        const TourType &tour = tours[i];
        const int t = static_cast<int>(i);
        if (tour.name.trimmed().isEmpty())
            return TourProblem(t, TourField::Name, QStringLiteral("Tour type %1 has no name.").arg(t + 1));
        for (std::size_t j = 0; j < i; ++j)
            if (tours[j].name.trimmed() == tour.name.trimmed())
                return TourProblem(t, TourField::Name, Said(tour, QStringLiteral("another tour type has this name")));
        if (tour.minDays < 1 || tour.maxDays > ShiftWeek::DayCount || tour.minDays > tour.maxDays)
            return TourProblem(t, TourField::Days,
                               Said(tour, QStringLiteral("the days worked must be from 1 to 7, the fewer first, not %1 to %2")
                                              .arg(tour.minDays)
                                              .arg(tour.maxDays)));
        if (tour.shiftTypes.isEmpty())
            return TourProblem(t, TourField::ShiftTypes, Said(tour, QStringLiteral("it works no shift type")));
        for (const QString &name : tour.shiftTypes)
            if (std::none_of(types.begin(), types.end(), [&](const ShiftType &k) { return k.name == name; }))
                return TourProblem(t, TourField::ShiftTypes,
                                   Said(tour, QStringLiteral("there is no shift type \"%1\"").arg(name)));
        if (tour.bandMinutes && *tour.bandMinutes < slotMinutes)
            return TourProblem(t, TourField::Band,
                               Said(tour, QStringLiteral("a start band of %1 minutes is narrower than a %2-minute slot")
                                              .arg(*tour.bandMinutes)
                                              .arg(slotMinutes)));
        if (tour.minPaidMinutes < 0 || tour.maxPaidMinutes <= 0 || tour.minPaidMinutes > tour.maxPaidMinutes)
            return TourProblem(t, TourField::PaidHours,
                               Said(tour, QStringLiteral("the weekly paid hours must be more than 0:00, the fewer first, not %1 to %2")
                                              .arg(ShiftDurationText(tour.minPaidMinutes), ShiftDurationText(tour.maxPaidMinutes))));
        if (tour.maxAgents && *tour.maxAgents < 1)
            return TourProblem(t, TourField::MaxAgents,
                               Said(tour, QStringLiteral("the maximum of %1 agents leaves the tour unused; leave it empty for no maximum")
                                              .arg(*tour.maxAgents)));
    }
    return std::nullopt;
}

// Whether each tour can form a week, and each shift type it works fits
// some open day.
std::optional<WeekInputProblem> CheckWeeks(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                           const std::vector<TourType> &tours)
{
    const TourSpace space = TourSpace::build(week, types, tours);
    for (std::size_t k = 0; k < types.size(); ++k) {
        const bool used = std::any_of(space.tours.begin(), space.tours.end(), [k](const TourSpace::Tour &t) { return t.types[k]; });
        const bool fits = std::any_of(space.variants.begin(), space.variants.end(), [k](const std::vector<ShiftVariant> &day) {
            return std::any_of(day.begin(), day.end(), [k](const ShiftVariant &v) { return v.type == static_cast<int>(k); });
        });
        if (used && !fits) {
            WeekInputProblem p;
            p.shift = static_cast<int>(k);
            p.shiftField = ShiftField::EarliestStart;
            p.message = QStringLiteral("Shift \"%1\": it fits no open day of the week between its earliest and latest start.")
                            .arg(types[k].name.trimmed());
            return p;
        }
    }
    for (std::size_t i = 0; i < tours.size(); ++i) {
        const TourType &tour = tours[i];
        const int t = static_cast<int>(i);
        const TourSpace::Tour &space_t = space.tours[i];
        if (!space_t.patterns.empty() && !space_t.weeks.empty())
            continue;
        if (!space_t.patterns.empty())
            return TourProblem(t, TourField::Band,
                               Said(tour, QStringLiteral("no week of its days has every start within %1 minutes of the others")
                                              .arg(tour.bandMinutes.value_or(0))));
        TourType anyHours = tour;
        anyHours.minPaidMinutes = 0;
        anyHours.maxPaidMinutes = INT_MAX / 2;
        const TourSpace loose = TourSpace::build(week, types, {anyHours});
        if (loose.tours.front().patterns.empty())
            return TourProblem(t, tour.consecutiveDaysOff ? TourField::DaysOff : TourField::Days,
                               Said(tour, QStringLiteral("the open days allow no week of %1 to %2 days worked%3")
                                              .arg(tour.minDays)
                                              .arg(tour.maxDays)
                                              .arg(tour.consecutiveDaysOff ? QStringLiteral(" with the days off together")
                                                                           : QString())));
        return TourProblem(t, TourField::PaidHours,
                           Said(tour, QStringLiteral("no week of %1 to %2 days of its shift types is paid %3 to %4 hours")
                                          .arg(tour.minDays)
                                          .arg(tour.maxDays)
                                          .arg(ShiftDurationText(tour.minPaidMinutes), ShiftDurationText(tour.maxPaidMinutes))));
    }
    return std::nullopt;
}

std::optional<WeekInputProblem> Check(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                      const std::vector<TourType> &tours, bool requirementToo)
{
    if (auto p = CheckWeek(week, requirementToo))
        return p;
    if (auto p = CheckShifts(week, types))
        return p;
    if (auto p = CheckFields(types, tours, week.slotMinutes))
        return p;
    return CheckWeeks(week, types, tours);
}

} // namespace

std::optional<WeekInputProblem> CheckWeekInput(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                               const std::vector<TourType> &tours)
{
    return Check(week, types, tours, true);
}

std::optional<WeekInputProblem> CheckTourTypes(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                               const std::vector<TourType> &tours)
{
    return Check(week, types, tours, false);
}
