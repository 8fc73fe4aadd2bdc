// SPDX-License-Identifier: MIT
#pragma once

#include "roster.h"
#include "timeslots.h"

#include <vector>

// The arithmetic of slot volumes (calls per slot) and of the roster per
// slot, apart from where they are kept.
namespace SlotVolumes {

// The whole calls of `calls` spread over `count` slots (count >= 1) as
// evenly as whole numbers allow: each slot takes the rounded running share
// less what the slots before it took, and the last slot the rest.
std::vector<int> spread(double calls, int count);

// The volumes of the slot list `to` (another slot length) from those of
// `from`, placed on the clock: a longer slot takes the sum of the shorter
// slots that start in it; a shorter slot takes its part of the longer slot
// it lies in. An hour gives its half hours v div 2 and the rest (the larger
// half to the second); other splits spread the volume as `spread` does. A
// new slot that no old slot reaches has no calls. Sums beyond the int range
// are held at its bounds.
std::vector<int> convert(const TimeSlots &from, const std::vector<int> &volumes, const TimeSlots &to);

// The roster of `to` from that of `from`, on the clock as `convert`: a
// longer slot has the agents present through all of it, the smallest value
// of its shorter slots that have one; each shorter slot keeps the value of
// the longer slot it lies in. A new slot that no valued old slot reaches has
// no value.
RosterValues convertRoster(const TimeSlots &from, const RosterValues &roster, const TimeSlots &to);
// How many valued slots of `roster` (on `from`) convertRoster drops: those
// of which no part lies in `to`.
int droppedRosterValues(const TimeSlots &from, const RosterValues &roster, const TimeSlots &to);

} // namespace SlotVolumes
