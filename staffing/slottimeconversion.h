// SPDX-License-Identifier: MIT
#pragma once

#include "timeslots.h"

#include <optional>
#include <vector>

// The slots' own talk or after-call times when the slot length changes,
// placed on the clock as the volumes and the roster are
// (SlotVolumes::convert, SlotVolumes::convertRoster).
namespace SlotTimeConversion {

// The times of the slot list `to` (another slot length) from those of
// `from` (whole seconds; empty: the fields' time): each shorter slot takes
// the time of the longer slot it lies in; a longer slot takes the mean of
// the own times of the shorter slots that start in it, weighted by their
// calls (a plain mean when they have none), rounded to whole seconds, halves
// up. A new slot without an old time has none.
std::vector<std::optional<int>> convert(const TimeSlots &from, const std::vector<std::optional<int>> &times,
                                        const std::vector<int> &volumes, const TimeSlots &to);

} // namespace SlotTimeConversion
