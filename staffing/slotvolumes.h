// SPDX-License-Identifier: MIT
#pragma once

#include "timeslots.h"

#include <optional>
#include <vector>

// The arithmetic of slot volumes (calls per slot), apart from where they
// are kept.
namespace SlotVolumes {

// The whole calls of `calls` spread over `count` slots (count >= 1) as
// evenly as whole numbers allow: each slot takes the rounded running share
// less what the slots before it took, and the last slot the rest.
std::vector<int> spread(double calls, int count);

// The volumes of the slot list `to` (the other slot length) from those of
// `from`, placed on the clock: an hour takes the sum of the half hours that
// start in it, and a half hour takes its half of the hour it lies in (an odd
// volume gives the larger half to the second half hour). A new slot that no
// old slot reaches has no volume. Sums beyond the int range are held at its
// bounds.
std::vector<std::optional<int>> convert(const TimeSlots &from, const std::vector<int> &volumes, bool fromHalfHours,
                                        const TimeSlots &to);

} // namespace SlotVolumes
