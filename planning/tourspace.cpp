// SPDX-License-Identifier: MIT
#include "tourspace.h"

#include "shifttype.h"
#include "tourtype.h"

#include <algorithm>
#include <set>

namespace {

// Per day, the distinct paid minutes of the variants tour `tour` may work.
std::array<std::vector<int>, ShiftWeek::DayCount> PaidChoices(const TourSpace &space, int tour)
{
    std::array<std::vector<int>, ShiftWeek::DayCount> choices;
    const std::vector<bool> &allowed = space.tours[static_cast<std::size_t>(tour)].types;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        std::set<int> paid;
        for (const ShiftVariant &v : space.variants[static_cast<std::size_t>(d)])
            if (allowed[static_cast<std::size_t>(v.type)])
                paid.insert(v.paidMinutes);
        choices[static_cast<std::size_t>(d)].assign(paid.begin(), paid.end());
    }
    return choices;
}

// Every way to give the days of `mask` one of their paid times each whose
// sum lies in [low, high]; one pattern of "any" day where every way does.
void AddPatterns(unsigned mask, const std::array<std::vector<int>, ShiftWeek::DayCount> &choices, int low, int high,
                 std::vector<TourSpace::Pattern> &patterns)
{
    int least = 0;
    int most = 0;
    std::vector<int> days;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        if (!((mask >> d) & 1u))
            continue;
        const std::vector<int> &c = choices[static_cast<std::size_t>(d)];
        least += c.front();
        most += c.back();
        days.push_back(d);
    }
    if (most < low || least > high)
        return;
    TourSpace::Pattern pattern;
    pattern.mask = mask;
    if (least >= low && most <= high) {
        patterns.push_back(pattern);
        return;
    }
    // Odometer over the days' choices.
    std::vector<std::size_t> pick(days.size(), 0);
    for (;;) {
        int sum = 0;
        for (std::size_t i = 0; i < days.size(); ++i) {
            const int paid = choices[static_cast<std::size_t>(days[i])][pick[i]];
            pattern.paid[static_cast<std::size_t>(days[i])] = paid;
            sum += paid;
        }
        if (sum >= low && sum <= high)
            patterns.push_back(pattern);
        std::size_t i = 0;
        while (i < days.size() && ++pick[i] == choices[static_cast<std::size_t>(days[i])].size())
            pick[i++] = 0;
        if (i == days.size())
            break;
    }
}

} // namespace

bool TourSpace::daysOffTogether(unsigned mask)
{
    int runs = 0;
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const bool off = !((mask >> d) & 1u);
        const bool offBefore = !((mask >> ((d + ShiftWeek::DayCount - 1) % ShiftWeek::DayCount)) & 1u);
        runs += off && !offBefore ? 1 : 0;
    }
    return runs <= 1;
}

std::vector<ShiftVariant> TourSpace::dayVariants(const ShiftDay &day, const ShiftType &type, int typeIndex)
{
    std::vector<ShiftVariant> variants;
    const int slot = day.slotMinutes;
    const int lengthSlots = type.lengthMinutes / slot;
    const bool wraps = type.earliestStart > type.latestStart;
    for (int start = 0; start + lengthSlots <= day.slotCount(); ++start) {
        const int clock = day.minuteOfDayAt(start * slot);
        const bool inWindow = wraps ? clock >= type.earliestStart || clock <= type.latestStart
                                    : clock >= type.earliestStart && clock <= type.latestStart;
        if (inWindow)
            ShiftVariant::addStart(variants, type, typeIndex, slot, start);
    }
    return variants;
}

int TourSpace::clock(const ShiftWeek &week, int day, const ShiftVariant &v) const
{
    const ShiftDay &shifts = *week.days[static_cast<std::size_t>(day)].shifts;
    return shifts.startMinuteOfDay + v.startSlot * shifts.slotMinutes;
}

bool TourSpace::fits(const ShiftWeek &week, int tour, int band, int day, const ShiftVariant &v, int paid) const
{
    const Tour &t = tours[static_cast<std::size_t>(tour)];
    return t.types[static_cast<std::size_t>(v.type)] && (paid == 0 || v.paidMinutes == paid)
           && t.bands[static_cast<std::size_t>(band)].holds(clock(week, day, v));
}

std::vector<bool> TourSpace::reachable(const ShiftWeek &week, int day) const
{
    const ShiftWeek::Day &d = week.days[static_cast<std::size_t>(day)];
    std::vector<bool> reached(d.open() ? static_cast<std::size_t>(d.shifts->slotCount()) : 0u, false);
    for (std::size_t t = 0; t < tours.size(); ++t)
        for (const Week &w : tours[t].weeks) {
            const Pattern &p = tours[t].patterns[static_cast<std::size_t>(w.pattern)];
            if (!p.works(day))
                continue;
            for (const ShiftVariant &v : variants[static_cast<std::size_t>(day)])
                if (fits(week, static_cast<int>(t), w.band, day, v, p.paid[static_cast<std::size_t>(day)]))
                    for (int s = v.startSlot; s < v.startSlot + v.lengthSlots; ++s)
                        reached[static_cast<std::size_t>(s)] = reached[static_cast<std::size_t>(s)] || v.works(s);
        }
    return reached;
}

TourSpace TourSpace::build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                           const std::vector<TourType> &tours)
{
    TourSpace space;
    std::vector<bool> used(types.size(), false);
    for (const TourType &tour : tours) {
        Tour t;
        t.types.assign(types.size(), false);
        for (std::size_t k = 0; k < types.size(); ++k)
            if (tour.shiftTypes.contains(types[k].name))
                t.types[k] = used[k] = true;
        space.tours.push_back(std::move(t));
    }
    for (int d = 0; d < ShiftWeek::DayCount; ++d) {
        const ShiftWeek::Day &day = week.days[static_cast<std::size_t>(d)];
        if (!day.open())
            continue;
        for (std::size_t k = 0; k < types.size(); ++k)
            if (used[k])
                for (const ShiftVariant &v : dayVariants(*day.shifts, types[k], static_cast<int>(k)))
                    space.variants[static_cast<std::size_t>(d)].push_back(v);
    }
    for (std::size_t t = 0; t < tours.size(); ++t) {
        space.addPatterns(tours[t], static_cast<int>(t));
        space.addBands(week, tours[t], static_cast<int>(t));
        space.addWeeks(week, static_cast<int>(t));
    }
    return space;
}

void TourSpace::addPatterns(const TourType &tour, int index)
{
    Tour &t = tours[static_cast<std::size_t>(index)];
    const auto choices = PaidChoices(*this, index);
    unsigned workable = 0;
    for (int d = 0; d < ShiftWeek::DayCount; ++d)
        if (!choices[static_cast<std::size_t>(d)].empty())
            workable |= 1u << d;
    for (unsigned mask = 1; mask < (1u << ShiftWeek::DayCount); ++mask) {
        int days = 0;
        for (int d = 0; d < ShiftWeek::DayCount; ++d)
            days += (mask >> d) & 1u;
        if ((mask & ~workable) != 0 || days < tour.minDays || days > tour.maxDays
            || (tour.consecutiveDaysOff && !daysOffTogether(mask)))
            continue;
        AddPatterns(mask, choices, tour.minPaidMinutes, tour.maxPaidMinutes, t.patterns);
    }
}

// One band from each start the tour may work, of the band's width; a band
// whose starts, day by day, another band holds as well adds no week of its
// own and is left out.
void TourSpace::addBands(const ShiftWeek &week, const TourType &tour, int index)
{
    Tour &t = tours[static_cast<std::size_t>(index)];
    if (!tour.bandMinutes) {
        t.bands.push_back(Band{});
        return;
    }
    std::set<std::pair<int, int>> starts; // day, clock
    for (int d = 0; d < ShiftWeek::DayCount; ++d)
        for (const ShiftVariant &v : variants[static_cast<std::size_t>(d)])
            if (t.types[static_cast<std::size_t>(v.type)])
                starts.emplace(d, clock(week, d, v));
    std::set<int> froms;
    for (const auto &start : starts)
        froms.insert(start.second);
    std::vector<std::set<std::pair<int, int>>> held;
    std::vector<Band> bands;
    for (int from : froms) {
        const Band band{from, from + *tour.bandMinutes};
        std::set<std::pair<int, int>> in;
        for (const auto &start : starts)
            if (band.holds(start.second))
                in.insert(start);
        bands.push_back(band);
        held.push_back(std::move(in));
    }
    for (std::size_t i = 0; i < bands.size(); ++i) {
        bool dominated = false;
        for (std::size_t j = 0; j < bands.size() && !dominated; ++j)
            dominated = j != i && (held[j].size() > held[i].size() || (held[j].size() == held[i].size() && j < i))
                        && std::includes(held[j].begin(), held[j].end(), held[i].begin(), held[i].end());
        if (!dominated)
            t.bands.push_back(bands[i]);
    }
}

void TourSpace::addWeeks(const ShiftWeek &week, int index)
{
    Tour &t = tours[static_cast<std::size_t>(index)];
    for (std::size_t p = 0; p < t.patterns.size(); ++p)
        for (std::size_t b = 0; b < t.bands.size(); ++b) {
            bool every = true;
            for (int d = 0; d < ShiftWeek::DayCount && every; ++d) {
                if (!t.patterns[p].works(d))
                    continue;
                const int paid = t.patterns[p].paid[static_cast<std::size_t>(d)];
                const auto &dayVariants = variants[static_cast<std::size_t>(d)];
                every = std::any_of(dayVariants.begin(), dayVariants.end(), [&](const ShiftVariant &v) {
                    return fits(week, index, static_cast<int>(b), d, v, paid);
                });
            }
            if (every)
                t.weeks.push_back({static_cast<int>(p), static_cast<int>(b)});
        }
}
