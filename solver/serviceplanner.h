// SPDX-License-Identifier: MIT
#pragma once

#include "shiftplanner.h"

struct ServiceDay;

// The cheapest shifts whose day's call-weighted service level, by the
// slots' curves in `service`, reaches its goal; slots may fall below their
// requirement. Every slot with calls that a shift reaches gets at least its
// curve's lowest level (where the per-type maximums allow: with maximums
// the highest reachable level is sought first, as the shortfall is for
// cover). A goal above what the types reach plans that most at the fewest
// paid hours and says so in serviceReachable. Under a slot floor every such
// slot also gets its curve's floor (with maximums, where the least
// shortfall under the floors allows), and the plan names the slots whose
// floor is out of reach. The roster check's day's
// service level is the planning layer's, which holds the staffing model.
ShiftPlanResult PlanShiftsForService(const ShiftDay &day, const std::vector<ShiftType> &types,
                                     const ServiceDay &service, const MipSettings &settings);
