// SPDX-License-Identifier: MIT
#include "weekdecomposition.h"

#include "shifttype.h"
#include "tourspace.h"
#include "tourtype.h"
#include "weektourmodel.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <stdexcept>
#include <tuple>

namespace {

int Count(const std::vector<double> &values, int column)
{
    return static_cast<int>(std::llround(std::max(0.0, values[static_cast<std::size_t>(column)])));
}

struct Pending
{
    int band = 0;
    const TourSpace::Pattern *pattern = nullptr;
    WeekPlan::AgentWeek week;
};

struct Start
{
    int type = 0;
    int startSlot = 0;
};

WeekPlan::DayShift ShiftOf(const ShiftDay &day, const std::vector<ShiftType> &types, const ShiftVariant &v)
{
    WeekPlan::DayShift shift;
    shift.type = v.type;
    shift.typeName = types[static_cast<std::size_t>(v.type)].name;
    shift.startSlot = v.startSlot;
    shift.endSlot = v.startSlot + v.lengthSlots;
    shift.breakSlot = v.breakSlot;
    shift.breakSlots = v.breakSlots;
    shift.start = day.minuteOfDayAt(v.startSlot * day.slotMinutes);
    if (v.breakSlot >= 0) {
        shift.breakStart = day.minuteOfDayAt(v.breakSlot * day.slotMinutes);
        shift.breakMinutes = v.breakSlots * day.slotMinutes;
    }
    shift.end = day.minuteOfDayAt((v.startSlot + v.lengthSlots) * day.slotMinutes);
    shift.paidMinutes = v.paidMinutes;
    return shift;
}

// Hands the day's starts of one tour and band to its agents who work the
// day: the paid time a week asks for first, then any.
void HandOutStarts(std::vector<Pending *> &working, std::vector<Start> starts, int day,
                   const std::vector<ShiftType> &types, std::vector<std::pair<Pending *, Start>> &given)
{
    std::stable_sort(working.begin(), working.end(), [day](const Pending *a, const Pending *b) {
        return (a->pattern->paid[static_cast<std::size_t>(day)] != 0)
               > (b->pattern->paid[static_cast<std::size_t>(day)] != 0);
    });
    if (working.size() != starts.size())
        throw std::logic_error("week plan: a day's starts do not match its agents");
    for (Pending *agent : working) {
        const int paid = agent->pattern->paid[static_cast<std::size_t>(day)];
        const auto it = std::find_if(starts.begin(), starts.end(), [&](const Start &s) {
            return paid == 0 || types[static_cast<std::size_t>(s.type)].paidMinutes() == paid;
        });
        if (it == starts.end())
            throw std::logic_error("week plan: no start of the paid time a week needs");
        given.emplace_back(agent, *it);
        starts.erase(it);
    }
}

// Where an agent's week sorts: by its earliest start, then its first day.
std::pair<int, int> FirstStart(const WeekPlan::AgentWeek &week)
{
    std::pair<int, int> first{INT_MAX, ShiftWeek::DayCount};
    for (int d = 0; d < ShiftWeek::DayCount; ++d)
        if (const auto &shift = week.days[static_cast<std::size_t>(d)])
            first = std::min(first, {shift->start, d});
    return first;
}

} // namespace

std::vector<WeekPlan::AgentWeek> WeekDecomposition::agents(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                                           const std::vector<TourType> &tours, const TourSpace &space,
                                                           const WeekTourModel &model,
                                                           const std::vector<double> &values)
{
    std::vector<Pending> pending;
    for (const WeekTourModel::AgentsColumn &a : model.agents) {
        const TourSpace::Tour &tour = space.tours[static_cast<std::size_t>(a.tour)];
        const TourSpace::Week &w = tour.weeks[static_cast<std::size_t>(a.week)];
        for (int n = Count(values, a.column); n > 0; --n) {
            Pending p;
            p.band = w.band;
            p.pattern = &tour.patterns[static_cast<std::size_t>(w.pattern)];
            p.week.tour = a.tour;
            p.week.tourName = tours[static_cast<std::size_t>(a.tour)].name;
            pending.push_back(p);
        }
    }
    // (tour, band, day) -> the starts of z.
    std::map<std::tuple<int, int, int>, std::vector<Start>> starts;
    for (const WeekTourModel::StartColumn &z : model.starts)
        for (int n = Count(values, z.column); n > 0; --n)
            starts[{z.tour, z.band, z.day}].push_back({z.type, z.startSlot});
    // (day, type, start slot) -> the variants' agents left to hand out.
    std::map<std::tuple<int, int, int>, std::vector<std::pair<int, int>>> variantsAt;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const auto &variants = space.variants[static_cast<std::size_t>(d)];
        for (std::size_t i = 0; i < variants.size(); ++i)
            if (const int n = Count(values, model.firstVariant[static_cast<std::size_t>(d)] + static_cast<int>(i)))
                variantsAt[{d, variants[i].type, variants[i].startSlot}].emplace_back(static_cast<int>(i), n);
    }

    for (std::size_t t = 0; t < tours.size(); ++t)
        for (std::size_t b = 0; b < space.tours[t].bands.size(); ++b)
            for (int d = 0; d < ShiftWeek::DayCount; ++d) {
                std::vector<Pending *> working;
                for (Pending &p : pending)
                    if (p.week.tour == static_cast<int>(t) && p.band == static_cast<int>(b) && p.pattern->works(d))
                        working.push_back(&p);
                std::vector<std::pair<Pending *, Start>> given;
                HandOutStarts(working, starts[{static_cast<int>(t), static_cast<int>(b), d}], d, types, given);
                for (auto &[agent, start] : given) {
                    auto &pool = variantsAt[{d, start.type, start.startSlot}];
                    if (pool.empty())
                        throw std::logic_error("week plan: a start without a variant");
                    const ShiftVariant &v = space.variants[static_cast<std::size_t>(d)][static_cast<std::size_t>(pool.back().first)];
                    if (--pool.back().second == 0)
                        pool.pop_back();
                    agent->week.days[static_cast<std::size_t>(d)] = ShiftOf(*week.days[static_cast<std::size_t>(d)].shifts, types, v);
                    agent->week.paidMinutes += v.paidMinutes;
                }
            }

    std::vector<WeekPlan::AgentWeek> weeks;
    for (Pending &p : pending)
        weeks.push_back(std::move(p.week));
    std::stable_sort(weeks.begin(), weeks.end(), [](const WeekPlan::AgentWeek &a, const WeekPlan::AgentWeek &b) {
        if (a.tour != b.tour)
            return a.tour < b.tour;
        return FirstStart(a) < FirstStart(b);
    });
    return weeks;
}
