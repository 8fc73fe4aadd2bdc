// SPDX-License-Identifier: MIT
#pragma once

#include "mipmodel.h"

#include <string>
#include <vector>

struct ServiceDay;
struct ShiftDay;
struct ShiftType;
struct ShiftVariant;

// The service-level model of a day: the variants' integer columns (0.., as
// in the cover model) and, per slot with calls that some variant works, its
// agents answering calls, at least the slot's lowest level, plus one column
// per added agent up to the highest level, each weighted by the rise of the
// day's service level it brings (the slot's share of the day's calls x the
// step of its curve). Added agents from the curve's concaveFrom() on are
// continuous in [0, 1]; those before it are binaries taken in order, and
// the continuous ones only once all of those are taken. With shrinkage the
// answering agents are an integer column held to staffed x share, so the
// rounding down is exact. A slot floor is a row per slot: its answering
// agents reach the curve's `floor`.
struct ShiftServiceModel
{
    enum class Goal {
        ServiceLevel, // the highest day's service level; no slot need reach its lowest level
        PaidHours,    // the fewest paid hours whose day's service level reaches the target
    };

    // The margin above the target that the day's row asks for, so that the
    // solver's tolerances never let a plan fall short of it.
    static constexpr double TargetMargin = 1e-6;

    // What the model of the paid hours holds in each slot s (from 0).
    struct Held
    {
        // lowest[s]: slot s must reach its lowest level; a slot that need not
        // may also stay below it, counting as answering nothing in time.
        std::vector<bool> lowest;
        // floor[s]: slot s must reach its curve's floor.
        std::vector<bool> floor;
    };

    // With Goal::ServiceLevel no slot need reach its lowest level, and a
    // floor is a first aim: each answering agent short of one costs more
    // than the whole day's service level can bring, so that the shortfall
    // under the floors is the least the types allow. `target` (0..1) and
    // `held` are read with Goal::PaidHours only.
    static MipModel build(const ShiftDay &day, const std::vector<ShiftType> &types,
                          const std::vector<ShiftVariant> &variants, const ServiceDay &service, Goal goal,
                          double target, const Held &held);

    // One day's rows and columns over its variants' columns, which begin at
    // `firstColumn` (a week's model holds several days), the rows' and
    // columns' names beginning with `prefix`. Returns the day's service row
    // over the added agents' columns, each weighted by the rise of the day's
    // level it brings, not yet added: with Goal::PaidHours its lower bound
    // is the target's (less what the held lowest levels give, plus the
    // margin); with Goal::ServiceLevel it is the day's level to weigh.
    static MipModel::Row addDay(MipModel &model, const ShiftDay &day, const std::vector<ShiftVariant> &variants,
                                int firstColumn, const ServiceDay &service, Goal goal, double target,
                                const Held &held, const std::string &prefix);
};
