// SPDX-License-Identifier: MIT
#pragma once

#include "timeslots.h"

#include <optional>
#include <vector>

// The slots' own talk or after-call times when the slot length changes,
// placed on the clock as the volumes are (SlotVolumes::convert).
namespace SlotTimeConversion {

// The times of the slot list `to` (the other slot length) from those of
// `from` (whole seconds; empty: the fields' time): a half hour takes the
// time of the hour it lies in; an hour takes the mean of its half hours'
// own times, weighted by their calls (a plain mean when they have none),
// rounded to whole seconds, halves up. A new slot without an old time has
// none.
std::vector<std::optional<int>> convert(const TimeSlots &from, const std::vector<std::optional<int>> &times,
                                        const std::vector<int> &volumes, bool fromHalfHours, const TimeSlots &to);

} // namespace SlotTimeConversion
