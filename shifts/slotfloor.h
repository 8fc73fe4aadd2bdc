// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

// A floor under every slot of a plan for the day's service level, part of
// that goal: the least service level a slot with calls may get (the share of
// its calls answered within the goal time) and, under Erlang A, the most of
// its callers who may hang up. Both in percent; unset, the day's service
// level alone is the goal.
struct SlotFloor
{
    // The service curves run to practically full service (above 99.9 %), so
    // a floor up to that is within their range.
    static constexpr double LeastServicePercent = 1;
    static constexpr double MostServicePercent = 99.9;
    static constexpr double LeastAbandonPercent = 0.01;
    static constexpr double MostAbandonPercent = 100;

    std::optional<double> servicePercent;
    std::optional<double> maxAbandonPercent;

    bool isSet() const { return servicePercent.has_value() || maxAbandonPercent.has_value(); }
    bool operator==(const SlotFloor &other) const
    {
        return servicePercent == other.servicePercent && maxAbandonPercent == other.maxAbandonPercent;
    }
    bool operator!=(const SlotFloor &other) const { return !(*this == other); }
    // Whether a slot's service level and abandoned share (0..1) meet the
    // floor, compared exactly as the goal is (79.96 % does not meet 80 %); a
    // figure that is not a number misses.
    bool metBy(double serviceLevel, double abandoned) const
    {
        return (!servicePercent || serviceLevel >= *servicePercent / 100)
            && (!maxAbandonPercent || abandoned <= *maxAbandonPercent / 100);
    }
};
