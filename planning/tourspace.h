// SPDX-License-Identifier: MIT
#pragma once

#include "shiftvariant.h"
#include "shiftweek.h"

#include <array>
#include <climits>
#include <vector>

struct ShiftType;
struct TourType;

// The ways a week of tours may be worked, as the tour model chooses among
// them: each open day's shift variants (of the types some tour works, each
// start clipped to the day), and per tour type its weeks of days and its
// start bands. Built from input that passed the week check.
class TourSpace
{
public:
    // The days one agent works and, where the tour's weekly hours depend on
    // which shift types its days are worked in, the paid minutes each day
    // must have; 0 on a day worked: any of the tour's types.
    struct Pattern
    {
        unsigned mask = 0; // bit d: day d (Monday 0) worked
        std::array<int, ShiftWeek::DayCount> paid{};
        bool works(int day) const { return (mask >> day) & 1u; }
    };
    // The clock times (minutes from the day's midnight) every start of an
    // agent's week lies within, both ends included.
    struct Band
    {
        int from = INT_MIN;
        int to = INT_MAX;
        bool holds(int clock) const { return clock >= from && clock <= to; }
    };
    // A tour's pattern worked in one band: only combinations in which
    // every day worked has a start of the right paid time in the band.
    struct Week
    {
        int pattern = 0;
        int band = 0;
    };
    struct Tour
    {
        std::vector<bool> types; // per shift type: the tour may work it
        std::vector<Pattern> patterns;
        std::vector<Band> bands;
        std::vector<Week> weeks;
    };

    static TourSpace build(const ShiftWeek &week, const std::vector<ShiftType> &types,
                           const std::vector<TourType> &tours);

    // Per day (Monday first), the variants of the shift types some tour
    // works; none on a closed day.
    std::array<std::vector<ShiftVariant>, ShiftWeek::DayCount> variants;
    std::vector<Tour> tours;

    // The start's clock time of variant `v` of `day`: minutes from the
    // day's midnight (past 1440 on a day that runs over midnight).
    int clock(const ShiftWeek &week, int day, const ShiftVariant &v) const;
    // Whether tour `tour` may work variant `v` of `day` in `band` with the
    // paid minutes `paid` (0: any).
    bool fits(const ShiftWeek &week, int tour, int band, int day, const ShiftVariant &v, int paid) const;
    // Per slot of `day`, whether some tour's week can work it.
    std::vector<bool> reachable(const ShiftWeek &week, int day) const;

    // Whether the days off of a week of days `mask` lie in one run (Sunday
    // to Monday running on).
    static bool daysOffTogether(unsigned mask);
    // The variants of `type` on `day`: each start in the type's window
    // where the shift fits the day, each break start in its window.
    static std::vector<ShiftVariant> dayVariants(const ShiftDay &day, const ShiftType &type, int typeIndex);

private:
    void addPatterns(const TourType &tour, int index);
    void addBands(const ShiftWeek &week, const TourType &tour, int index);
    void addWeeks(const ShiftWeek &week, int index);
};
