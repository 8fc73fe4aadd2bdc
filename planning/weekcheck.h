// SPDX-License-Identifier: MIT
#pragma once

#include "weekinputproblem.h"

#include <optional>
#include <vector>

struct ShiftType;
struct ShiftWeek;
struct TourType;

// The first problem with a week, its shift types and its tour types: the
// week, then the shift types (as a day's check does, over a whole day of
// the week's slots), then each tour type's fields in the order a planner
// types them, then whether each tour can form any week at all (its days
// and days off, its paid hours, its band); empty when the week can be
// planned. A shift type some tour works must fit some open day.
std::optional<WeekInputProblem> CheckWeekInput(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                               const std::vector<TourType> &tours);
// The same without the week's requirement: what a tour types dialog
// checks, the week giving only its open periods.
std::optional<WeekInputProblem> CheckTourTypes(const ShiftWeek &week, const std::vector<ShiftType> &types,
                                               const std::vector<TourType> &tours);
